// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/hooks.h"

#include "services/screen_reader.h"
#include "services/step_clock.h"

namespace Hooks {

void SpeechListenerHook::set(const Value &listener)
{
    ScreenReader::setListener(listener);
}

void StepClockHook::set(Value clock)
{
    StepClock::install(clock);
}

} // namespace Hooks

EnvironmentOverride::EnvironmentOverride(const char *name, const QByteArray &value)
    : m_name(name)
    , m_wasSet(qEnvironmentVariableIsSet(name))
    , m_previous(qgetenv(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

EnvironmentOverride::~EnvironmentOverride()
{
    if (m_wasSet)
        qputenv(m_name, m_previous);
    else
        qunsetenv(m_name);
}
