// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QLabel;
class QWidget;

// What a player who cannot see the table hears of a match, in words kinder
// to the ear than the banners ("Round 1: CPU 40, you 0, ties 0").
namespace Spoken {

// Whose cards are spoken.
enum class Hand { Cpu, Player };

// The cards shown on `places`, left to right, with their total.
void sayHand(QWidget *window, Hand hand, const QList<QLabel *> &places, int total);
void sayFaceDown(QWidget *window, int cards);
void sayTotals(QWidget *window, int cpu, int player);
void sayScore(QWidget *window, int round, int cpu, int player, int ties);

// `score` keeps the focus whenever the buttons cannot, so its name is the
// score line as it is spoken.
void nameScore(QLabel *score, int round, int cpu, int player, int ties);

// The player's hand and total, for where-am-I on `buttons` during the turn;
// the focus coming to a button reads it out with the button.
void describeHand(const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total);

// The same after a draw, and the card drawn is heard with the new total:
// before Qt 6.8 a changed description never reaches the screen reader, so
// the card is said; from 6.8 the screen reader speaks the new description.
void sayDrawn(QWidget *window, const QList<QWidget *> &buttons, const QList<QLabel *> &places,
              int total);

} // namespace Spoken
