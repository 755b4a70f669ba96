// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cards/card_name.h"
#include "cards/card_rules.h"
#include "services/pictures.h"
#include "services/screen_reader.h"

#include <QLabel>

#include <iterator>

namespace {

void show_picture(const SuitBlock &suit, int code, int set, QLabel *label)
{
    const std::string file = card_picture_file(suit, code, set);
    if (file.empty())
        return;
    pictures::show(label, QString::fromStdString(file));
    screen_reader::name_picture(label, card_name(code));
}

}

void Dorvek::card_spade_show(int x, int y, QLabel *label)
{
    show_picture(SPADES, x, y, label);
}

void Dorvek::card_club_show(int x, int y, QLabel *label)
{
    show_picture(CLUBS, x, y, label);
}

void Dorvek::card_daiya_show(int x, int y, QLabel *label)
{
    show_picture(DIAMONDS, x, y, label);
}

void Dorvek::card_hurt_show(int x, int y, QLabel *label)
{
    show_picture(HEARTS, x, y, label);
}

void Dorvek::card_show(int x, int y, QLabel *label)
{
    using Routine = void (Dorvek::*)(int, int, QLabel *);
    static constexpr Routine routines[] = {&Dorvek::card_spade_show, &Dorvek::card_club_show,
                                           &Dorvek::card_daiya_show, &Dorvek::card_hurt_show};
    static_assert(std::size(routines) == std::size(SUITS));
    if (const SuitBlock *suit = suit_routine(x))
        (this->*routines[suit - SUITS])(x, y, label);
}
