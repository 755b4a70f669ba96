// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_rules.h"
#include "match/match_state.h"
#include "services/pictures.h"
#include "support/harness.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QHash>
#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

// The number of cards a row of places shows, checking that they lie left
// to right without gaps.
int shownCards(const QList<QLabel *> &places)
{
    int shown = 0;
    while (shown < places.size() && !places[shown]->pixmap().isNull())
        ++shown;
    for (int rest = shown; rest < places.size(); ++rest) {
        if (!places[rest]->pixmap().isNull())
            return -1;
    }
    return shown;
}

// What the cards on `places` add up to, read from the pictures shown in
// picture set `set`; -1 when a place shows something that is no card face.
int shownTotal(const QList<QLabel *> &places, int set)
{
    int total = 0;
    for (const QLabel *place : places) {
        if (place->pixmap().isNull())
            continue;
        const QImage shown = pictureOf(place);
        int code = 1;
        while (code <= 52
               && pictureFile(QString::fromStdString(cardPictureFile(code, set))) != shown)
            ++code;
        if (code > 52)
            return -1;
        total += cardValue(code);
    }
    return total;
}

int shownBacks(const QList<QLabel *> &places)
{
    return int(std::count_if(places.begin(), places.end(), [](const QLabel *place) {
        return pictureOf(place) == pictureFile("gazo/UB0.png");
    }));
}

// Notes each card place as it empties (its picture property goes blank),
// by the names the tests give them.
class EmptyingLog : public QObject
{
public:
    explicit EmptyingLog(const Dorvek &w)
    {
        const QList<QLabel *> places = cpuPlaces(w) + QList<QLabel *>{w.label_cpu_spacer}
                                       + playerPlaces(w) + QList<QLabel *>{w.label_player_spacer};
        const QStringList names = {"c1", "c2", "c3", "c4", "cs", "p1", "p2", "p3", "p4", "ps"};
        for (int i = 0; i < places.size(); ++i) {
            // Every place starts out showing something, so each emptying shows.
            places[i]->setProperty(Pictures::FILE_PROPERTY, QStringLiteral("shown"));
            m_names.insert(places[i], names[i]);
            places[i]->installEventFilter(this);
        }
    }
    QString order() const { return m_order.join(' '); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange
            && watched->property(Pictures::FILE_PROPERTY).toString().isEmpty())
            m_order << m_names.value(watched);
        return false;
    }

private:
    QHash<QObject *, QString> m_names;
    QStringList m_order;
};

} // namespace

class tst_play : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playerTurn_data();
    void playerTurn();
    void extraPressesDealNothing();
    void cpuDealAndReveal_data();
    void cpuDealAndReveal();
    void automaticPlayer_data();
    void automaticPlayer();
    void automaticPlayerOutsideRoundOne();
    void revealLogStopsWhenFull();
    void twoMatchesInARow();
    void demonstrationScript();
    void modeChosenDuringTheDemonstration_data();
    void modeChosenDuringTheDemonstration();
    void matchEndingDuringTheRestStartsOneRun();
    void placesEmptyInOrder_data();
    void placesEmptyInOrder();
};

// Picture comparisons below would pass vacuously on two missing files.
void tst_play::initTestCase()
{
    QVERIFY(!pictureFile("gazo/UB0.png").isNull());
    QVERIFY(!pictureFile("gazo/S07D.png").isNull());
}

void tst_play::playerTurn_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QList<int>>("values"); // from the round's start
    QTest::addColumn<int>("cpuCards");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("total");
    QTest::newRow("round 1, CPU 1, stop at once") << 1 << QList<int>{10, 6, 3} << 1 << 0 << 6;
    QTest::newRow("round 1, CPU 2, three draws")
        << 1 << QList<int>{10, 5, 9, 3, 4, 2} << 2 << 3 << 18;
    QTest::newRow("round 1, CPU 4, one draw")
        << 1 << QList<int>{1, 2, 3, 4, 10, 10} << 4 << 1 << 20;
    QTest::newRow("round 2, CPU 3, two draws") << 2 << QList<int>{5, 5, 5, 1, 2, 7} << 3 << 2 << 10;
    QTest::newRow("round 3, CPU 2, stop at once") << 3 << QList<int>{8, 7, 9, 9} << 2 << 0 << 9;
    QTest::newRow("round 3, CPU 4, three draws")
        << 3 << QList<int>{2, 2, 2, 2, 1, 1, 1, 1} << 4 << 3 << 4;
    QTest::newRow("round 3, CPU 1, two draws") << 3 << QList<int>{9, 9, 1, 2, 3} << 1 << 2 << 12;
}

