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
// label whose picture is gone is no longer among the table's parts, however
// it was emptied. The screen reader is told whenever a picture or a banner's
// text comes, goes or shows again.
//
// Being told is not being heard: screen readers leave most changes to a
// label unspoken. What a player must hear as it happens is said with say(),
// which speaks without touching the keyboard focus.
namespace ScreenReader {

// Sets all this up for the labels laid out on `table`. Runs once they exist:
// a picture label that was asked about before would keep its plain,
// nameless description.
void followTable(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners);

// What a screen reader calls `label` while it shows a picture.
void namePicture(QLabel *label, const QString &name);

// Names `label` for the screen reader without telling it of the change:
// for a label that keeps the focus while what its name says is announced
// anyway. From Qt 6.8 screen readers read out the focused label's new name,
// and the news would be heard twice; there the label also reads as a text
// of those words, which screen readers ask for afresh where they keep the
// names they have read.
void nameQuietly(QLabel *label, const QString &name);

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
void setListener(std::function<void(const QString &)> heard);

// The names of the pictures `labels` show, left to right, as one text.
QString pictureNames(const QList<QLabel *> &labels);

} // namespace ScreenReader
