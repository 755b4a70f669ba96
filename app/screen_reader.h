// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Dorvek;
class QLabel;

// What a screen reader learns about the table. The deck, the mascot and
// every card place are named after what a sighted player sees there, and a
// place whose picture is gone has no name, however it was emptied. The
// screen reader is told whenever a picture or a banner's text comes, goes
// or shows again.

// Sets all this up for the window's labels. Runs once they exist (the
// window's constructor calls it last): a picture label that was asked about
// before would keep its plain, nameless description.
void make_table_accessible(Dorvek &window);

// What a screen reader calls a card code: "Queen of clubs", "10 of hearts",
// "Face-down card" for 0; empty for anything that is not a card.
QString card_name(int code);

// Names the card place `label` after the card whose picture it now shows.
void name_card_place(QLabel *label, int code);
