// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QLabel;
class QWidget;

// What a player who cannot see the table hears of a match, in words kinder
// to the ear than the banners ("Round 1: CPU 40, you 0, ties 0").
namespace spoken {

// Whose cards are spoken.
enum class Hand { Cpu, Player };

// The cards shown on `places`, left to right, with their total.
void say_hand(QWidget *window, Hand hand, const QList<QLabel *> &places, int total);
void say_face_down(QWidget *window, int cards);
void say_totals(QWidget *window, int cpu, int player);
void say_score(QWidget *window, int round, int cpu, int player, int ties);

// `score` keeps the focus whenever the buttons cannot, so its name is the
// score line as it is spoken.
void name_score(QLabel *score, int round, int cpu, int player, int ties);

// The player's hand and total, for where-am-I on `buttons` during the turn;
// the focus coming to a button reads it out with the button.
void describe_hand(const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total);

// The same after a draw, and the card drawn is heard with the new total:
// before Qt 6.8 a changed description never reaches the screen reader, so
// the card is said; from 6.8 the screen reader speaks the new description.
void say_drawn(QWidget *window, const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total);

} // namespace spoken
