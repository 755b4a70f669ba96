// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QGuiApplication;

// On an X11 display, names the desktop entry `id` on each of the game's
// top-level windows as it is created, before it is mapped. Does nothing on
// any other platform.
void nameDesktopEntryOnX11Windows(QGuiApplication &application, const char *id);
