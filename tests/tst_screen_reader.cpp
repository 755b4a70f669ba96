// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A round played from the keyboard and read the way a screen reader reads
// it, through Qt's accessibility interfaces.

#include "support/harness.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class tst_screen_reader : public QObject
{
    Q_OBJECT

private slots:
    void keyboardRoundReadAloud_data();
    void keyboardRoundReadAloud();
};

void tst_screen_reader::keyboardRoundReadAloud_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QStringList>("duringTurn"); // the CPU's places, the player's, deck, mascot
    QTest::addColumn<QStringList>("revealed");
    QTest::newRow("English") << QString()
                             << QStringList{"Face-down card", "Face-down card", "", "", "Queen of clubs",
                                            "Ace of spades", "King of diamonds", "", "Deck", "Mirrit"}
                             << QStringList{"10 of hearts", "5 of clubs", "", ""};
    QTest::newRow("Japanese") << "Dorvek_ja.qm"
                              << QStringList{"伏せたカード", "伏せたカード", "", "", "クラブのクイーン",
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
    QTranslator translator;
    QVERIFY(translation.isEmpty() || translator.load(translation));
    QCoreApplication::installTranslator(&translator);
    Game g;
    Dorvek &w = *g.window;
    const QList<QLabel *> cpu = cpu_places(w), player = player_places(w);
    auto names = [](const QList<QLabel *> &labels) {
        QStringList found;
        for (QLabel *label : labels)
            found << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        return found;
    };
    put_deck({49, 18, 25, 1, 39});
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

QTEST_MAIN(tst_screen_reader)
#include "tst_screen_reader.moc"
