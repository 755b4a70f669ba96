// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "cards/card_name.h"
#include "cards/card_rules.h"
#include "services/pictures.h"
#include "services/screen_reader.h"

#include <QLabel>

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
    struct Route
    {
        int first;
        int last;
        void (Dorvek::*routine)(int, int, QLabel *);
    };
    static constexpr Route routes[] = {
        {0, 13, &Dorvek::card_spade_show},
        {14, 26, &Dorvek::card_club_show},
        {27, 39, &Dorvek::card_daiya_show},
        {40, 52, &Dorvek::card_hurt_show},
    };
    for (const Route &route : routes) {
        if (x >= route.first && x <= route.last) {
            (this->*route.routine)(x, y, label);
            return;
        }
    }
}
