// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/screen_reader.h"

#include "services/narrator.h"

#include <QWidget>

namespace ScreenReader {

void followTable(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
{
    namePictures(table, pictures);
    new Narrator(table, pictures, banners);
    prepareToSpeak(table->window());
}

} // namespace ScreenReader
