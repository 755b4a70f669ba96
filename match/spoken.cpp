// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/spoken.h"

#include "services/screen_reader.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

namespace {

QString spokenText(const char *text)
{
    return QCoreApplication::translate("Dorvek", text);
}

QString scoreLine(int round, int cpu, int player, int ties)
{
    return QCoreApplication::translate("Dorvek", "Round %1: CPU %2, you %3, ties %4")
        .arg(round)
        .arg(cpu)
        .arg(player)
        .arg(ties);
}

QString handAndTotal(const QList<QLabel *> &places, int total)
{
    return QCoreApplication::translate("Dorvek", "%1, total %2")
        .arg(ScreenReader::pictureNames(places))
        .arg(total);
}

} // namespace

namespace Spoken {

using ScreenReader::say;
using ScreenReader::Timing;

void sayHand(QWidget *window, Hand hand, const QList<QLabel *> &places, int total)
{
    const char *const text = hand == Hand::Cpu
                                 ? QT_TRANSLATE_NOOP("Dorvek", "CPU cards: %1, total %2")
                                 : QT_TRANSLATE_NOOP("Dorvek", "Player cards: %1, total %2");
    say(window, spokenText(text).arg(ScreenReader::pictureNames(places)).arg(total),
        hand == Hand::Cpu ? Timing::WithNext : Timing::Now);
}

void sayFaceDown(QWidget *window, int cards)
{
    if (cards < 1)
        return;
    say(window, QCoreApplication::translate("Dorvek", "CPU cards face down: %1").arg(cards),
        Timing::WithNext);
}

void sayTotals(QWidget *window, int cpu, int player)
{
    say(window, QCoreApplication::translate("Dorvek", "CPU %1, you %2").arg(cpu).arg(player));
}

void sayScore(QWidget *window, int round, int cpu, int player, int ties)
{
    say(window, scoreLine(round, cpu, player, ties));
}

void nameScore(QLabel *score, int round, int cpu, int player, int ties)
{
    // Focusable from the keyboard only, so the mouse changes nothing, and
    // the focus has somewhere to go when the buttons are disabled.
    score->setFocusPolicy(Qt::TabFocus);
    ScreenReader::nameQuietly(score, scoreLine(round, cpu, player, ties));
}

void describeHand(const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total)
{
    const QString hand = handAndTotal(places, total);
    for (QWidget *button : buttons)
        button->setAccessibleDescription(hand);
}

void sayDrawn(QWidget *window, const QList<QWidget *> &buttons, const QList<QLabel *> &places,
              int total)
{
    describeHand(buttons, places, total);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 the changed description reaches the screen reader, which
    // speaks it on the focused button; said again, the card would be heard
    // twice.
    QList<QLabel *> shown;
    for (QLabel *place : places) {
        if (!place->pixmap().isNull())
            shown = {place};
    }
    say(window, handAndTotal(shown, total));
#else
    Q_UNUSED(window)
#endif
}

} // namespace Spoken
