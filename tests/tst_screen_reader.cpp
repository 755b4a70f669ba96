// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A round played from the keyboard and read the way a screen reader reads
// it, through Qt's accessibility interfaces.

#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/match_state.h"
#include "support/harness.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QtTest>

class tst_screen_reader : public QObject
{
    Q_OBJECT

private slots:
    void keyboardRoundReadAloud_data();
    void keyboardRoundReadAloud();
    void roundSpokenAsItHappens_data();
    void roundSpokenAsItHappens();
    void focusNeverLeftOnDisabledButton();
    void demonstrationQuietWhileChoosing_data();
    void demonstrationQuietWhileChoosing();
    void noNamelessImage_data();
    void noNamelessImage();
};

namespace {

// Runs the game's steps up to and including `slot`, letting the window
// speak after each one as the event loop would; false if the chain ends
// before it.
bool speakUntil(Game &g, const QByteArray &slot)
{
    do {
        if (!g.clock.runNext())
            return false;
        QCoreApplication::processEvents();
    } while (g.clock.history().constLast().slot != slot);
    return true;
}

} // namespace

void tst_screen_reader::keyboardRoundReadAloud_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QStringList>("duringTurn"); // the CPU's places, the player's, deck, mascot
    QTest::addColumn<QStringList>("revealed");
    QTest::newRow("English")
        << QString()
        << QStringList{"Face-down card", "Face-down card",   "", "",     "Queen of clubs",
                       "Ace of spades",  "King of diamonds", "", "Deck", "Mirrit"}
        << QStringList{"10 of hearts", "5 of clubs", "", ""};
    QTest::newRow("Japanese")
        << "Dorvek_ja.qm"
        << QStringList{"伏せたカード",     "伏せたカード",   "", "",     "クラブのクイーン",
                       "スペードのエース", "ダイヤのキング", "", "山札", "ミリット"}
        << QStringList{"ハートの10", "クラブの5", "", ""};
}

// The CPU holds the 10 of hearts and the 5 of clubs; the player is dealt
// the queen of clubs, draws twice with Space, tabs to "Stop card" and
// stops. Once the table is cleared no place has a name left. Only the
// first five cards of the deck come into play.
void tst_screen_reader::keyboardRoundReadAloud()
{
    QFETCH(QString, translation);
    const ScopedTranslation language(translation);
    QVERIFY(language.isLoaded());
    Game g;
    Dorvek &w = *g.window;
    const QList<QLabel *> cpu = cpuPlaces(w), player = playerPlaces(w);
    auto names = [](const QList<QLabel *> &labels) {
        QStringList found;
        for (QLabel *label : labels)
            found << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        return found;
    };
    putDeck({49, 18, 25, 1, 39});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    g.chooseFreePlay();
    g.untilPlayerTurn();

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Space, Qt::Key_Tab})
        QTest::keyClick(QApplication::focusWidget(), key);
    QTEST(names(cpu + player + QList<QLabel *>{w.label_deck, w.label_mascot_b}), "duringTurn");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!w.button_stop_card->isEnabled());
    QTEST(names(cpu), "revealed");

    g.clock.runUntil("second_round");
    QCOMPARE(names(cpu + player), QStringList(8, QString()));
}

