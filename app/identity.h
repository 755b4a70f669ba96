// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;

// The id of the game's desktop entry, its icon and its metainfo.
inline constexpr char DESKTOP_ID[] = "org.example.DorvekLight";

// Mirrit as the window's icon: the icon theme's drawings when the game is
// installed, else the game's own picture from the working directory.
QIcon gameIcon();

// Ties the application's windows to the desktop entry, so docks and window
// switchers show its name and icon, from the moment each window appears;
// gives them the game's icon once the first window has been painted. Call
// once, after the application object is made and before any window is.
void takeDesktopIdentity();
