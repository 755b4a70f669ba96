// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;
class QLocale;
class QTranslator;

// On a Japanese system, loads "Dorvek_ja" from the working directory into
// `translator` and installs it, whether or not the file was there. Returns
// whether it installed the translator.
bool installJapaneseTranslation(QCoreApplication &application, QTranslator &translator,
                                const QLocale &system);