// A round's player turn from its first card to the stop.
void tst_play::playerTurn()
{
    QFETCH(int, round);
    QFETCH(QList<int>, values);
    QFETCH(int, cpuCards);
    QFETCH(int, draws);
    Game game;
    Dorvek &w = *game.window;
    const int start = round == 1 ? 0 : 5;
    std::vector<int> leading(start, 10);
    leading.insert(leading.end(), values.begin(), values.end());
    putDeck(deckWithValues(leading));
    Play_mode = MODE_FREE_PLAY;
    Round_count = round;
    buf_last_card2 = buf_last_card3 = start;
    const SpeechLog speech;

    w.cpu_close_card_cpu();
    game.clock.runUntil("player_turn");
    QCoreApplication::processEvents();
    // However few, the face-down cards are counted to a player who cannot see them.
    QCOMPARE(
        speech.said(),
        QStringList{QStringLiteral("CPU cards face down: %1. It's your play now").arg(cpuCards)});
    const int first = start + cpuCards;
    QCOMPARE(round == 1   ? buf_player_card
             : round == 2 ? buf_player_card2
                          : buf_player_card3,
             first);
    QCOMPARE(shownCards(cpuPlaces(w)), cpuCards);
    QCOMPARE(pictureOf(w.label_cpu_card1), pictureFile("gazo/UB0.png"));
    QCOMPARE(shownCards(playerPlaces(w)), 1);
    QCOMPARE(Player_card, values[cpuCards]);
    QVERIFY(w.button_get_card->isEnabled() && w.button_stop_card->isEnabled());

    for (int press = 1; press <= draws; ++press)
        w.button_get_card->click();
    QCOMPARE(shownCards(playerPlaces(w)), draws + 1);
    // Whatever the total, only the stop ends the turn.
    QVERIFY(w.button_get_card->isEnabled() && w.button_stop_card->isEnabled());

    w.button_stop_card->click();
    QVERIFY(!w.button_get_card->isEnabled() && !w.button_stop_card->isEnabled());
    QTEST(Player_card, "total");
    int cpuTotal = 0;
    for (int k = 0; k < cpuCards; ++k)
        cpuTotal += values[k];
    QCOMPARE(CPU_card, cpuTotal);
    QCOMPARE(shownCards(cpuPlaces(w)), cpuCards);
    QCOMPARE(pictureOf(w.label_cpu_card1),
             pictureFile(QString::fromStdString(cardPictureFile(buf_card[start], CPU_PICTURES))));
    const int next = round == 1 ? buf_last_card2 : round == 2 ? buf_last_card3 : buf_last_card4;
    QCOMPARE(next, first + draws + 1);
    QCOMPARE(get_card_button_count, 0);
    QCOMPARE(game.clock.runUntil("result_screen_show") - game.clock.history().last().time, 0);
}

void tst_play::extraPressesDealNothing()
{
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues({10, 10, 1, 2, 3, 4, 5, 6}));
    game.chooseFreePlay();
    game.untilPlayerTurn();
    for (int press = 1; press <= 3; ++press)
        w.button_get_card->click();
    const int total = Player_card;
    game.trace.take();
    game.sounds.clear();

    w.button_get_card->click();
    QCOMPARE(game.trace.take(), std::string("====push_get_card_button  796 start===\n"
                                            "get_card_button_count=4   798 \n"
                                            "====push_get_card_button end===\n"));
    QCOMPARE(game.sounds.files(), QStringList{"wave/open_card.wav"});
    QCOMPARE(Player_card, total);
    QCOMPARE(buf_last_card2, 5);
    QCOMPARE(shownCards(playerPlaces(w)), 4);

    w.button_get_card->click();
    QCOMPARE(get_card_button_count, 5);
    w.button_stop_card->click();
    QCOMPARE(Player_card, 10 + 1 + 2 + 3);
    QCOMPARE(get_card_button_count, 0);
}

