// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

struct pa_context;
struct pa_threaded_mainloop;

// The sound server that Qt's audio would use, asked through the server's own
// client library (libpulse), which finds it the way Qt will: the environment,
// client.conf, the user's socket. Qt's audio waits on the GUI thread for
// every answer, with no bound once a stream is being opened, so a server
// that has stopped answering (stopped, hung, behind a dropped network link)
// would freeze the game. Here the waiting is done on libpulse's own thread,
// and the answers come back through the event loop.
class SoundServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int ANSWER_WITHIN_MS = 3000;

    // Starts connecting at once; a server that is not running is not started.
    explicit SoundServer(QObject *parent);
    ~SoundServer() override;

    // Asks for a sign of life: answered() follows once the server has
    // answered since, or unanswered() when it cannot. Asks made while one is
    // on its way share its answer.
    void ask();

signals:
    void answered();
    // For good when the server could not be reached to begin with, or did not
    // answer within ANSWER_WITHIN_MS (`hung`): nothing more is asked of it.
    // A server that goes away later, as one being restarted does, is asked
    // again, connecting anew, at the next ask().
    void unanswered(const QString &reason, bool forGood, bool hung);

private:
    enum class State { Connecting, Ready, Asking, Gone, GivenUp };

    void connectToServer();
    void dropContext();
    void whenConnected();
    void whenAnswered();
    void whenFailed(const QString &reason);
    void giveUp(const QString &reason, bool hung);

    // Called on libpulse's thread.
    static void contextChanged(pa_context *context, void *self);
    static void serverInfo(pa_context *context, const struct pa_server_info *info, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    State m_state = State::Connecting;
    bool m_everReady = false;
    bool m_askedWhileConnecting = false;
    QTimer m_deadline;
};
