// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services/announcer.h"
#include "services/picture_names.h"

#include <QList>

class QLabel;
class QWidget;

// What a screen reader learns about a table of pictures and banners: the
// pictures' names, every change to them and to the banners, and what is
// said aloud.
namespace ScreenReader {

// Sets all this up for the labels laid out on `table`, once they exist.
void followTable(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners);

} // namespace ScreenReader
