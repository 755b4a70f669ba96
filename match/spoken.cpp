// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/spoken.h"

#include "services/screen_reader.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

namespace {

QString spoken_text(const char *text)
{
    return QCoreApplication::translate("Dorvek", text);
}

QString score_line(int round, int cpu, int player, int ties)
{
    return QCoreApplication::translate("Dorvek", "Round %1: CPU %2, you %3, ties %4")
        .arg(round)
        .arg(cpu)
        .arg(player)
        .arg(ties);
}

QString hand_and_total(const QList<QLabel *> &places, int total)
{
    return QCoreApplication::translate("Dorvek", "%1, total %2").arg(screen_reader::picture_names(places)).arg(total);
}

} // namespace

namespace spoken {

using screen_reader::say;
using screen_reader::Timing;

void say_hand(QWidget *window, Hand hand, const QList<QLabel *> &places, int total)
{
    const char *const text = hand == Hand::Cpu ? QT_TRANSLATE_NOOP("Dorvek", "CPU cards: %1, total %2")
                                               : QT_TRANSLATE_NOOP("Dorvek", "Player cards: %1, total %2");
    say(window, spoken_text(text).arg(screen_reader::picture_names(places)).arg(total),
        hand == Hand::Cpu ? Timing::WithNext : Timing::Now);
}

void say_face_down(QWidget *window, int cards)
{
    if (cards < 1)
        return;
    say(window, QCoreApplication::translate("Dorvek", "CPU cards face down: %1").arg(cards), Timing::WithNext);
}

void say_totals(QWidget *window, int cpu, int player)
{
    say(window, QCoreApplication::translate("Dorvek", "CPU %1, you %2").arg(cpu).arg(player));
}

void say_score(QWidget *window, int round, int cpu, int player, int ties)
{
    say(window, score_line(round, cpu, player, ties));
}

void name_score(QLabel *score, int round, int cpu, int player, int ties)
{
    // Focusable from the keyboard only, so the mouse changes nothing, and
    // the focus has somewhere to go when the buttons are disabled.
    score->setFocusPolicy(Qt::TabFocus);
    screen_reader::name_quietly(score, score_line(round, cpu, player, ties));
}

void describe_hand(const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total)
{
    const QString hand = hand_and_total(places, total);
    for (QWidget *button : buttons)
        button->setAccessibleDescription(hand);
}

void say_drawn(QWidget *window, const QList<QWidget *> &buttons, const QList<QLabel *> &places, int total)
{
    describe_hand(buttons, places, total);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 the changed description reaches the screen reader, which
    // speaks it on the focused button; said again, the card would be heard
    // twice.
    QList<QLabel *> shown;
    for (QLabel *place : places) {
        if (!place->pixmap().isNull())
            shown = {place};
    }
    say(window, hand_and_total(shown, total));
#else
    Q_UNUSED(window)
#endif
}

} // namespace spoken
