// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/announcer.h"

#include "services/announcement.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QWidget>

namespace {

constexpr char ANNOUNCER[] = "screen_reader_announcer";

using ScreenReader::Timing;

std::function<void(const QString &)> &listener()
{
    static std::function<void(const QString &)> heard;
    return heard;
}

// Speaks for one window. A screen reader lets each new text cut off the one
// it is speaking, and one step of the game often has several things to say
// at once (both totals, the result, the score line), so whatever is said
// while a step runs waits for the event loop and goes out as one text.
class Announcer final : public QObject
{
public:
    explicit Announcer(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QLatin1String(ANNOUNCER));
        ScreenReader::prepareAnnouncements(window);
    }

    static Announcer *of(QWidget *window)
    {
        if (QObject *found = window->findChild<QObject *>(QLatin1String(ANNOUNCER),
                                                          Qt::FindDirectChildrenOnly))
            return static_cast<Announcer *>(found);
        return new Announcer(window);
    }

    void add(const QString &text, Timing timing)
    {
        if (text.isEmpty())
            return;
        if (timing == Timing::WithNext) {
            m_held.append(text);
            return;
        }
        if (m_pending.isEmpty())
            QMetaObject::invokeMethod(this, &Announcer::speak, Qt::QueuedConnection);
        m_pending += m_held;
        m_held.clear();
        m_pending.append(text);
        if (timing == Timing::Now)
            m_urgent = true;
    }

private:
    void speak()
    {
        QString text;
        for (const QString &part : std::as_const(m_pending))
            text = text.isEmpty() ? part
                                  : QCoreApplication::translate("Dorvek", "%1. %2").arg(text, part);
        const bool urgent = m_urgent;
        m_pending.clear();
        m_urgent = false;
        if (listener())
            listener()(text);
        ScreenReader::announce(m_window, text, urgent);
    }

    QWidget *m_window;
    QStringList m_pending;
    QStringList m_held;
    bool m_urgent = false;
};

} // namespace

namespace ScreenReader {

void setListener(std::function<void(const QString &)> heard)
{
    listener() = std::move(heard);
}

void prepareToSpeak(QWidget *window)
{
    Announcer::of(window);
}

void say(QWidget *window, const QString &text, Timing timing)
{
    Announcer::of(window)->add(text, timing);
}

} // namespace ScreenReader
