// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_rules.h"
#include "cpu/lookahead.h"
#include "match/judgement.h"

#include <QtTest>

#include <algorithm>
#include <numeric>
#include <random>

Q_DECLARE_METATYPE(Deck)
Q_DECLARE_METATYPE(Winner)

namespace {

Deck countingFrom(int first)
{
    Deck deck;
    std::iota(deck.begin(), deck.end(), first);
    return deck;
}

} // namespace

class tst_rules : public QObject
{
    Q_OBJECT

private slots:
    void cardValue_data();
    void cardValue();
    void mixedDeck_data();
    void mixedDeck();
    void mixedDeckIsAlwaysAPermutation();
    void lookAhead_data();
    void lookAhead();
    void judgeRound_data();
    void judgeRound();
    void judgeMatch_data();
    void judgeMatch();
};

void tst_rules::cardValue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    const struct
    {
        int code, value;
    } cases[] = {
        {1, 1},   {14, 1},  {27, 1},  {40, 1},  {2, 2},   {31, 5},  {9, 9},   {22, 9},
        {35, 9},  {48, 9},  {10, 10}, {11, 10}, {12, 10}, {13, 10}, {23, 10}, {26, 10},
        {36, 10}, {39, 10}, {49, 10}, {52, 10}, {0, 0},   {-1, 0},  {53, 0},  {1000, 0},
    };
    for (const auto &c : cases)
        QTest::addRow("code %d", c.code) << c.code << c.value;
}

void tst_rules::cardValue()
{
    QFETCH(int, code);
    QTEST(::cardValue(code), "value");
}

void tst_rules::mixedDeck_data()
{
    QTest::addColumn<Deck>("randomNumbers");
    QTest::addColumn<Deck>("expected");

    Deck allSeven;
    allSeven.fill(7);
    Deck rotated = countingFrom(2);
    rotated[51] = 1;
    QTest::newRow("all numbers equal: only the rotation") << allSeven << rotated;

    Deck inOrder = countingFrom(0);
    Deck expected = countingFrom(1);
    expected[0] = 52;
    expected[1] = 51;
    expected[49] = 2;
    expected[50] = 1;
    expected[51] = 50;
    QTest::newRow("0 to 51 in order") << inOrder << expected;

    Deck lastIsOne{};
    lastIsOne[51] = 1;
    Deck oneThenThree = countingFrom(2);
    oneThenThree[0] = 1;
    for (int i = 1; i < 51; ++i)
        oneThenThree[i] = i + 2;
    oneThenThree[51] = 2;
    QTest::newRow("only r52 is 1") << lastIsOne << oneThenThree;

    // r2 = 1 meets a 0 in 51 exchanges as i and in 48 as j: an odd number again.
    Deck secondIsOne{};
    secondIsOne[1] = 1;
    QTest::newRow("only r2 is 1") << secondIsOne << oneThenThree;
}

void tst_rules::mixedDeck()
{
    QFETCH(Deck, randomNumbers);
    QTEST(::mixedDeck(randomNumbers), "expected");
}

void tst_rules::mixedDeckIsAlwaysAPermutation()
{
    std::mt19937 generator(20261207);
    std::uniform_int_distribution<int> position(0, 51);
    const Deck ordered = countingFrom(1);
    for (int run = 0; run < 300; ++run) {
        Deck numbers;
        for (int &n : numbers)
            n = position(generator);
        Deck deck = ::mixedDeck(numbers);
        std::sort(deck.begin(), deck.end());
        QCOMPARE(deck, ordered);
    }
}

// The two look-aheads at the next four card values: how many cards the CPU
// holds, and how many the automatic player takes.
using LookAhead = int (*)(int, int, int, int);
Q_DECLARE_METATYPE(LookAhead)

