// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool installJapaneseTranslation(QCoreApplication &application, QTranslator &translator,
                                const QLocale &system)
{
    if (system.language() != QLocale::Japanese)
        return false;
    // A missing or unreadable file leaves the built-in English texts.
    (void)translator.load(QStringLiteral("Dorvek_") + QStringLiteral("ja"));
    application.installTranslator(&translator);
    return true;
}
