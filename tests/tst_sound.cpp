// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game heard where a player hears it: at a sound server. A PulseAudio of
// the test's own, with a null sink, counts the playback streams that reach
// it while whole matches run, and is stopped or stood in for by a listener
// that never answers, to show that a hung server costs the game nothing.

#include "support/harness.h"
#include "support/hooks.h"
#include "support/private_pulse_audio.h"

#include "match/match_state.h"
#include "services/sound_board.h"
#include "services/sound_server.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryFile>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <optional>

#include <sys/prctl.h>

namespace {

// Counts the playback streams that reach a server, as one of its clients.
class StreamCounter
{
public:
    explicit StreamCounter(const QByteArray &address)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QString::fromLocal8Bit(address));
        m_events.setProcessEnvironment(env);
        m_events.start(QStringLiteral("pactl"), {"subscribe"});
        // A change of the sink's volume shows that the subscription is live;
        // each try changes it anew.
        QProcess change;
        change.setProcessEnvironment(env);
        int volume = 90;
        m_live = m_events.waitForStarted()
                 && QTest::qWaitFor(
                     [&] {
                         change.start(QStringLiteral("pactl"), {"set-sink-volume", "table",
                                                                QString::number(volume--) + '%'});
                         change.waitForFinished();
                         read();
                         return m_text.contains("'change' on sink");
                     },
                     10000);
    }
    ~StreamCounter()
    {
        m_events.kill();
        m_events.waitForFinished();
    }

    bool live() const { return m_live; }
    int count()
    {
        read();
        return int(m_text.count("Event 'new' on sink-input"));
    }

private:
    void read() { m_text += m_events.readAllStandardOutput(); }

    QProcess m_events;
    QByteArray m_text;
    bool m_live = false;
};

// The game's notes about its sound, as they are logged; other messages go on
// to the test's log.
class SoundNotes
{
public:
    SoundNotes() { s_notes = &m_notes, s_before = qInstallMessageHandler(&SoundNotes::note); }
    ~SoundNotes() { qInstallMessageHandler(s_before), s_notes = nullptr; }
    const QStringList &notes() const { return m_notes; }

private:
    static void note(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (s_notes && qstrcmp(context.category, "dorvek.sound") == 0)
            s_notes->append(text);
        else
            s_before(type, context, text);
    }

    QStringList m_notes;
    static inline QStringList *s_notes = nullptr;
    static inline QtMessageHandler s_before = nullptr;
};

// One step of a match: the next timer's step, or the player's press when it
// is the player's turn (stopping once `draws` cards have been drawn in the
// round). The step's name, and how long it kept the thread, event loop and
// all.
struct Step
{
    QByteArray name;
    qint64 realMs;
};

Step runStep(Game &g, const QList<int> &draws)
{
    QElapsedTimer real;
    real.start();
    Dorvek &w = *g.window;
    QByteArray name;
    if (w.button_stop_card->isEnabled()) {
        const bool draw = get_card_button_count < draws.value(Round_count - 1);
        (draw ? w.button_get_card : w.button_stop_card)->click();
        name = draw ? "push_get_card_button" : "push_stop_card_button";
    } else if (g.clock.runNext()) {
        name = g.clock.history().constLast().slot;
    }
    QCoreApplication::processEvents();
    return {name, real.elapsed()};
}

// A free-play match in which the CPU wins round 1, the player round 2, and
// round 3 is a tie, and the steps that play a sound, in order: every one of
// the game's ten sounds.
const QList<int> MATCH_VALUES{10, 5, 10, 10, 9, 5, 6, 6, 10, 2};
const QList<int> MATCH_DRAWS{0, 1, 1};
const QByteArrayList HEARD_AT{
    "start_timer1_show",     "cpu_close_card_cpu", "player_turn",
    "push_stop_card_button", "result_screen_show", "second_round",
    "cpu_close_card_cpu",    "player_turn",        "push_get_card_button",
    "push_stop_card_button", "result_screen_show", "second_round",
    "cpu_close_card_cpu",    "player_turn",        "push_get_card_button",
    "push_stop_card_button", "result_screen_show", "Gameover_show",
};

// The ways a sound server can hang.
enum class Hang { Stopped, StoppedOverTcp, Listener, ListenerInClientConf, StopsLater };

const QList<std::pair<const char *, bool>> TRANSPORTS{{"over a Unix socket", false},
                                                      {"over TCP", true}};
const QList<std::pair<const char *, Hang>> HANGS{
    {"PulseAudio stopped, over its Unix socket", Hang::Stopped},
    {"PulseAudio stopped, over TCP", Hang::StoppedOverTcp},
    {"a listener that never answers", Hang::Listener},
    {"a listener that never answers, named in client.conf", Hang::ListenerInClientConf},
    {"PulseAudio stopping once it has answered", Hang::StopsLater},
};

// A data function's rows, one for each entry of a table and tagged by it.
template<typename Value>
void addRows(const char *column, const QList<std::pair<const char *, Value>> &table)
{
    QTest::addColumn<Value>(column);
    for (const auto &[tag, value] : table)
        QTest::newRow(tag) << value;
}

