// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/random_source.h"
#include "services/sound_board.h"
#include "services/trace.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <utility>

class StepClock;

// The game's process-wide hooks, each overridden for as long as an object
// lives and put back as it was when the object goes. A failed check returns
// from the test function at once, so only a destructor is sure to run after
// it. Overrides nest: the newest wins until it goes, and they must go in
// the reverse order of their coming.
template<typename Hook>
class ScopedHook
{
public:
    using Value = typename Hook::Value;

    explicit ScopedHook(Value value)
        : m_previous(std::exchange(current(), std::move(value)))
        , m_depth(++depth())
    {
        Hook::set(current());
    }

    ~ScopedHook()
    {
        if (m_depth != depth())
            qFatal("%s: overrides ended out of order", Hook::NAME);
        --depth();
        current() = std::move(m_previous);
        Hook::set(current());
    }

    Q_DISABLE_COPY_MOVE(ScopedHook)

private:
    // What the tests have set; the game starts without any.
    static Value &current()
    {
        static Value value{};
        return value;
    }
    static int &depth()
    {
        static int overrides = 0;
        return overrides;
    }

    Value m_previous;
    int m_depth;
};

namespace Hooks {

struct TraceSinkHook
{
    using Value = TraceSink;
    static constexpr const char *NAME = "trace sink";
    static void set(const Value &sink) { setTraceSink(sink); }
};

struct SoundSinkHook
{
    using Value = SoundBoard::Sink;
    static constexpr const char *NAME = "sound sink";
    static void set(const Value &sink) { SoundBoard::setSink(sink); }
};

struct SpeechListenerHook
{
    using Value = std::function<void(const QString &)>;
    static constexpr const char *NAME = "screen reader listener";
    static void set(const Value &listener);
};

struct RandomSourceHook
{
    using Value = RandomSource;
    static constexpr const char *NAME = "random source";
    static void set(const Value &source) { setRandomSource(source); }
};

struct StepClockHook
{
    using Value = StepClock *;
    static constexpr const char *NAME = "step clock";
    static void set(Value clock);
};

} // namespace Hooks

// An empty sink, listener or source, or a null clock, is the game's own.
using TraceSinkOverride = ScopedHook<Hooks::TraceSinkHook>;
using SoundSinkOverride = ScopedHook<Hooks::SoundSinkHook>;
using SpeechListenerOverride = ScopedHook<Hooks::SpeechListenerHook>;
using RandomSourceOverride = ScopedHook<Hooks::RandomSourceHook>;
using StepClockOverride = ScopedHook<Hooks::StepClockHook>;

// An environment variable set, or unset with a null value, until the object
// goes.
class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const QByteArray &value);
    ~EnvironmentOverride();

    Q_DISABLE_COPY_MOVE(EnvironmentOverride)

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};
