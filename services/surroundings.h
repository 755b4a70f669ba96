// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the game makes of the process it was started in, before the
// application object opens anything: launchers and service managers may hand
// it closed standard streams, the trace's reader may go away, and a desktop
// without a session bus would have a bus daemon started for it and left
// behind. Call once, first thing in main().
void guardStandardStreamsAndSessionBus();
