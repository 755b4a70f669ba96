// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace Synth {

inline constexpr int SAMPLE_RATE = 44100;

struct Sound
{
    QString path; // relative to the game's folder
    std::vector<std::int16_t> samples;
};

// Every sound effect of the game, each already scaled to its final level.
std::vector<Sound> composeSounds();

// A complete RIFF file: 16-bit mono PCM at SAMPLE_RATE.
QByteArray wavFile(const std::vector<std::int16_t> &samples);

} // namespace Synth
