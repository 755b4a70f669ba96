// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the game makes of the process it was started in, before the
// application object opens anything: launchers and service managers may hand
// it closed standard streams, the trace's reader may go away, and a desktop
// without a session bus would have a bus daemon started for it and left
// behind. Call once, first thing in main().
void guardStandardStreamsAndSessionBus();

// The installed game names its data folder in the file "data-folder" beside
// its program, as a path relative to the program's folder, and moves into it:
// the game reads its files relative to the working directory. The program's
// own place is where it really lies, whatever link started it, so the
// installed tree may be moved as a whole. Without that file, as in the build
// tree, the working directory stays as it came. Returns false, having said
// why, when the named folder cannot be entered. Call once the application
// object exists, before anything reads a file.
bool enterInstalledDataFolder();
