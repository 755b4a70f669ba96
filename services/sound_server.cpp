// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_server.h"

#include "app/identity.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/thread-mainloop.h>

#include <utility>

namespace {

QString lastError(pa_context *context)
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(context)));
}

} // namespace

SoundServer::SoundServer(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        giveUp(QStringLiteral("the sound server did not answer within %1 s")
                   .arg(ANSWER_WITHIN_MS / 1000),
               true);
    });
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop || pa_threaded_mainloop_start(m_loop) < 0) {
        // Told from the event loop, as every other answer is.
        QMetaObject::invokeMethod(
            this, [this] { giveUp(QStringLiteral("libpulse has no main loop"), false); },
            Qt::QueuedConnection);
        return;
    }
    connectToServer();
}

SoundServer::~SoundServer()
{
    if (!m_loop)
        return;
    // Joins libpulse's thread: no callback runs once this returns.
    pa_threaded_mainloop_stop(m_loop);
    dropContext();
    pa_threaded_mainloop_free(m_loop);
}

void SoundServer::connectToServer()
{
    pa_threaded_mainloop_lock(m_loop);
    dropContext();
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Dorvek Light");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, DESKTOP_ID);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, DESKTOP_ID);
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), nullptr,
                                             properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(m_context, &SoundServer::contextChanged, this);
    // A server that is not running is left so: the game plays only on one
    // that is there.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        const QString reason = lastError(m_context);
        QMetaObject::invokeMethod(
            this, [this, reason] { whenFailed(reason); }, Qt::QueuedConnection);
    }
    pa_threaded_mainloop_unlock(m_loop);
    m_state = State::Connecting;
    m_deadline.start(ANSWER_WITHIN_MS);
}

// With the loop locked, or its thread stopped.
void SoundServer::dropContext()
{
    if (!m_context)
        return;
    // A context let go of tells nothing more.
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void SoundServer::ask()
{
    switch (m_state) {
    case State::Gone:
        connectToServer();
        m_askedWhileConnecting = true;
        return;
    case State::Connecting:
        m_askedWhileConnecting = true;
        return;
    case State::Asking:
    case State::GivenUp:
        return;
    case State::Ready:
        break;
    }
    pa_threaded_mainloop_lock(m_loop);
    // The cheapest question the server answers: its own name and version.
    pa_operation *question = pa_context_get_server_info(m_context, &SoundServer::serverInfo, this);
    const QString reason = question ? QString() : lastError(m_context);
    pa_threaded_mainloop_unlock(m_loop);
    if (!question) {
        whenFailed(reason);
        return;
    }
    pa_operation_unref(question);
    m_state = State::Asking;
    m_deadline.start(ANSWER_WITHIN_MS);
}

void SoundServer::whenConnected()
{
    if (m_state != State::Connecting)
        return;
    m_deadline.stop();
    m_state = State::Ready;
    m_everReady = true;
    // Being let in is itself the server's answer.
    if (std::exchange(m_askedWhileConnecting, false))
        emit answered();
}

void SoundServer::whenAnswered()
{
    if (m_state != State::Asking)
        return;
    m_deadline.stop();
    m_state = State::Ready;
    emit answered();
}

void SoundServer::whenFailed(const QString &reason)
{
    if (m_state == State::GivenUp || m_state == State::Gone)
        return;
    if (!m_everReady) {
        giveUp(reason, false);
        return;
    }
    m_deadline.stop();
    m_state = State::Gone;
    m_askedWhileConnecting = false;
    emit unanswered(reason, false, false);
}

void SoundServer::giveUp(const QString &reason, bool hung)
{
    if (m_state == State::GivenUp)
        return;
    m_state = State::GivenUp;
    m_deadline.stop();
    emit unanswered(reason, true, hung);
}

void SoundServer::contextChanged(pa_context *context, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        QMetaObject::invokeMethod(
            server, [server] { server->whenConnected(); }, Qt::QueuedConnection);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        const QString reason = lastError(context);
        QMetaObject::invokeMethod(
            server, [server, reason] { server->whenFailed(reason); }, Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void SoundServer::serverInfo(pa_context *, const pa_server_info *, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    QMetaObject::invokeMethod(
        server, [server] { server->whenAnswered(); }, Qt::QueuedConnection);
}