// Qt's audio connects to a server once per process and stays with it, as the
// game does for a session; so each row runs in a process of its own, the
// variable marking it. They all run at once: most of their time goes in
// waiting for the game to give up on a server.
constexpr char ROW_PROCESS[] = "TST_SOUND_ROW_PROCESS";

bool inRowProcess()
{
    return qEnvironmentVariableIsSet(ROW_PROCESS);
}

class RowProcesses
{
public:
    ~RowProcesses() { qDeleteAll(m_rows); }

    void start(const QByteArray &function, const QByteArray &tag)
    {
        auto *row = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(ROW_PROCESS), QStringLiteral("1"));
        row->setProcessEnvironment(env);
        row->setProcessChannelMode(QProcess::MergedChannels);
        row->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        row->start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(function + ':' + tag)});
        m_rows.insert(function + ':' + tag, row);
    }

    // Empty when the current row passed in its process; else what it said.
    QString failure()
    {
        QProcess *row = m_rows.value(QByteArray(QTest::currentTestFunction()) + ':'
                                     + QTest::currentDataTag());
        if (!row)
            return QStringLiteral("the row was not started");
        const bool finished = row->waitForFinished(60000);
        if (finished && row->exitStatus() == QProcess::NormalExit && row->exitCode() == 0)
            return {};
        return QString::fromLocal8Bit(row->readAll());
    }

private:
    QHash<QByteArray, QProcess *> m_rows;
};

#define IN_A_PROCESS_OF_ITS_OWN() \
    do { \
        if (!inRowProcess()) { \
            const QString failure = m_rows.failure(); \
            QVERIFY2(failure.isEmpty(), qPrintable(failure)); \
            return; \
        } \
    } while (false)

bool showGame(Game &g)
{
    g.window->show();
    return QTest::qWaitForWindowExposed(g.window.get());
}

bool soundModuleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/dorvek_sound.so");
}

// Chooses a match, and waits for the sound module that choosing it loads.
bool choose(QAction *mode)
{
    mode->trigger();
    return QTest::qWaitFor(soundModuleLoaded, 10000);
}

// A whole watching match; how long its longest step kept the thread.
qint64 watchAMatch(Game &g, const std::function<void(const QByteArray &)> &after = {})
{
    if (!choose(g.window->action_watching))
        return -1;
    qint64 longest = 0;
    for (Step step; step.name != "demo_talk1";) {
        step = runStep(g, {});
        if (step.name.isEmpty())
            return -1;
        longest = std::max(longest, step.realMs);
        if (after)
            after(step.name);
    }
    return longest;
}

// Far beyond any step of the game, even on a busy machine; far below what a
// hung server costs.
constexpr qint64 LONGEST_STEP_MS = 1000;

} // namespace

Q_DECLARE_METATYPE(Hang)

class tst_sound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everySoundHeardAtItsStep_data();
    void everySoundHeardAtItsStep();
    void hungServerCostsNothing_data();
    void hungServerCostsNothing();
    void restartedServerHeardAgain();

private:
    RowProcesses m_rows;
    // Each row's own server, and a count of the playback streams reaching it.
    std::optional<PrivatePulseAudio> m_server;
    std::optional<StreamCounter> m_streams;
};

void tst_sound::initTestCase()
{
    if (inRowProcess())
        return;
    for (const auto &[tag, overTcp] : TRANSPORTS)
        m_rows.start("everySoundHeardAtItsStep", tag);
    for (const auto &[tag, hang] : HANGS)
        m_rows.start("hungServerCostsNothing", tag);
    m_rows.start("restartedServerHeardAgain", {});
}

void tst_sound::init()
{
    if (!inRowProcess())
        return;
    m_server.emplace();
    QVERIFY(m_server->ready());
    m_streams.emplace(m_server->unixAddress());
    QVERIFY(m_streams->live());
}

void tst_sound::cleanup()
{
    m_streams.reset();
    m_server.reset();
}

void tst_sound::everySoundHeardAtItsStep_data()
{
    addRows("overTcp", TRANSPORTS);
}

