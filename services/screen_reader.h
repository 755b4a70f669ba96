// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

// What a screen reader learns about a table of pictures and banners. Every
// picture label is named after what a sighted player sees there, and a
// label whose picture is gone has no name, however it was emptied. The
// screen reader is told whenever a picture or a banner's text comes, goes or
// shows again.
namespace screen_reader {

// Sets all this up for the labels laid out on `table`. Runs once they exist:
// a picture label that was asked about before would keep its plain,
// nameless description.
void follow_table(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners);

// What a screen reader calls `label` while it shows a picture.
void name_picture(QLabel *label, const QString &name);

} // namespace screen_reader