void tst_screen_reader::roundSpokenAsItHappens_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("watching");
    QTest::addColumn<QStringList>("expected");
    // From Qt 6.8 a drawn card is heard as the focused button's new description.
    const QStringList drawn = QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
                                  ? QStringList{"Ace of spades, total 11",
                                                "King of diamonds, total 21"}
                                  : QStringList();
    QTest::newRow("free play")
        << QString() << false
        << QStringList{"Round1", "It's CPU play now", "CPU cards face down: 2. It's your play now"}
               + drawn
               + QStringList{
                   "CPU cards: 10 of hearts, 5 of clubs, total 15. CPU 15, you 21. CPU Win. "
                   "Round 1: CPU 0, you 0, ties 0"};
    QTest::newRow("watching")
        << QString() << true
        << QStringList{"Round1",
                       "It's CPU play now",
                       "CPU cards face down: 2. It's your play now",
                       "Player cards: Queen of clubs, Ace of spades, total 11",
                       "CPU card open",
                       "CPU cards: 10 of hearts, 5 of clubs, total 15. CPU 15, you 11. CPU Win. "
                       "Round 1: CPU 40, you 0, ties 0"};
    QTest::newRow("watching, in Japanese")
        << "Dorvek_ja.qm" << true
        << QStringList{"第1ラウンド",
                       "CPUの番です",
                       "CPUの伏せたカード: 2枚。あなたの番です",
                       "プレイヤーのカード: クラブのクイーン、スペードのエース、合計 11",
                       "CPUのカードを公開",
                       "CPUのカード: ハートの10、クラブの5、合計 15。CPU 15、あなた 11。CPUの勝ち。"
                       "第1ラウンド: CPU 40点、あなた 0点、引き分け 0回"};
}

// The round of the test above, heard rather than reviewed: every card
// and total reaches the screen reader as it comes, and the buttons tell the
// hand that the focus is on.
void tst_screen_reader::roundSpokenAsItHappens()
{
    QFETCH(QString, translation);
    QFETCH(bool, watching);
    const ScopedTranslation language(translation);
    QVERIFY(language.isLoaded());
    const SpeechLog speech;
    Game g;
    Dorvek &w = *g.window;
    putDeck({49, 18, 25, 1, 39, 52, 52, 52, 52});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (watching) {
        g.chooseWatching();
        QVERIFY(speakUntil(g, "cpu_open_card"));
    } else {
        g.chooseFreePlay();
        QVERIFY(speakUntil(g, "player_turn"));
        QCOMPARE(w.button_get_card->accessibleDescription(), "Queen of clubs, total 10");
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCoreApplication::processEvents();
        }
        QCOMPARE(w.button_stop_card->accessibleDescription(),
                 "Queen of clubs, Ace of spades, King of diamonds, total 21");
        QVERIFY(speakUntil(g, "result_screen_show"));
    }
    QTEST(speech.said(), "expected");
}

// Where the buttons go dark the focus moves on to something that still
// answers where-am-I, after each stop and after the match.
void tst_screen_reader::focusNeverLeftOnDisabledButton()
{
    Game g;
    Dorvek &w = *g.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    g.chooseFreePlay();
    auto focusAnswers = [] {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus->isEnabled()
               && !QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name).isEmpty();
    };
    for (int round = 1; round <= 3; ++round) {
        g.untilPlayerTurn();
        QCOMPARE(QApplication::focusWidget(), w.button_get_card);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY2(focusAnswers(), qPrintable(QString("after the stop of round %1").arg(round)));
    }
    g.clock.runUntil("demo_talk1");
    QVERIFY(focusAnswers());
}

// What the player may be choosing from while the demonstration goes on.
enum class Open { Nothing, GameMenu, MenuBar, Settings, Version, CloseQuestion };

void tst_screen_reader::demonstrationQuietWhileChoosing_data()
{
    QTest::addColumn<Open>("open");
    QTest::newRow("nothing open") << Open::Nothing;
    QTest::newRow("Game menu walked") << Open::GameMenu;
    QTest::newRow("menu bar from the keyboard") << Open::MenuBar;
    QTest::newRow("settings") << Open::Settings;
    QTest::newRow("version") << Open::Version;
    QTest::newRow("close question") << Open::CloseQuestion;
}

