// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a screen reader calls a card code: "Queen of clubs", "10 of hearts",
// "Face-down card" for 0; empty for anything that is not a card.
QString cardName(int code);
