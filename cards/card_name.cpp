// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_name.h"

#include "cards/card_rules.h"

#include <QCoreApplication>

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("Dorvek", text);
}
}

QString card_name(int code)
{
    static const char *const suits[] = {
        QT_TRANSLATE_NOOP("Dorvek", "%1 of spades"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of clubs"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of diamonds"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of hearts"),
    };
    static const char *const ranks[] = {
        QT_TRANSLATE_NOOP("Dorvek", "Ace"),
        "2", "3", "4", "5", "6", "7", "8", "9", "10",
        QT_TRANSLATE_NOOP("Dorvek", "Jack"),
        QT_TRANSLATE_NOOP("Dorvek", "Queen"),
        QT_TRANSLATE_NOOP("Dorvek", "King"),
    };
    if (code == 0)
        return translated(QT_TRANSLATE_NOOP("Dorvek", "Face-down card"));
    if (code < 1 || code > 52)
        return {};
    return translated(suits[card_suit(code)]).arg(translated(ranks[card_rank(code) - 1]));
}