// The demonstration's first two messages fall due while the player is in a
// menu or a dialog: the panel shows them, the screen reader is given
// neither, then or later, and the next message is heard again.
void tst_screen_reader::demonstrationQuietWhileChoosing()
{
    QFETCH(Open, open);
    const SpeechLog speech;
    Game g;
    Dorvek &w = *g.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto twoMessages = [&] {
        for (qint64 time : {10000, 15000, 20000}) {
            g.clock.advanceTo(time);
            QCoreApplication::processEvents();
            if (QWidget *menu = QApplication::activePopupWidget())
                QTest::keyClick(menu, Qt::Key_Down);
        }
    };
    if (open == Open::CloseQuestion) {
        BoxAnswerer answerer([&](const QMessageBox &) {
            twoMessages();
            return QMessageBox::No;
        });
        w.action_close->trigger();
        QCOMPARE(answerer.seen().size(), 1);
    } else {
        if (open == Open::GameMenu)
            QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
        else if (open == Open::MenuBar)
            QTest::keyClick(&w, Qt::Key_Alt);
        else if (open != Open::Nothing)
            (open == Open::Settings ? w.action_config : w.action_version)->trigger();
        QCOMPARE(QApplication::activePopupWidget(), open == Open::GameMenu ? w.menu_game : nullptr);
        twoMessages();
        w.config_dialog->close();
        w.version_dialog->close();
        if (QWidget *menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(w.menuBar(), Qt::Key_Escape);
    }
    QCOMPARE(w.label_message->text(), "This game approximate cards to 15 game");
    const QStringList both{"I am Mirrit", "This game approximate cards to 15 game"};
    QCOMPARE(speech.said(), open == Open::Nothing ? both : QStringList());
    QVERIFY(!QApplication::activePopupWidget() && !w.menuBar()->hasFocus());
    const qsizetype before = speech.said().size();
    g.clock.advanceTo(30000);
    QCoreApplication::processEvents();
    QCOMPARE(speech.said().mid(before), QStringList{"Let's start"});
}

namespace {

// Every part of the tree below `part`, as a screen reader walks it.
void walk(QAccessibleInterface *part, QList<QAccessibleInterface *> &parts)
{
    parts << part;
    for (int i = 0; i < part->childCount(); ++i) {
        if (QAccessibleInterface *child = part->child(i))
            walk(child, parts);
    }
}

} // namespace

void tst_screen_reader::noNamelessImage_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("free play") << MODE_FREE_PLAY;
    QTest::newRow("watching") << MODE_WATCHING;
    QTest::newRow("demonstration") << MODE_DEMO;
}

// At every step of a match or of the demonstration, every image in the
// window's tree has a name, and every card on the table is in the tree.
void tst_screen_reader::noNamelessImage()
{
    QFETCH(int, mode);
    Game g;
    Dorvek &w = *g.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (mode == MODE_FREE_PLAY)
        g.chooseFreePlay();
    else if (mode == MODE_WATCHING)
        g.chooseWatching();
    const QByteArray last = mode == MODE_DEMO ? "demo_talk8" : "demo_talk1";
    int cardsSeen = 0;
    do {
        QVERIFY(g.clock.runNext());
        const QByteArray step = g.clock.history().constLast().slot;
        if (step == "player_turn") {
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space})
                QTest::keyClick(QApplication::focusWidget(), key);
        }
        QList<QAccessibleInterface *> parts;
        walk(QAccessible::queryAccessibleInterface(&w), parts);
        QSet<QObject *> found;
        for (QAccessibleInterface *part : std::as_const(parts)) {
            QVERIFY2(part->role() != QAccessible::Graphic
                         || !part->text(QAccessible::Name).isEmpty(),
                     qPrintable("a nameless image after " + step));
            found << part->object();
        }
        for (QLabel *place : cpuPlaces(w) + playerPlaces(w)) {
            const bool shows = !place->pixmap().isNull();
            QVERIFY2(shows == found.contains(place), qPrintable("a card place after " + step));
            cardsSeen += shows;
        }
    } while (g.clock.history().constLast().slot != last);
    QVERIFY(cardsSeen > 0);
}

QTEST_MAIN(tst_screen_reader)
#include "tst_screen_reader.moc"
