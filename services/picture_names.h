// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

// Every picture label is named after what a sighted player sees there, and
// a label whose picture is gone is no longer among the table's parts,
// however it was emptied.
namespace ScreenReader {

// Makes `pictures`, laid out on `table`, known by their names. Runs once
// they exist: a picture label that was asked about before would keep its
// plain, nameless description.
void namePictures(QWidget *table, const QList<QLabel *> &pictures);

// What a screen reader calls `label` while it shows a picture.
void namePicture(QLabel *label, const QString &name);

// Names `label` for the screen reader without telling it of the change:
// for a label that keeps the focus while what its name says is announced
// anyway. From Qt 6.8 screen readers read out the focused label's new name,
// and the news would be heard twice; there the label also reads as a text
// of those words, which screen readers ask for afresh where they keep the
// names they have read.
void nameQuietly(QLabel *label, const QString &name);

// The names of the pictures `labels` show, left to right, as one text.
QString pictureNames(const QList<QLabel *> &labels);

} // namespace ScreenReader
