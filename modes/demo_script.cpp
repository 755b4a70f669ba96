// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cards/card_rules.h"
#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/match_state.h"
#include "services/screen_reader.h"
#include "services/step_clock.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>

namespace {

// Which hand a step lays its three spades on, or whether it clears the table.
enum class DemoHand { None, Cpu, Player, ClearTable };

struct DemoStep
{
    const char *slot;
    DemoHand hand;
    int codes[3];
    int set;
    const char *text; // nullptr keeps the text on show
    const char *next;
    int delay;
};

// One run of the mascot's explanation; the last step rests three minutes
// before the run begins again.
// clang-format off
const DemoStep script[] = {
    {SLOT(demo_talk1()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "I am Mirrit"),
     SLOT(demo_talk2()), 10000},
    {SLOT(demo_talk2()), DemoHand::None, {}, 0,
     QT_TRANSLATE_NOOP("Dorvek", "This game approximate cards to 15 game"), SLOT(demo_talk3()), 10000},
    {SLOT(demo_talk3()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "Let's start"),
     SLOT(demo_card_close_cpu()), 10000},
    {SLOT(demo_card_close_cpu()), DemoHand::Cpu, {0, 0, 0}, PLAYER_PICTURES,
     QT_TRANSLATE_NOOP("Dorvek", "what are CPU cards"), SLOT(demo_card_close_player()), 12000},
    {SLOT(demo_card_close_player()), DemoHand::Player, {3, 8, 1}, PLAYER_PICTURES,
     QT_TRANSLATE_NOOP("Dorvek", "Player cards are 12"), SLOT(demo_card_open_cpu()), 12000},
    {SLOT(demo_card_open_cpu()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "CPU cards opens"),
     SLOT(demo_card_open_cpu2()), 2000},
    {SLOT(demo_card_open_cpu2()), DemoHand::Cpu, {7, 2, 1}, CPU_PICTURES, nullptr, SLOT(demo_talk4()),
     12500},
    {SLOT(demo_talk4()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "CPU cards is 10"),
     SLOT(demo_talk5()), 12500},
    {SLOT(demo_talk5()), DemoHand::None, {}, 0,
     QT_TRANSLATE_NOOP("Dorvek", "CPU cards is 10 and Player cards is 12"), SLOT(demo_talk6()), 12500},
    {SLOT(demo_talk6()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "Player win"),
     SLOT(demo_talk7()), 13500},
    {SLOT(demo_talk7()), DemoHand::None, {}, 0, QT_TRANSLATE_NOOP("Dorvek", "Next Play is you"),
     SLOT(demo_talk8()), 13500},
    {SLOT(demo_talk8()), DemoHand::ClearTable, {}, 0, nullptr, SLOT(demo_talk1()), 180000},
};
// clang-format on

// A menu, the menu bar, a dialog or a message box is open: the screen reader
// is reading out what the player is choosing from.
bool playerIsChoosing(const Dorvek &window)
{
    return QApplication::activePopupWidget() || QApplication::activeModalWidget()
           || window.menuBar()->hasFocus() || window.config_dialog->isVisible()
           || window.version_dialog->isVisible();
}

} // namespace

void Dorvek::demoStep(int index)
{
    if (Play_mode != MODE_DEMO) {
        label_message->hide();
        StepClock::current().stop(timer_demo);
        return;
    }
    const DemoStep &step = script[index];
    if (index == 0)
        label_message->show();

    if (step.hand == DemoHand::ClearTable) {
        clearHands();
    } else if (step.hand != DemoHand::None) {
        for (int place = 1; place <= 3; ++place) {
            QLabel *label = step.hand == DemoHand::Cpu ? cpuPlace(place) : playerPlace(place);
            card_spade_show(step.codes[place - 1], step.set, label);
        }
    }
    if (step.text)
        label_message->setText(tr(step.text));
    // The mascot's chatter would talk over the menu or the dialog; a message
    // missed then is not worth hearing later.
    if (step.text && !playerIsChoosing(*this))
        ScreenReader::say(this, tr(step.text), ScreenReader::Timing::Polite);
    after(step.delay, step.next);
}

// A match may leave any step of the demonstration pending (it ends itself
// at its next step); all of them go, so a new run never starts beside an
// old one.
void Dorvek::restartDemo(int ms)
{
    for (const DemoStep &step : script)
        StepClock::current().cancel(this, step.slot);
    after(ms, SLOT(demo_talk1()));
}

void Dorvek::demo_talk1()
{
    demoStep(0);
}
void Dorvek::demo_talk2()
{
    demoStep(1);
}
void Dorvek::demo_talk3()
{
    demoStep(2);
}
void Dorvek::demo_card_close_cpu()
{
    demoStep(3);
}
void Dorvek::demo_card_close_player()
{
    demoStep(4);
}
void Dorvek::demo_card_open_cpu()
{
    demoStep(5);
}
void Dorvek::demo_card_open_cpu2()
{
    demoStep(6);
}
void Dorvek::demo_talk4()
{
    demoStep(7);
}
void Dorvek::demo_talk5()
{
    demoStep(8);
}
void Dorvek::demo_talk6()
{
    demoStep(9);
}
void Dorvek::demo_talk7()
{
    demoStep(10);
}
void Dorvek::demo_talk8()
{
    demoStep(11);
}
