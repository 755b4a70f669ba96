// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// For Qt before 6.8, which has no announcements: a notification that becomes
// showing is what screen readers speak, and one inside a status bar is
// spoken without its role.

#include "services/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char ROLE[] = "accessibleRole";
constexpr char NOTICE[] = "screen_reader_notice";

// The few plain widgets that exist only for the screen reader say what they
// are through a property.
QAccessibleInterface *roleFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWidget") || !object->property(ROLE).isValid())
        return nullptr;
    const auto role = static_cast<QAccessible::Role>(object->property(ROLE).toInt());
    return new QAccessibleWidget(static_cast<QWidget *>(object), role);
}

} // namespace

namespace ScreenReader {

void prepareAnnouncements(QWidget *window)
{
    QAccessible::installFactory(roleFactory);
    // Both sit outside the window, where nothing of them is ever drawn or in
    // the way of the mouse.
    auto *bar = new QWidget(window);
    bar->setProperty(ROLE, static_cast<int>(QAccessible::StatusBar));
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->setGeometry(-4, -4, 2, 2);
    // A child made after its window was shown stays hidden until told.
    bar->show();
    auto *notice = new QWidget(bar);
    notice->setObjectName(QLatin1String(NOTICE));
    notice->setProperty(ROLE, static_cast<int>(QAccessible::Notification));
    notice->setGeometry(0, 0, 1, 1);
    notice->hide();
}

void announce(QWidget *window, const QString &text, bool)
{
    auto *notice = window->findChild<QWidget *>(QLatin1String(NOTICE));
    if (!notice)
        return;
    // Hidden first, so the same text twice is heard twice; named before it
    // shows, so the screen reader reads the new text.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

} // namespace ScreenReader
