// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

// Being told is not being heard: screen readers leave most changes to a
// label unspoken. What a player must hear as it happens is said here, which
// speaks without touching the keyboard focus.
namespace ScreenReader {

// The demonstration waits until the screen reader has finished what it is
// saying; the game's own news does not wait. Some news comes a moment
// before the next (the computer's cards half a second before "It's your play
// now", its reveal a second before the result): a screen reader would cut
// it off with the next, so it waits and goes out with the next.
enum class Timing { Polite, Now, WithNext };

// Readies `window` to speak, as its first say() would.
void prepareToSpeak(QWidget *window);

// Speaks `text` for `window`. Everything said while one step of the game
// runs is spoken as one text, in order, so that no part cuts another short.
void say(QWidget *window, const QString &text, Timing timing = Timing::Now);

// Receives each text as it goes to the screen reader, for tests.
void setListener(std::function<void(const QString &)> heard);

} // namespace ScreenReader
