// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cards/card_name.h"
#include "cards/card_rules.h"
#include "services/pictures.h"
#include "services/screen_reader.h"

#include <QLabel>

#include <iterator>

QString cardName(int code)
{
    static const char *const suits[] = {
        QT_TRANSLATE_NOOP("Dorvek", "%1 of spades"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of clubs"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of diamonds"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of hearts"),
    };
    // clang-format off
    static const char *const ranks[] = {
        QT_TRANSLATE_NOOP("Dorvek", "Ace"), "2", "3", "4", "5", "6", "7", "8", "9", "10",
        QT_TRANSLATE_NOOP("Dorvek", "Jack"), QT_TRANSLATE_NOOP("Dorvek", "Queen"),
        QT_TRANSLATE_NOOP("Dorvek", "King"),
    };
    // clang-format on
    if (code == 0)
        return Dorvek::tr("Face-down card");
    if (code < 1 || code > 52)
        return {};
    return Dorvek::tr(suits[cardSuit(code)]).arg(Dorvek::tr(ranks[cardRank(code) - 1]));
}

namespace {

void showPicture(const SuitBlock &suit, int code, int set, QLabel *label)
{
    const std::string file = cardPictureFile(suit, code, set);
    if (file.empty())
        return;
    Pictures::show(label, QString::fromStdString(file));
    ScreenReader::namePicture(label, cardName(code));
}

} // namespace

void Dorvek::card_spade_show(int x, int y, QLabel *label)
{
    showPicture(SPADES, x, y, label);
}

void Dorvek::card_club_show(int x, int y, QLabel *label)
{
    showPicture(CLUBS, x, y, label);
}

void Dorvek::card_daiya_show(int x, int y, QLabel *label)
{
    showPicture(DIAMONDS, x, y, label);
}

void Dorvek::card_hurt_show(int x, int y, QLabel *label)
{
    showPicture(HEARTS, x, y, label);
}

void Dorvek::card_show(int x, int y, QLabel *label)
{
    using Routine = void (Dorvek::*)(int, int, QLabel *);
    static constexpr Routine routines[] = {&Dorvek::card_spade_show, &Dorvek::card_club_show,
                                           &Dorvek::card_daiya_show, &Dorvek::card_hurt_show};
    static_assert(std::size(routines) == std::size(SUITS));
    if (const SuitBlock *suit = suitRoutine(x))
        (this->*routines[suit - SUITS])(x, y, label);
}
