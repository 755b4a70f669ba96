// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cards/card_rules.h"
#include "cards/random_source.h"
#include "match/match_state.h"
#include "services/trace.h"

#include <cstdlib>

namespace {

RandomSource &random_source()
{
    static RandomSource source;
    return source;
}

// Two entries on the first line, then four to a line; the last pair is left
// unterminated and whatever is printed next continues it.
void traceDeck()
{
    for (int i = 0; i < DECK_SIZE; ++i) {
        trace("buf_card[%d]=%d,", i, buf_card[i]);
        if (i % 4 == 1)
            trace("\n");
    }
}

} // namespace

int nextRandom()
{
    return random_source() ? random_source()() : std::rand();
}

void setRandomSource(RandomSource source)
{
    random_source() = std::move(source);
}

int Dorvek::return_card_cpu(int code)
{
    return cardValue(code);
}

void Dorvek::array_shuffle()
{
    for (int i = 0; i < DECK_SIZE; ++i)
        buf_card[i] = i + 1;
    traceDeck();

    int *const numbers[DECK_SIZE] = {
        &r1,  &r2,  &r3,  &r4,  &r5,  &r6,  &r7,  &r8,  &r9,  &r10, &r11, &r12, &r13,
        &r14, &r15, &r16, &r17, &r18, &r19, &r20, &r21, &r22, &r23, &r24, &r25, &r26,
        &r27, &r28, &r29, &r30, &r31, &r32, &r33, &r34, &r35, &r36, &r37, &r38, &r39,
        &r40, &r41, &r42, &r43, &r44, &r45, &r46, &r47, &r48, &r49, &r50, &r51, &r52,
    };
    Deck drawn;
    for (int i = 0; i < DECK_SIZE; ++i) {
        // Kept in 0..51 even if a random source yields a negative number.
        const int number = nextRandom() % DECK_SIZE;
        *numbers[i] = drawn[i] = number < 0 ? number + DECK_SIZE : number;
    }

    trace("-------array_shuffle()--------\n");
    trace("r1=%d,r2=%d,r3=%d,r4=%d,r5=%d,r6=%d,r7=%d,r8=%d,r9=%d,r10=%d\n", r1, r2, r3, r4, r5, r6,
          r7, r8, r9, r10);
    trace("r11=%d,r12=%d,r13=%d,r14=%d,r15=%d,r16=%d,r17=%d,r18=%d,r19=%d,r20=%d\n", r11, r12, r13,
          r14, r15, r16, r17, r18, r19, r20);
    trace("r21=%d,r22=%d,r23=%d,r24=%d,r25=%d,r26=%d,r27=%d,r28=%d,r29=%d,r30=%d\n", r21, r22, r23,
          r24, r25, r26, r27, r28, r29, r30);
    trace("r31=%d,r32=%d,r33=%d,r34=%d,r35=%d,r36=%d,r37=%d,r38=%d,r39=%d,r40=%d\n", r31, r32, r33,
          r34, r35, r36, r37, r38, r39, r40);
    trace("r41=%d,r42=%d,r43=%d,r44=%d,r45=%d,r46=%d,r47=%d,r48=%d,r49=%d,r50=%d\n", r41, r42, r43,
          r44, r45, r46, r47, r48, r49, r50);
    trace("r51=%d,r52=%d\n", r51, r52);

    const Deck shuffled = mixedDeck(drawn);
    for (int i = 0; i < DECK_SIZE; ++i)
        buf_card[i] = shuffled[i];
    traceDeck();
}
