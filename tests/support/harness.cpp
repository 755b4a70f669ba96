// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/harness.h"

#include "cards/card_rules.h"
#include "match/match_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <cstring>

TraceCapture::TraceCapture()
    : m_sink([this](const std::string &text) { m_text += text; })
{}

std::string TraceCapture::take()
{
    std::string text;
    text.swap(m_text);
    return text;
}

SoundLog::SoundLog(const SimClock &clock)
    : m_sink([this, &clock](const QString &file) {
        m_played.append({clock.now(), file});
    })
{}

QStringList SoundLog::files() const
{
    QStringList names;
    for (const Played &sound : m_played)
        names << sound.file;
    return names;
}

SpeechLog::SpeechLog()
    : m_listener([this](const QString &text) { m_said << text; })
{}

ScriptedRandom::ScriptedRandom(std::vector<int> numbers)
    : m_numbers(std::move(numbers))
    , m_source([this] { return m_numbers[m_next++ % m_numbers.size()]; })
{}

ScopedTranslation::ScopedTranslation(const QString &file)
{
    if (file.isEmpty())
        return;
    m_loaded = m_translator.load(file);
    QCoreApplication::installTranslator(&m_translator);
}

ScopedTranslation::~ScopedTranslation()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void resetMatchState()
{
    std::memset(buf_card, 0, sizeof buf_card);
    std::memset(card, 0, sizeof card);
    std::memset(buf_score_count, 0, sizeof buf_score_count);
    for (int *variable :
         {&buf_last_card, &buf_player_card, &buf_last_card2, &buf_player_card2, &buf_last_card3,
          &buf_player_card3, &buf_last_card4, &count, &count_n, &buf_score_index, &Player_card,
          &CPU_card, &Round_count, &Play_mode, &get_card_button_count})
        *variable = 0;
}

std::vector<int> deckWithValues(const std::vector<int> &values)
{
    std::vector<bool> used(53, false);
    std::vector<int> deck;
    for (int value : values) {
        int code = 1;
        while (code <= 52 && (used[code] || cardValue(code) != value))
            ++code;
        if (code > 52)
            qFatal("no card left with value %d", value);
        used[code] = true;
        deck.push_back(code);
    }
    for (int code = 1; code <= 52; ++code) {
        if (!used[code])
            deck.push_back(code);
    }
    return deck;
}

void putDeck(const std::vector<int> &codes)
{
    std::copy(codes.begin(), codes.end(), buf_card);
}

Game::Game()
{
    resetMatchState();
    window = std::make_unique<Dorvek>();
}

Game::~Game()
{
    window.reset();
}

QList<QLabel *> cpuPlaces(const Dorvek &w)
{
    return {w.label_cpu_card1, w.label_cpu_card2, w.label_cpu_card3, w.label_cpu_card4};
}

QList<QLabel *> playerPlaces(const Dorvek &w)
{
    return {w.label_player_card1, w.label_player_card2, w.label_player_card3, w.label_player_card4};
}

QImage pictureFile(const QString &file)
{
    return QImage(file).convertToFormat(QImage::Format_ARGB32);
}

QImage pictureOf(const QLabel *label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QString crampedWidget(QWidget *top, QWidget *root, const QRect &area, Qt::Orientations checked,
                      qsizetype fewest)
{
    QList<const QWidget *> shown;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->isVisible() && widget->findChildren<QWidget *>().isEmpty())
            shown << widget;
    }
    auto place = [top](const QWidget *widget) {
        return QRect(widget->mapTo(top, QPoint()), widget->size());
    };
    auto describe = [&](const QWidget *widget) {
        const QRect r = place(widget);
        return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6 needing %7x%8")
            .arg(widget->metaObject()->className(), widget->property("text").toString())
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height())
            .arg(widget->sizeHint().width())
            .arg(widget->sizeHint().height());
    };
    for (const QWidget *widget : shown) {
        if (place(widget).isEmpty())
            continue;
        if (!area.contains(place(widget)) || !place(widget->parentWidget()).contains(place(widget)))
            return describe(widget) + QStringLiteral(" lies outside");
        if (((checked & Qt::Horizontal) && widget->width() < widget->sizeHint().width())
            || ((checked & Qt::Vertical) && widget->height() < widget->sizeHint().height()))
            return describe(widget) + QStringLiteral(" is squeezed");
        for (const QWidget *other : shown) {
            if (other != widget && place(other).intersects(place(widget)))
                return describe(widget) + QStringLiteral(" overlaps ") + describe(other);
        }
    }
    return shown.size() < fewest ? QStringLiteral("only %1 widgets shown").arg(shown.size())
                                 : QString();
}

void fillTable(Dorvek &w)
{
    for (int i = 0; i < 4; ++i) {
        w.card_show(7 + 13 * i, 1, cpuPlaces(w)[i]);
        w.card_show(12 + 13 * i, 0, playerPlaces(w)[i]);
    }
    for (QLabel *label :
         {w.label_cpu_total, w.label_player_total, w.label_mascot_b, w.label_message})
        label->show();
}

QString crampedTable(Dorvek &w, qsizetype fewest)
{
    w.show();
    QCoreApplication::processEvents();
    const int top = w.menuBar()->geometry().bottom() + 1;
    return crampedWidget(&w, w.centralWidget(), QRect(0, top, 640, 480 - top),
                         Qt::Horizontal | Qt::Vertical, fewest);
}

BoxAnswerer::BoxAnswerer(Choice choose)
    : m_choose(std::move(choose))
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
    m_timer.start(0);
}

BoxAnswerer::BoxAnswerer(QList<QMessageBox::StandardButton> answers)
    : BoxAnswerer([answers](const QMessageBox &) mutable {
        return answers.isEmpty() ? QMessageBox::NoButton : answers.takeFirst();
    })
{}

void BoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    Seen seen{box->windowTitle(), box->text(), {}, m_choose(*box)};
    for (const QAbstractButton *button : box->buttons())
        seen.buttons << button->text();
    m_seen.append(seen);
    if (QAbstractButton *button = box->button(seen.answer))
        button->click();
    else
        box->reject();
}
