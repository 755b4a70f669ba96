// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_synth.h"

#include "app/sound_files.h"

#include <algorithm>
#include <cmath>

namespace Synth {

namespace {

constexpr double PI = 3.14159265358979323846;
// Peaks sit at -6 dBFS: loud enough beside each other, far from clipping.
constexpr double PEAK = 0.5;

struct Partial
{
    double ratio; // of the fundamental
    double level;
    double sustain; // how long it rings, relative to the voice's decay
};

struct Voice
{
    std::vector<Partial> partials;
    double attack;  // seconds to full level
    double decay;   // time constant of the exponential fall, seconds
    double release; // fade to exact silence at the note's end, seconds
};

const Voice BELL{
    {{1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {2.76, 0.35, 0.4}, {4.07, 0.2, 0.25}, {5.4, 0.12, 0.18}},
    0.003,
    0.35,
    0.06};
const Voice BRIGHT{
    {{1, 1.0, 1.0}, {2, 0.5, 0.7}, {3, 0.3, 0.5}, {4, 0.15, 0.4}}, 0.006, 0.30, 0.05};
const Voice MELLOW{{{1, 1.0, 1.0}, {3, 0.11, 0.6}, {5, 0.04, 0.4}}, 0.02, 0.5, 0.08};
const Voice PLAIN{{{1, 1.0, 1.0}, {2, 0.15, 1.0}}, 0.012, 1.0, 0.04};
const Voice LOW{{{1, 1.0, 1.0}, {2, 0.35, 0.8}, {3, 0.15, 0.6}}, 0.006, 0.15, 0.03};
const Voice ORGAN{{{1, 1.0, 1.0}, {2, 0.3, 1.0}, {3, 0.12, 1.0}}, 0.015, 0.9, 0.08};

double midiFrequency(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Raised-cosine ramps: no corner in the waveform's envelope, so no click.
double rampUp(double t, double length)
{
    return t >= length ? 1.0 : 0.5 - 0.5 * std::cos(PI * t / length);
}

// A fixed-seed xorshift keeps the noise, and so the files, the same on every build.
class Noise
{
public:
    explicit Noise(std::uint32_t seed)
        : m_state(seed)
    {}
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

class Track
{
public:
    explicit Track(double seconds)
        : m_mix(static_cast<std::size_t>(seconds * SAMPLE_RATE), 0.0)
    {}

    void note(double start, double length, int midiNote, const Voice &voice, double level = 1.0)
    {
        const double f = midiFrequency(midiNote);
        forEachSample(start, length, [&](double t) {
            double s = 0;
            for (const Partial &partial : voice.partials)
                s += partial.level * std::exp(-t / (voice.decay * partial.sustain))
                     * std::sin(2 * PI * f * partial.ratio * t);
            return level * s * rampUp(t, voice.attack) * rampUp(length - t, voice.release);
        });
    }

    // Band-limited noise, its colour set by `brightness` (0..1): the tick of
    // a card's edge against the cloth.
    void flick(double start, double length, double brightness, Noise &noise, double level = 1.0)
    {
        double low = 0, lower = 0;
        const double fast = 0.08 + 0.5 * brightness;
        const double slow = 0.02;
        forEachSample(start, length, [&](double t) {
            const double n = noise.next();
            low += fast * (n - low);
            lower += slow * (low - lower);
            const double shape = rampUp(t, 0.0015) * std::exp(-t / 0.012)
                                 * rampUp(length - t, 0.01);
            return level * (low - lower) * shape;
        });
    }

    // A softer, longer stroke whose colour opens and closes with its loudness.
    void swish(double start, double length, Noise &noise, double level = 1.0)
    {
        double low = 0, lower = 0;
        forEachSample(start, length, [&](double t) {
            const double x = std::pow(t / length, 0.7);
            const double swell = std::pow(std::sin(PI * x), 2);
            const double n = noise.next();
            low += (0.04 + 0.3 * swell) * (n - low);
            lower += 0.01 * (low - lower);
            return level * (low - lower) * swell;
        });
    }

    std::vector<std::int16_t> finish() const
    {
        double peak = 0;
        for (double s : m_mix)
            peak = std::max(peak, std::abs(s));
        const double gain = peak > 0 ? PEAK * 32767.0 / peak : 0.0;
        std::vector<std::int16_t> out;
        out.reserve(m_mix.size());
        for (double s : m_mix)
            out.push_back(static_cast<std::int16_t>(std::lround(s * gain)));
        return out;
    }

private:
    template<typename Sample>
    void forEachSample(double start, double length, Sample sample)
    {
        const auto first = static_cast<std::size_t>(std::lround(start * SAMPLE_RATE));
        const auto count = static_cast<std::size_t>(std::lround(length * SAMPLE_RATE));
        for (std::size_t i = 0; i < count && first + i < m_mix.size(); ++i)
            m_mix[first + i] += sample(static_cast<double>(i) / SAMPLE_RATE);
    }

    std::vector<double> m_mix;
};

struct Note
{
    double start;
    double length;
    int midiNote;
};

// A few notes of one voice, mixed in the order given.
std::vector<std::int16_t> phrase(double seconds, const Voice &voice,
                                 std::initializer_list<Note> notes)
{
    Track track(seconds);
    for (const Note &n : notes)
        track.note(n.start, n.length, n.midiNote, voice);
    return track.finish();
}

// The round chimes share one bell and one opening note; each round adds a
// rung of the major chord.
std::vector<std::int16_t> roundChime(int round)
{
    const int rungs[] = {84, 88, 91};
    Track track(0.85 + 0.2 * (round - 1));
    for (int i = 0; i < round; ++i)
        track.note(0.2 * i, 0.84, rungs[i], BELL);
    return track.finish();
}

std::vector<std::int16_t> cardsLaidOut()
{
    Track track(0.5);
    Noise noise(0x5eed1u);
    for (int i = 0; i < 9; ++i) {
        const double jitter = 0.006 * noise.next();
        track.flick(0.01 + 0.046 * i + jitter, 0.06, 0.35 + 0.3 * std::abs(noise.next()), noise,
                    0.7 + 0.3 * std::abs(noise.next()));
    }
    return track.finish();
}

std::vector<std::int16_t> cardTurned()
{
    Track track(0.28);
    Noise noise(0x0badc0deu);
    track.swish(0.0, 0.2, noise);
    track.flick(0.19, 0.07, 0.6, noise, 0.6);
    return track.finish();
}

std::vector<std::int16_t> gameOver()
{
    Track track(1.22);
    const int subdominant[] = {65, 69, 72};
    const int dominant[] = {67, 71, 74};
    const int tonic[] = {60, 64, 67, 72};
    for (int n : subdominant)
        track.note(0.0, 0.34, n, ORGAN);
    for (int n : dominant)
        track.note(0.32, 0.34, n, ORGAN);
    for (int n : tonic)
        track.note(0.64, 0.56, n, ORGAN);
    return track.finish();
}

void appendLittleEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

std::vector<Sound> composeSounds()
{
    return {
        {QLatin1String(SoundFile::ROUND1), roundChime(1)},
        {QLatin1String(SoundFile::ROUND2), roundChime(2)},
        {QLatin1String(SoundFile::ROUND3), roundChime(3)},
        {QLatin1String(SoundFile::CARDS_LAID_OUT), cardsLaidOut()},
        {QLatin1String(SoundFile::CARD_DRAWN), cardTurned()},
        {QLatin1String(SoundFile::STOPPED), phrase(0.45, LOW, {{0.0, 0.16, 55}, {0.2, 0.22, 48}})},
        {QLatin1String(SoundFile::CPU_WINS),
         phrase(0.98, MELLOW, {{0.0, 0.27, 69}, {0.25, 0.27, 65}, {0.5, 0.46, 62}})},
        // A rising arpeggio, its top note held.
        {QLatin1String(SoundFile::PLAYER_WINS),
         phrase(0.9, BRIGHT, {{0.0, 0.36, 72}, {0.1, 0.36, 76}, {0.2, 0.36, 79}, {0.3, 0.58, 84}})},
        {QLatin1String(SoundFile::TIE), phrase(0.45, PLAIN, {{0.0, 0.16, 69}, {0.24, 0.16, 69}})},
        {QLatin1String(SoundFile::GAME_OVER), gameOver()},
    };
}

QByteArray wavFile(const std::vector<std::int16_t> &samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(static_cast<int>(44 + dataBytes));
    out.append("RIFF");
    appendLittleEndian(out, 36 + dataBytes, 4);
    out.append("WAVE");
    out.append("fmt ");
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, 1, 2); // integer PCM
    appendLittleEndian(out, 1, 2); // mono
    appendLittleEndian(out, SAMPLE_RATE, 4);
    appendLittleEndian(out, SAMPLE_RATE * 2, 4);
    appendLittleEndian(out, 2, 2);
    appendLittleEndian(out, 16, 2);
    out.append("data");
    appendLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        appendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace Synth
