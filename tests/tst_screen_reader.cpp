// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The table as a screen reader reads it, through Qt's own accessibility
// interfaces, and a match played from the keyboard alone.

#include "match/match_state.h"
#include "support/harness.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

namespace {

QStringList names(const QList<QLabel *> &labels)
{
    QStringList found;
    for (QLabel *label : labels)
        found << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    return found;
}

// The deck starts 10 of hearts, 5 of clubs, so the CPU holds those two and
// the player is dealt the queen of clubs, then the ace of spades and the
// king of diamonds.
std::vector<int> deck()
{
    std::vector<int> codes{49, 18, 25, 1, 39};
    for (int code = 1; code <= 52; ++code) {
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }
    return codes;
}

// A key pressed as a player presses it: it lands on the open menu, the
// focused widget, or else the window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

} // namespace

class tst_screen_reader : public QObject
{
    Q_OBJECT

private slots:
    void namesFollowThePictures_data();
    void namesFollowThePictures();
    void matchFromTheKeyboard();
};

void tst_screen_reader::namesFollowThePictures_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<QStringList>("faceDown");
    QTest::addColumn<QStringList>("dealt");
    QTest::addColumn<QStringList>("revealed");
    QTest::addColumn<QStringList>("deckAndMascot");
    QTest::newRow("English") << false << QStringList{"Face-down card", "Face-down card", "", ""}
                             << QStringList{"Queen of clubs", "Ace of spades", "King of diamonds", ""}
                             << QStringList{"10 of hearts", "5 of clubs", "", ""} << QStringList{"Deck", "Mirrit"};
    QTest::newRow("Japanese") << true << QStringList{"伏せたカード", "伏せたカード", "", ""}
                              << QStringList{"クラブのクイーン", "スペードのエース", "ダイヤのキング", ""}
                              << QStringList{"ハートの10", "クラブの5", "", ""} << QStringList{"山札", "ミリット"};
}

// A free-play round from the deal to the cleared table, read place by place.
void tst_screen_reader::namesFollowThePictures()
{
    QFETCH(bool, japanese);
    QTranslator translator;
    if (japanese) {
        QVERIFY(translator.load(QStringLiteral("Dorvek_ja.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    Game g;
    Dorvek &w = *g.window;
    const QList<QLabel *> cpu{w.label_cpu_card1, w.label_cpu_card2, w.label_cpu_card3, w.label_cpu_card4};
    const QList<QLabel *> player{w.label_player_card1, w.label_player_card2, w.label_player_card3,
                                 w.label_player_card4};
    put_deck(deck());
    g.chooseFreePlay();
    g.untilPlayerTurn();
    w.button_get_card->click();
    w.button_get_card->click();

    QTEST(names(cpu), "faceDown");
    QTEST(names(player), "dealt");
    QTEST(names({w.label_deck, w.label_mascot_b}), "deckAndMascot");
    w.button_stop_card->click();
    QTEST(names(cpu), "revealed");

    g.clock.runUntil("second_round");
    QCOMPARE(names(cpu + player), QStringList(8, QString()));
}

// The menu opens with its Alt letter; then focus waits on "more Get card"
// when each turn begins, Tab and Space do the rest, and between turns the
// keys reach nothing.
void tst_screen_reader::matchFromTheKeyboard()
{
    Game g;
    Dorvek &w = *g.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    press(Qt::Key_G, Qt::AltModifier);
    QCOMPARE(QApplication::activePopupWidget(), w.menu_game);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(Play_mode, int(MODE_FREE_PLAY));

    for (int round = 1; round <= 3; ++round) {
        g.untilPlayerTurn();
        QCOMPARE(QApplication::focusWidget(), w.button_get_card);
        press(Qt::Key_Space);
        QVERIFY(!w.label_player_card2->pixmap().isNull());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.button_stop_card);
        press(Qt::Key_Space);
        QVERIFY(!w.button_stop_card->isEnabled());

        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(get_card_button_count, 0);
        QVERIFY(w.label_player_card3->pixmap().isNull());
    }
    QVERIFY(g.clock.runUntil("Gameover_show") > 0);
}

QTEST_MAIN(tst_screen_reader)
#include "tst_screen_reader.moc"
