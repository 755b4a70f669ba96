#include "app/dorvek.h"
#include "app/step_clock.h"
#include "match/match_state.h"

#include <QLabel>

namespace {

enum class DemoCards { None, CpuBacks, PlayerHand, CpuFaces, ClearTable };

struct DemoStep
{
    const char *slot;
    DemoCards cards;
    const char *text; // nullptr keeps the text on show
    const char *next;
    int delay;
};

// One run of the mascot's explanation; the last step rests three minutes
// before the run begins again.
const DemoStep script[] = {
    {SLOT(demo_talk1()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "I am Mirrit"),
     SLOT(demo_talk2()), 10000},
    {SLOT(demo_talk2()), DemoCards::None,
     QT_TRANSLATE_NOOP("Dorvek", "This game approximate cards to 15 game"), SLOT(demo_talk3()), 10000},
    {SLOT(demo_talk3()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "Let's start"),
     SLOT(demo_card_close_cpu()), 10000},
    {SLOT(demo_card_close_cpu()), DemoCards::CpuBacks, QT_TRANSLATE_NOOP("Dorvek", "what are CPU cards"),
     SLOT(demo_card_close_player()), 12000},
    {SLOT(demo_card_close_player()), DemoCards::PlayerHand,
     QT_TRANSLATE_NOOP("Dorvek", "Player cards are 12"), SLOT(demo_card_open_cpu()), 12000},
    {SLOT(demo_card_open_cpu()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "CPU cards opens"),
     SLOT(demo_card_open_cpu2()), 2000},
    {SLOT(demo_card_open_cpu2()), DemoCards::CpuFaces, nullptr, SLOT(demo_talk4()), 12500},
    {SLOT(demo_talk4()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "CPU cards is 10"),
     SLOT(demo_talk5()), 12500},
    {SLOT(demo_talk5()), DemoCards::None,
     QT_TRANSLATE_NOOP("Dorvek", "CPU cards is 10 and Player cards is 12"), SLOT(demo_talk6()), 12500},
    {SLOT(demo_talk6()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "Player win"), SLOT(demo_talk7()),
     13500},
    {SLOT(demo_talk7()), DemoCards::None, QT_TRANSLATE_NOOP("Dorvek", "Next Play is you"),
     SLOT(demo_talk8()), 13500},
    {SLOT(demo_talk8()), DemoCards::ClearTable, nullptr, SLOT(demo_talk1()), 180000},
};

}

void Dorvek::demo_step(int index)
{
    if (Play_mode != MODE_DEMO) {
        label_message->hide();
        StepClock::current().stop(timer_demo);
        return;
    }
    const DemoStep &step = script[index];
    if (index == 0)
        label_message->show();

    switch (step.cards) {
    case DemoCards::None:
        break;
    case DemoCards::CpuBacks:
        card_spade_show(0, 0, label_cpu_card1);
        card_spade_show(0, 0, label_cpu_card2);
        card_spade_show(0, 0, label_cpu_card3);
        break;
    case DemoCards::PlayerHand:
        card_spade_show(3, 0, label_player_card1);
        card_spade_show(8, 0, label_player_card2);
        card_spade_show(1, 0, label_player_card3);
        break;
    case DemoCards::CpuFaces:
        card_spade_show(7, 1, label_cpu_card1);
        card_spade_show(2, 1, label_cpu_card2);
        card_spade_show(1, 1, label_cpu_card3);
        break;
    case DemoCards::ClearTable:
        clear_hands();
        break;
    }
    if (step.text)
        label_message->setText(tr(step.text));
    after(step.delay, step.next);
}

// Only the rest's demo_talk1() can still be pending from before a match; a
// new run must not start beside it.
void Dorvek::restart_demo(int ms)
{
    for (const DemoStep &step : script)
        StepClock::current().cancel(this, step.slot);
    after(ms, SLOT(demo_talk1()));
}

void Dorvek::demo_talk1() { demo_step(0); }
void Dorvek::demo_talk2() { demo_step(1); }
void Dorvek::demo_talk3() { demo_step(2); }
void Dorvek::demo_card_close_cpu() { demo_step(3); }
void Dorvek::demo_card_close_player() { demo_step(4); }
void Dorvek::demo_card_open_cpu() { demo_step(5); }
void Dorvek::demo_card_open_cpu2() { demo_step(6); }
void Dorvek::demo_talk4() { demo_step(7); }
void Dorvek::demo_talk5() { demo_step(8); }
void Dorvek::demo_talk6() { demo_step(9); }
void Dorvek::demo_talk7() { demo_step(10); }
void Dorvek::demo_talk8() { demo_step(11); }
