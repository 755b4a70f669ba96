// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/sound_server.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/thread-mainloop.h>

#include <utility>

SoundServer::SoundServer(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("the sound server did not answer within %1 s").arg(ANSWER_WITHIN_MS / 1000), true);
    });
    m_deadline.start(ANSWER_WITHIN_MS);

    m_loop = pa_threaded_mainloop_new();
    if (!m_loop) {
        // Reported from the event loop, as every other answer is.
        QMetaObject::invokeMethod(this, [this] { fail(QStringLiteral("libpulse has no main loop"), false); },
                                  Qt::QueuedConnection);
        return;
    }
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Dorvek Light");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.example.DorvekLight");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.example.DorvekLight");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), nullptr, properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(m_context, &SoundServer::contextChanged, this);
    // Before the loop's thread runs, so nothing else touches the context yet.
    // A server that is not running is left so: the game only plays on one
    // that is there.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
        QMetaObject::invokeMethod(this, [this, reason] { fail(reason, false); }, Qt::QueuedConnection);
        return;
    }
    m_running = pa_threaded_mainloop_start(m_loop) == 0;
}

SoundServer::~SoundServer()
{
    // Joins libpulse's thread: no callback runs once this returns.
    if (m_running)
        pa_threaded_mainloop_stop(m_loop);
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    if (m_loop)
        pa_threaded_mainloop_free(m_loop);
}

void SoundServer::ask()
{
    switch (m_state) {
    case State::Connecting:
        m_askedWhileConnecting = true;
        return;
    case State::Asking:
    case State::Lost:
        return;
    case State::Ready:
        break;
    }
    pa_threaded_mainloop_lock(m_loop);
    // The cheapest question the server answers: its own name and version.
    pa_operation *question = pa_context_get_server_info(m_context, &SoundServer::serverInfo, this);
    pa_threaded_mainloop_unlock(m_loop);
    if (!question) {
        fail(QString::fromUtf8(pa_strerror(pa_context_errno(m_context))), false);
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

void SoundServer::fail(const QString &reason, bool hung)
{
    if (m_state == State::Lost)
        return;
    m_state = State::Lost;
    m_deadline.stop();
    emit lost(reason, hung);
}

void SoundServer::contextChanged(pa_context *context, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        QMetaObject::invokeMethod(server, [server] { server->whenConnected(); }, Qt::QueuedConnection);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(context)));
        QMetaObject::invokeMethod(server, [server, reason] { server->fail(reason, false); }, Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void SoundServer::serverInfo(pa_context *, const pa_server_info *, void *self)
{
    auto *server = static_cast<SoundServer *>(self);
    QMetaObject::invokeMethod(server, [server] { server->whenAnswered(); }, Qt::QueuedConnection);
}
