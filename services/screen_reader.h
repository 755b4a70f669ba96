// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

// What a screen reader learns about a table of pictures and banners. Every
// picture label is named after what a sighted player sees there, and a
// label whose picture is gone has no name, however it was emptied. The screen reader is told whenever
// a picture or a banner's text comes, goes or shows again.
//
// Being told is not being heard: screen readers leave most changes to a
// label unspoken. What a player must hear as it happens is said with say()
// and the helpers below it, which speak without touching the keyboard focus.
namespace screen_reader {

// Sets all this up for the labels laid out on `table`. Runs once they exist:
// a picture label that was asked about before would keep its plain,
// nameless description.
void follow_table(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners);

// What a screen reader calls `label` while it shows a picture.
void name_picture(QLabel *label, const QString &name);

// The demonstration waits until the screen reader has finished what it is
// saying; the game's own news does not wait. Some news comes a moment
// before the next (the computer's cards half a second before "It's your play
// now", its reveal a second before the result): a screen reader would cut
// it off with the next, so it waits and goes out with the next.
enum class Timing { Polite, Now, WithNext };

// Speaks `text` for `window`. Everything said while one step of the game
// runs is spoken as one text, in order, so that no part cuts another short.
void say(QWidget *window, const QString &text, Timing timing = Timing::Now);

// Receives each text as it goes to the screen reader, for tests.
void set_listener(std::function<void(const QString &)> heard);

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

} // namespace screen_reader