void tst_play::cpuDealAndReveal_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("n");
    QTest::newRow("round 1, four cards") << 1 << 0 << QList<int>{1, 2, 3, 4} << 4;
    QTest::newRow("round 2 from 6, three cards") << 2 << 6 << QList<int>{5, 5, 5, 1} << 3;
    QTest::newRow("round 3 from 11, two cards") << 3 << 11 << QList<int>{10, 5, 1, 1} << 2;
    QTest::newRow("round 3 from 9, one card") << 3 << 9 << QList<int>{9, 9, 1, 1} << 1;
}

void tst_play::cpuDealAndReveal()
{
    QFETCH(int, round);
    QFETCH(int, start);
    QFETCH(QList<int>, values);
    QFETCH(int, n);
    Game game;
    Dorvek &w = *game.window;
    std::vector<int> leading(start, 10);
    leading.insert(leading.end(), values.begin(), values.end());
    putDeck(deckWithValues(leading));
    Play_mode = MODE_FREE_PLAY;
    Round_count = round;
    buf_last_card2 = round == 2 ? start : 0;
    buf_last_card3 = round == 3 ? start : 0;
    buf_player_card2 = 77;
    card[0] = card[1] = card[2] = card[3] = -1;
    for (QLabel *place : cpuPlaces(w))
        w.card_show(52, 0, place);
    game.trace.take();

    w.cpu_close_card_cpu();
    QCOMPARE(shownCards(cpuPlaces(w)), n);
    for (int k = 0; k < n; ++k)
        QCOMPARE(pictureOf(cpuPlaces(w)[k]), pictureFile("gazo/UB0.png"));
    const std::string dealt = game.trace.take();
    if (round == 1 && n == 4) {
        // Only card_cpu()'s own block, once: nothing kept, nothing traced.
        QCOMPARE(dealt, std::string("cpu_close_card_cpu\n====card cpu start=====\n"
                                    "======card_cpu() Round_count=1======\n"));
        QCOMPARE(card[0], -1);
        QCOMPARE(buf_player_card, 4);
    } else {
        for (int k = 0; k < n; ++k)
            QCOMPARE(card[k], buf_card[start + k]);
        QCOMPARE(round == 2 ? buf_player_card2 : buf_player_card3, start + n);
    }
    if (round == 3 && n == 2)
        QVERIFY(dealt.find("======2-3-2:buf_player_card2=77======\n") != std::string::npos);
    QCOMPARE(game.clock.pendingCount("PLAYER_turn_show"), 1);

    w.card_draw_cpu();
    QCOMPARE(shownCards(cpuPlaces(w)), n);
    for (int k = 0; k < n; ++k) {
        const int code = buf_card[start + k];
        QVERIFY(pictureOf(cpuPlaces(w)[k]) != pictureFile("gazo/UB0.png"));
        QCOMPARE(pictureOf(cpuPlaces(w)[k]), pictureOf([&] {
                     auto *probe = new QLabel(&w);
                     w.card_show(code, 1, probe);
                     return probe;
                 }()));
    }
    QCOMPARE(game.clock.pendingCount("result_screen_show"), 1);
}

void tst_play::automaticPlayer_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("cpuTotal");
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("playerTotal");
    QTest::newRow("ends over 15") << QList<int>{10, 5, 9, 3, 4, 2, 8} << 15 << 4 << 18;
    QTest::newRow("two examined go over") << QList<int>{6, 6, 6, 9, 8, 1, 1} << 12 << 1 << 6;
    QTest::newRow("examined total 15") << QList<int>{10, 5, 2, 4, 4, 4, 3} << 15 << 4 << 14;
    QTest::newRow("examined total 14") << QList<int>{10, 5, 2, 4, 4, 4, 2} << 15 << 3 << 10;
}

