// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QEvent;
class QLabel;
class QWidget;

// Tells the screen reader what Qt leaves unsaid. Qt announces a label's new
// text, but not a picture that comes or goes, a text emptied by clear(), or
// a banner shown again with the text it had when it was hidden. Each of
// these changes the table's layout, so they are looked for whenever the
// layout is asked to update, and screen readers that keep what they were
// told never go on naming a card or a text that is gone.
class Narrator final : public QObject
{
public:
    // Lives as long as `table`.
    Narrator(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ToldPicture
    {
        QLabel *label;
        qint64 picture;
    };
    struct ToldBanner
    {
        QLabel *label;
        bool hidden;
        QString text;
    };

    void tellChanges();

    QList<ToldPicture> m_pictures;
    QList<ToldBanner> m_banners;
};
