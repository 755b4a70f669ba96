// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/sim_clock.h"

#include <QMetaObject>
#include <QtGlobal>

#include <algorithm>

QByteArray slotName(const char *member)
{
    QByteArray name(member);
    if (!name.isEmpty() && name.front() >= '0' && name.front() <= '9')
        name.remove(0, 1);
    const int bracket = name.indexOf('(');
    return bracket < 0 ? name : name.left(bracket);
}

void SimClock::add(Pending pending)
{
    pending.order = m_order++;
    const auto later = std::upper_bound(
        m_pending.begin(), m_pending.end(), pending, [](const Pending &a, const Pending &b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    m_pending.insert(later, pending);
}

void SimClock::singleShot(int ms, QObject *receiver, const char *member)
{
    const QByteArray signature = QMetaObject::normalizedSignature(member + 1);
    if (receiver->metaObject()->indexOfSlot(signature.constData()) < 0)
        qFatal("scheduled a step that does not exist: %s", member);
    add({m_now + ms, 0, receiver, slotName(member), nullptr});
}

void SimClock::cancel(QObject *receiver, const char *member)
{
    const QByteArray name = slotName(member);
    m_pending.removeIf([&](const Pending &p) { return p.receiver == receiver && p.slot == name; });
}

void SimClock::start(QTimer *timer, int ms)
{
    stop(timer);
    timer->setInterval(ms);
    add({m_now + ms, 0, nullptr, QByteArray("timeout"), timer});
}

void SimClock::stop(QTimer *timer)
{
    m_pending.removeIf([&](const Pending &p) { return p.timer == timer; });
}

bool SimClock::timerArmed(const QTimer *timer) const
{
    return std::any_of(m_pending.begin(), m_pending.end(),
                       [&](const Pending &p) { return p.timer == timer; });
}

int SimClock::pendingCount(const QByteArray &slot) const
{
    return int(std::count_if(m_pending.begin(), m_pending.end(),
                             [&](const Pending &p) { return p.slot == slot; }));
}

void SimClock::fire(const Pending &pending)
{
    m_history.append({pending.due, pending.slot});
    if (pending.timer) {
        if (!pending.timer->isSingleShot())
            start(pending.timer, pending.timer->interval());
        // A timer object's own signal, as if it had run out.
        QMetaObject::invokeMethod(pending.timer, "timeout", Qt::DirectConnection);
    } else if (pending.receiver) {
        QMetaObject::invokeMethod(pending.receiver, pending.slot.constData(), Qt::DirectConnection);
    }
}

void SimClock::advanceTo(qint64 time)
{
    while (!m_pending.isEmpty() && m_pending.front().due <= time) {
        const Pending next = m_pending.takeFirst();
        m_now = next.due;
        fire(next);
    }
    m_now = std::max(m_now, time);
}

void SimClock::advance(qint64 ms)
{
    advanceTo(m_now + ms);
}

bool SimClock::runNext()
{
    if (m_pending.isEmpty())
        return false;
    advanceTo(m_pending.front().due);
    return true;
}

qint64 SimClock::runUntil(const QByteArray &slot, qint64 limit)
{
    const qint64 end = m_now + limit;
    while (!m_pending.isEmpty() && m_pending.front().due <= end) {
        const Pending next = m_pending.takeFirst();
        m_now = next.due;
        fire(next);
        if (next.slot == slot)
            return m_now;
    }
    return -1;
}
