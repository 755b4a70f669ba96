// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/announcement.h"

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace ScreenReader {

void prepareAnnouncements(QWidget *) {}

void announce(QWidget *window, const QString &text, bool urgent)
{
    QAccessibleAnnouncementEvent event(window, text);
    event.setPoliteness(urgent ? QAccessible::AnnouncementPoliteness::Assertive
                               : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}

} // namespace ScreenReader