void tst_sound::everySoundHeardAtItsStep()
{
    IN_A_PROCESS_OF_ITS_OWN();
    QFETCH(bool, overTcp);
    EnvironmentOverride address("PULSE_SERVER",
                                overTcp ? m_server->tcpAddress() : m_server->unixAddress());
    SoundNotes notes;

    Game g;
    const SoundSinkOverride realSounds({});
    putDeck(deckWithValues(std::vector<int>(MATCH_VALUES.begin(), MATCH_VALUES.end())));
    QVERIFY(showGame(g));
    // Neither the first frame nor the demonstration has any use for it.
    QTest::qWait(100);
    QVERIFY(!soundModuleLoaded());
    QVERIFY(choose(g.window->action_free_play));
    int heard = 0;
    QByteArrayList steps;
    QList<int> score;
    for (Step step; step.name != "demo_talk1";) {
        step = runStep(g, MATCH_DRAWS);
        QVERIFY(!step.name.isEmpty());
        steps << step.name;
        if (step.name == "Gameover_show")
            score = {g.window->cpu_points, g.window->player_points, g.window->tie_count};
        if (heard < HEARD_AT.size() && HEARD_AT[heard] == step.name)
            ++heard;
        QTRY_VERIFY2_WITH_TIMEOUT(m_streams->count() == heard,
                                  qPrintable(QStringLiteral("%1 streams after %2; %3 expected")
                                                 .arg(m_streams->count())
                                                 .arg(QString::fromLatin1(steps.join(' ')))
                                                 .arg(heard)),
                                  3000);
    }
    QCOMPARE(heard, HEARD_AT.size());
    // The three results, each with a sound of its own.
    QCOMPARE(score, (QList<int>{40, 25, 1}));
    QVERIFY2(notes.notes().isEmpty(), qPrintable(notes.notes().join('\n')));
}

void tst_sound::hungServerCostsNothing_data()
{
    addRows("hang", HANGS);
}

// However the server hangs, no step of a watching match waits for it, while
// the game still asks and once it has given up on the server; it says so once.
void tst_sound::hungServerCostsNothing()
{
    IN_A_PROCESS_OF_ITS_OWN();
    QFETCH(Hang, hang);
    // The kernel takes its connections; nobody ever reads them.
    QTcpServer listener;
    QVERIFY(listener.listen(QHostAddress::LocalHost));
    const QByteArray silent = "tcp:127.0.0.1:" + QByteArray::number(listener.serverPort());
    QTemporaryFile clientConf;
    QVERIFY(clientConf.open());
    clientConf.write("default-server = " + silent + '\n');
    clientConf.close();

    QByteArray address = m_server->unixAddress();
    if (hang == Hang::StoppedOverTcp)
        address = m_server->tcpAddress();
    else if (hang == Hang::Listener)
        address = silent;
    else if (hang == Hang::ListenerInClientConf)
        address.clear();
    EnvironmentOverride serverAddress("PULSE_SERVER", address);
    EnvironmentOverride config("PULSE_CLIENTCONFIG", QFile::encodeName(clientConf.fileName()));
    if (hang == Hang::Stopped || hang == Hang::StoppedOverTcp)
        m_server->stop();
    SoundNotes notes;

    Game g;
    const SoundSinkOverride realSounds({});
    QVERIFY(showGame(g));
    const qint64 whileAsking = watchAMatch(g, [&](const QByteArray &step) {
        if (hang == Hang::StopsLater && step == "start_timer1_show") {
            QTRY_COMPARE_WITH_TIMEOUT(m_streams->count(), 1, 3000);
            m_server->stop();
        }
    });
    QTRY_COMPARE_WITH_TIMEOUT(notes.notes().size(), 1, SoundServer::ANSWER_WITHIN_MS + 2000);
    const qint64 givenUp = watchAMatch(g);
    QVERIFY2(whileAsking >= 0 && whileAsking < LONGEST_STEP_MS,
             qPrintable(QString::number(whileAsking)));
    QVERIFY2(givenUp >= 0 && givenUp < LONGEST_STEP_MS, qPrintable(QString::number(givenUp)));
    QVERIFY2(notes.notes().constFirst().contains("no sound this session"),
             qPrintable(notes.notes().join('\n')));
    QCOMPARE(notes.notes().size(), 1);
}

// A server that goes away in the middle of a match, as one being restarted
// does, is not given up: once it is back (and Qt's audio has found it
// again), the game is heard there. Where Qt's audio cannot find it again,
// the game says it is silent, and no match waits for the server.
void tst_sound::restartedServerHeardAgain()
{
    IN_A_PROCESS_OF_ITS_OWN();
    EnvironmentOverride address("PULSE_SERVER", m_server->unixAddress());
    SoundNotes notes;

    Game g;
    const SoundSinkOverride realSounds({});
    QVERIFY(showGame(g));
    bool restarted = false;
    watchAMatch(g, [&](const QByteArray &step) {
        if (step == "start_timer1_show") {
            QTRY_COMPARE_WITH_TIMEOUT(m_streams->count(), 1, 3000);
            restarted = m_server->restart();
            m_streams.emplace(m_server->unixAddress());
        }
    });
    QVERIFY(restarted && m_streams->live());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const qint64 afterwards = watchAMatch(g);
    QVERIFY2(afterwards >= 0 && afterwards < LONGEST_STEP_MS,
             qPrintable(QString::number(afterwards)));
    QCOMPARE(m_streams->count(), 0);
    const char *said = "no sound this session";
#else
    QVERIFY(QTest::qWaitFor([&] { return watchAMatch(g) >= 0 && m_streams->count() > 0; }, 15000));
    const char *said = "until the sound server is back";
#endif
    QCOMPARE(notes.notes().size(), 1);
    QVERIFY2(notes.notes().constFirst().contains(said), qPrintable(notes.notes().join('\n')));
}

QTEST_MAIN(tst_sound)
#include "tst_sound.moc"