void tst_play::automaticPlayer()
{
    QFETCH(QList<int>, values);
    QFETCH(int, taken);
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues(std::vector<int>(values.begin(), values.end())));
    game.chooseWatching();
    game.clock.runUntil("autoplay_close_drawcard_player");

    QTEST(CPU_card, "cpuTotal");
    QTEST(Player_card, "playerTotal");
    QCOMPARE(shownCards(playerPlaces(w)), taken);
    const int first = buf_player_card - taken;
    for (int k = 0; k < taken; ++k) {
        auto *probe = new QLabel(&w);
        w.card_show(buf_card[first + k], 0, probe);
        QCOMPARE(pictureOf(playerPlaces(w)[k]), pictureOf(probe));
    }
    QCOMPARE(game.clock.runUntil("cpu_open_card_show_screen"), 13800);
}

void tst_play::automaticPlayerOutsideRoundOne()
{
    Game game;
    Dorvek &w = *game.window;
    Play_mode = MODE_WATCHING;
    Round_count = 2;
    card[0] = 33;
    buf_player_card = 3;
    game.trace.take();
    w.autoplay_close_drawcard_player();
    const std::string text = game.trace.take();
    QVERIFY(text.find("----------cpu_close_card_cpu()----------------\nReigai card[0]=33\n"
                      "----------cpu_close_card_cpu()----------------\n")
            != std::string::npos);
    QCOMPARE(buf_player_card, 3);
    QCOMPARE(Player_card, 0);
    QCOMPARE(shownCards(playerPlaces(w)), 0);
    QCOMPARE(game.clock.pendingCount("cpu_open_card_show_screen"), 1);
}

// A run of days keeps revealing cards; the log must stay inside its 55 entries.
void tst_play::revealLogStopsWhenFull()
{
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues({1, 2, 3, 4, 5}));
    Play_mode = MODE_FREE_PLAY;
    Round_count = 1;
    for (int reveal = 0; reveal < 20; ++reveal) {
        w.card_draw_cpu();
        QVERIFY(buf_score_index <= REVEAL_LOG_SIZE);
    }
    QCOMPARE(buf_score_index, REVEAL_LOG_SIZE);
    QCOMPARE(buf_score_count[REVEAL_LOG_SIZE - 1], 1 + 2 + 3 + 4);
    game.trace.take();
    w.card_draw_cpu();
    QVERIFY(game.trace.take().find("cpu open4-1 card[55]=10\n") != std::string::npos);
}

void tst_play::twoMatchesInARow()
{
    Game game;
    Dorvek &w = *game.window;
    std::vector<int> inOrder(52);
    std::iota(inOrder.begin(), inOrder.end(), 0);
    ScriptedRandom fixed(inOrder);
    putDeck(deckWithValues({1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8}));
    game.chooseFreePlay();
    for (int round = 1; round <= 3; ++round) {
        game.untilPlayerTurn();
        w.button_get_card->click();
        w.button_stop_card->click();
    }
    game.clock.runUntil("Gameover_unshow");
    const int countAfterFirst = count;
    const int logAfterFirst = buf_score_index;
    QVERIFY(logAfterFirst > 0);

    // Reshuffled with the numbers 0 to 51: 52, 51, 3, 4, ... 49, 2, 1, 50.
    QCOMPARE(buf_card[0], 52);
    QCOMPARE(buf_card[1], 51);
    QCOMPARE(buf_card[2], 3);
    QCOMPARE(buf_card[51], 50);
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:0 CPU=0,Player=0,tie=0"));

    game.clock.advance(3000);
    w.action_free_play->trigger();
    QCOMPARE(w.label_score->text(), QStringLiteral("Round:1 CPU=0,Player=0,tie=0"));
    QCOMPARE(get_card_button_count, 0);
    game.trace.take();
    game.clock.runUntil("cpu_close_card_cpu");
    // Two picture cards: the CPU holds one, and the deal's counter goes on
    // from where the first match left it.
    QVERIFY(game.trace.take().find("1-1:count=" + std::to_string(countAfterFirst) + ",")
            != std::string::npos);
    QCOMPARE(count, 1);
    game.untilPlayerTurn();
    w.button_stop_card->click();
    QCOMPARE(buf_score_index, logAfterFirst + 2);
    QCOMPARE(CPU_card, 10);
    QCOMPARE(Player_card, 10);
}