void tst_rules::lookAhead_data()
{
    QTest::addColumn<LookAhead>("rule");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("cards");
    const LookAhead cpu = &::cpuHoldCount, autoPlayer = &::autoPlayerTakeCount;
    QTest::newRow("CPU: two already over") << cpu << QList<int>{10, 6, 1, 1} << 1;
    QTest::newRow("CPU: two picture cards") << cpu << QList<int>{10, 10, 1, 1} << 1;
    QTest::newRow("CPU: 15 with two, over with three") << cpu << QList<int>{10, 5, 1, 1} << 2;
    QTest::newRow("CPU: four small cards, no fifth") << cpu << QList<int>{1, 2, 3, 4} << 4;
    QTest::newRow("CPU: four making exactly 15") << cpu << QList<int>{5, 5, 4, 1} << 4;
    QTest::newRow("CPU: three making 15, four over") << cpu << QList<int>{5, 5, 5, 1} << 3;
    QTest::newRow("CPU: three under, fourth over") << cpu << QList<int>{2, 3, 4, 10} << 3;
    QTest::newRow("auto: two over") << autoPlayer << QList<int>{9, 8, 1, 1} << 1;
    QTest::newRow("auto: two making exactly 15, three over")
        << autoPlayer << QList<int>{10, 5, 1, 1} << 2;
    QTest::newRow("auto: three over") << autoPlayer << QList<int>{6, 6, 6, 1} << 2;
    QTest::newRow("auto: three making exactly 15") << autoPlayer << QList<int>{5, 5, 5, 1} << 4;
    QTest::newRow("auto: four total 14") << autoPlayer << QList<int>{4, 4, 4, 2} << 3;
    QTest::newRow("auto: four total exactly 15") << autoPlayer << QList<int>{4, 4, 4, 3} << 4;
    QTest::newRow("auto: four over 15") << autoPlayer << QList<int>{3, 4, 2, 8} << 4;
}

void tst_rules::lookAhead()
{
    QFETCH(LookAhead, rule);
    QFETCH(QList<int>, values);
    QTEST(rule(values[0], values[1], values[2], values[3]), "cards");
}

void tst_rules::judgeRound_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("player");
    QTest::addColumn<Winner>("winner");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("otherWentOver");
    const struct
    {
        int cpu, player;
        Winner winner;
        int points;
        bool over;
    } cases[] = {
        {15, 14, Winner::Cpu, 40, false},    {14, 3, Winner::Cpu, 25, false},
        {13, 12, Winner::Cpu, 20, false},    {12, 1, Winner::Cpu, 15, false},
        {11, 10, Winner::Cpu, 10, false},    {10, 9, Winner::Cpu, 5, false},
        {9, 7, Winner::Cpu, 5, false},       {12, 15, Winner::Player, 40, false},
        {13, 14, Winner::Player, 25, false}, {8, 13, Winner::Player, 20, false},
        {2, 12, Winner::Player, 15, false},  {0, 11, Winner::Player, 10, false},
        {5, 8, Winner::Player, 5, false},    {18, 14, Winner::Player, 5, true},
        {18, 15, Winner::Player, 0, true},   {20, 17, Winner::Player, 0, true},
        {3, 18, Winner::Cpu, 5, true},       {16, 19, Winner::Cpu, 0, true},
        {15, 16, Winner::Cpu, 0, true},      {17, 17, Winner::Tie, 0, false},
        {12, 12, Winner::Tie, 0, false},     {0, 0, Winner::Tie, 0, false},
    };
    for (const auto &c : cases)
        QTest::addRow("CPU %d, player %d", c.cpu, c.player)
            << c.cpu << c.player << c.winner << c.points << c.over;
}

void tst_rules::judgeRound()
{
    QFETCH(int, cpu);
    QFETCH(int, player);
    const RoundJudgement result = ::judgeRound(cpu, player);
    QTEST(result.winner, "winner");
    QTEST(result.points, "points");
    QTEST(result.otherWentOver, "otherWentOver");
}

void tst_rules::judgeMatch_data()
{
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("player");
    QTest::addColumn<Winner>("winner");
    QTest::newRow("CPU ahead") << 50 << 10 << Winner::Cpu;
    QTest::newRow("player ahead by 5") << 40 << 45 << Winner::Player;
    QTest::newRow("level at 45") << 45 << 45 << Winner::Tie;
    QTest::newRow("nobody scored") << 0 << 0 << Winner::Tie;
}

void tst_rules::judgeMatch()
{
    QFETCH(int, cpu);
    QFETCH(int, player);
    QTEST(::judgeMatch(cpu, player), "winner");
}

QTEST_APPLESS_MAIN(tst_rules)
#include "tst_rules.moc"
