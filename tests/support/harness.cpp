// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/harness.h"

#include "cards/card_rules.h"
#include "cards/random_source.h"
#include "match/match_state.h"
#include "services/sound_board.h"
#include "services/trace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <cstring>

TraceCapture::TraceCapture()
{
    setTraceSink([this](const std::string &text) { m_text += text; });
}

TraceCapture::~TraceCapture()
{
    setTraceSink({});
}

std::string TraceCapture::take()
{
    std::string text;
    text.swap(m_text);
    return text;
}

SoundLog::SoundLog(const SimClock &clock)
{
    SoundBoard::setSink([this, &clock](const QString &file) { m_played.append({clock.now(), file}); });
}

SoundLog::~SoundLog()
{
    SoundBoard::setSink({});
}

QStringList SoundLog::files() const
{
    QStringList names;
    for (const Played &sound : m_played)
        names << sound.file;
    return names;
}

ScriptedRandom::ScriptedRandom(std::vector<int> numbers)
    : m_numbers(std::move(numbers))
{
    set_random_source([this] {
        const int number = m_numbers[m_next % m_numbers.size()];
        ++m_next;
        return number;
    });
}

ScriptedRandom::~ScriptedRandom()
{
    set_random_source({});
}

void reset_match_state()
{
    std::memset(buf_card, 0, sizeof buf_card);
    std::memset(card, 0, sizeof card);
    std::memset(buf_score_count, 0, sizeof buf_score_count);
    for (int *variable : {&buf_last_card, &buf_player_card, &buf_last_card2, &buf_player_card2,
                          &buf_last_card3, &buf_player_card3, &buf_last_card4, &count, &count_n,
                          &buf_score_index, &Player_card, &CPU_card, &Round_count, &Play_mode,
                          &get_card_button_count})
        *variable = 0;
}

std::vector<int> deck_with_values(const std::vector<int> &values)
{
    std::vector<bool> used(53, false);
    std::vector<int> deck;
    for (int value : values) {
        int code = 1;
        while (code <= 52 && (used[code] || card_value(code) != value))
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

void put_deck(const std::vector<int> &codes)
{
    std::copy(codes.begin(), codes.end(), buf_card);
}

Game::Game()
{
    reset_match_state();
    window = std::make_unique<Dorvek>();
}

Game::~Game()
{
    window.reset();
}

BoxAnswerer::BoxAnswerer(QList<int> answers)
    : m_answers(std::move(answers))
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
    m_timer.start(5);
}

void BoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || m_answers.isEmpty())
        return;
    m_seen.append({box->windowTitle(), box->text()});
    const auto answer = static_cast<QMessageBox::StandardButton>(m_answers.takeFirst());
    if (QAbstractButton *button = box->button(answer))
        button->click();
}