void tst_play::demonstrationScript()
{
    Game game;
    Dorvek &w = *game.window;
    const struct
    {
        qint64 time;
        const char *text;
        int cpuCards, playerCards;
    } steps[] = {
        {10000, "I am Mirrit", 0, 0},
        {20000, "This game approximate cards to 15 game", 0, 0},
        {30000, "Let's start", 0, 0},
        {40000, "what are CPU cards", 3, 0},
        {52000, "Player cards are 12", 3, 3},
        {64000, "CPU cards opens", 3, 3},
        {66000, "CPU cards opens", 3, 3},
        {78500, "CPU cards is 10", 3, 3},
        {91000, "CPU cards is 10 and Player cards is 12", 3, 3},
        {103500, "Player win", 3, 3},
        {117000, "Next Play is you", 3, 3},
        {130500, "Next Play is you", 0, 0},
    };
    const SpeechLog speech;
    QStringList heard; // each new message, as a screen reader should say it
    QString before;
    for (int run = 0; run < 2; ++run) {
        const qint64 offset = run * 300500;
        for (const auto &step : steps) {
            game.clock.advanceTo(offset + step.time - 1);
            QCOMPARE(w.label_message->text(), before);
            game.clock.advanceTo(offset + step.time);
            QCoreApplication::processEvents();
            if (before != QLatin1String(step.text))
                heard << QLatin1String(step.text);
            before = QLatin1String(step.text);
            QCOMPARE(w.label_message->text(), before);
            QVERIFY(w.label_message->isVisibleTo(&w));
            QCOMPARE(shownCards(cpuPlaces(w)), step.cpuCards);
            QCOMPARE(shownCards(playerPlaces(w)), step.playerCards);
            QCOMPARE(game.clock.pendingCount(), 1);
            // The cards bear the messages out: backs until the CPU's are
            // turned over, then its 10 against the player's 12.
            const bool turned = step.time >= 66000;
            if (step.cpuCards > 0 && !turned)
                QCOMPARE(shownBacks(cpuPlaces(w)), step.cpuCards);
            if (step.cpuCards > 0 && turned)
                QCOMPARE(shownTotal(cpuPlaces(w), CPU_PICTURES), 10);
            if (step.playerCards > 0)
                QCOMPARE(shownTotal(playerPlaces(w), PLAYER_PICTURES), 12);
            if (step.time == 66000) {
                QCOMPARE(pictureOf(w.label_cpu_card1), pictureFile("gazo/S07D.png"));
                QCOMPARE(pictureOf(w.label_cpu_card3), pictureFile("gazo/S01D.png"));
                QCOMPARE(pictureOf(w.label_player_card1), pictureFile("gazo/S03.png"));
                QCOMPARE(pictureOf(w.label_player_card2), pictureFile("gazo/S08.png"));
            }
        }
    }
    QVERIFY(game.sounds.played().isEmpty());
    QCOMPARE(speech.said(), heard);
}

void tst_play::modeChosenDuringTheDemonstration_data()
{
    QTest::addColumn<qint64>("chosenAt");
    QTest::addColumn<bool>("freePlay");
    QTest::newRow("before the first text") << qint64(4000) << true;
    QTest::newRow("while the CPU's faces are pending") << qint64(65000) << false;
    QTest::newRow("during the rest") << qint64(200000) << true;
}

void tst_play::modeChosenDuringTheDemonstration()
{
    QFETCH(qint64, chosenAt);
    QFETCH(bool, freePlay);
    Game game;
    Dorvek &w = *game.window;
    game.clock.advanceTo(chosenAt);
    freePlay ? game.chooseFreePlay() : game.chooseWatching();
    QVERIFY(!w.label_message->isVisibleTo(&w));
    QCOMPARE(shownCards(cpuPlaces(w)), 0);
    QCOMPARE(shownCards(playerPlaces(w)), 0);

    game.clock.runUntil("cpu_close_card_cpu");
    const int cpuCards = shownCards(cpuPlaces(w));
    // Whatever demonstration step was pending fires now or later and leaves
    // the match's table and the message panel alone.
    game.clock.advanceTo(chosenAt + 20000);
    QVERIFY(!w.label_message->isVisibleTo(&w));
    QVERIFY(!game.clock.timerArmed(w.timer_demo));
    for (const SimClock::Fired &fired : game.clock.history()) {
        if (fired.time > chosenAt && fired.slot.startsWith("demo_"))
            QCOMPARE(fired.time <= chosenAt + 13500, true);
    }
    QCOMPARE(shownCards(cpuPlaces(w)), cpuCards);
    if (chosenAt < 10000)
        QVERIFY(w.label_message->text().isEmpty());
}

