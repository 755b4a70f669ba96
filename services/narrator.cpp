// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/narrator.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace {

void tell(QLabel *label, QAccessible::Event change)
{
    QAccessibleEvent changed(label, change);
    QAccessible::updateAccessibility(&changed);
}

} // namespace

Narrator::Narrator(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
    : QObject(table)
{
    for (QLabel *label : pictures)
        m_pictures.append({label, label->pixmap().cacheKey()});
    for (QLabel *label : banners)
        m_banners.append({label, label->isHidden(), label->text()});
    table->installEventFilter(this);
}

bool Narrator::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest)
        tellChanges();
    return false;
}

void Narrator::tellChanges()
{
    for (ToldPicture &told : m_pictures) {
        const qint64 picture = told.label->pixmap().cacheKey();
        if (picture != told.picture) {
            const bool came = told.picture == 0, went = picture == 0;
            told.picture = picture;
            if (came)
                tell(told.label, QAccessible::ObjectCreated);
            tell(told.label, QAccessible::NameChanged);
            if (went)
                tell(told.label, QAccessible::ObjectDestroyed);
        }
    }
    for (ToldBanner &told : m_banners) {
        const bool hidden = told.label->isHidden();
        const QString text = told.label->text();
        const bool shownAgain = told.hidden && !hidden && text == told.text;
        const bool emptied = !hidden && text.isEmpty() && !told.text.isEmpty();
        if (shownAgain || emptied)
            tell(told.label, QAccessible::NameChanged);
        told.hidden = hidden;
        told.text = text;
    }
}
