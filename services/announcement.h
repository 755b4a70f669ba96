// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

// How a text reaches the screen reader, which depends on the Qt the game is
// built with; CMake picks the one source file that implements this.
namespace ScreenReader {

// Readies `window` for announce(); called once per window.
void prepareAnnouncements(QWidget *window);

// Hands `text` to the screen reader, to interrupt what it is saying if
// `urgent`.
void announce(QWidget *window, const QString &text, bool urgent);

} // namespace ScreenReader