// The rest's pending first step must not start a second run beside the one
// that follows the match.
void tst_play::matchEndingDuringTheRestStartsOneRun()
{
    Game game;
    Dorvek &w = *game.window;
    putDeck(deckWithValues({10, 5, 9, 3, 4, 2, 8}));
    game.clock.advanceTo(140000);
    QCOMPARE(game.clock.pendingCount("demo_talk1"), 1);
    game.chooseWatching();
    const qint64 resumed = game.clock.runUntil("demo_talk1");
    QCOMPARE(resumed, 140000 + 33500);
    QCOMPARE(w.label_message->text(), QStringLiteral("I am Mirrit"));
    const qint64 end = resumed + 2 * 300500;
    while (game.clock.now() < end) {
        QVERIFY(game.clock.pendingCount() <= 1);
        game.clock.runNext();
    }
    int runs = 0;
    for (const SimClock::Fired &fired : game.clock.history())
        runs += fired.time >= resumed && fired.slot == "demo_talk1";
    QCOMPARE(runs, 3);
}

// Each step empties the places its rules list, in their order; nothing on
// screen would show a change of order, so only this catches one.
void tst_play::placesEmptyInOrder_data()
{
    QTest::addColumn<QByteArray>("step");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("emptied");
    const int free = MODE_FREE_PLAY, watching = MODE_WATCHING;
    // Decks on which the CPU holds one, two, three and four cards.
    const QList<int> decks[] = {{10, 6}, {10, 5, 1}, {5, 5, 5, 1}, {1, 2, 3, 4}};
    const struct
    {
        const char *step;
        int mode;
        const char *emptied[4];
    } reveals[] = {
        {"cpu_close_card_cpu", free, {"c4 c3 c2", "c4 c3", "c4", ""}},
        {"card_draw_cpu", free, {"c2 c3 c4", "c3", "c4", ""}},
        {"cpu_open_card", watching, {"c4 c3 c2", "c3 c4", "c4", ""}},
    };
    for (const auto &reveal : reveals) {
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("%s, %d cards", reveal.step, n)
                << QByteArray(reveal.step) << reveal.mode << decks[n - 1] << reveal.emptied[n - 1];
    }
    const QList<int> four = decks[3];
    QTest::newRow("autoplay one") << QByteArray("autoplay_close_drawcard_player") << watching
                                  << QList<int>{6, 6, 6, 9, 8} << "p4 p3 p2";
    QTest::newRow("autoplay three") << QByteArray("autoplay_close_drawcard_player") << watching
                                    << QList<int>{6, 6, 6, 4, 4, 4, 2} << "p4";
    const QString hands = "c1 c2 c3 c4 p1 p2 p3 p4";
    const QString table = "c1 c2 c3 c4 cs p1 p2 p3 p4 ps";
    QTest::newRow("result cleared")
        << QByteArray("result_screen_all_clear") << free << four << table;
    QTest::newRow("game over") << QByteArray("Gameover_unshow") << free << four << table;
    QTest::newRow("watching chosen") << QByteArray("Watching_mode") << MODE_DEMO << four << hands;
    QTest::newRow("free play chosen") << QByteArray("three_atack") << MODE_DEMO << four << hands;
    QTest::newRow("demonstration rests") << QByteArray("demo_talk8") << MODE_DEMO << four << hands;
}

void tst_play::placesEmptyInOrder()
{
    QFETCH(QByteArray, step);
    QFETCH(int, mode);
    QFETCH(QList<int>, values);
    Game game;
    putDeck(deckWithValues(std::vector<int>(values.begin(), values.end())));
    Play_mode = mode;
    Round_count = mode == MODE_DEMO ? 0 : 1;
    buf_player_card = 2;
    EmptyingLog log(*game.window);
    QVERIFY(QMetaObject::invokeMethod(game.window.get(), step.constData()));
    QTEST(log.order(), "emptied");
}

QTEST_MAIN(tst_play)
#include "tst_play.moc"
