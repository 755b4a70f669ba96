// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game among careless surroundings: standard streams closed or without a
// reader, a reader that stops reading, and files that are no pictures at all.
// Each could hang, kill or freeze a careless game. Sounds that are no sounds
// are played to a sound server in tst_badfiles. And what start-up does ahead
// of time: pictures read before the window, fonts read on another thread.

#include "app/font_reader.h"
#include "services/pictures.h"
#include "services/trace.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

enum class Streams { CloseInput, CloseOutput, CloseError, OutputWithoutReader };
enum class Reader { Pipe, StreamSocket, Terminal };

// Standard output for the trace, of the given kind with room for a few KiB;
// returns the reading end, non-blocking, or -1.
int slowReader(Reader kind, int &writing)
{
    int ends[2];
    switch (kind) {
    case Reader::Pipe:
        if (::pipe2(ends, O_CLOEXEC) != 0 || ::fcntl(ends[1], F_SETPIPE_SZ, 4096) <= 0)
            return -1;
        break;
    case Reader::StreamSocket: {
        const int room = 4096;
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0
            || ::setsockopt(ends[1], SOL_SOCKET, SO_SNDBUF, &room, sizeof room) != 0)
            return -1;
        std::swap(ends[0], ends[1]);
        break;
    }
    case Reader::Terminal: {
        ends[0] = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (ends[0] < 0 || ::grantpt(ends[0]) != 0 || ::unlockpt(ends[0]) != 0)
            return -1;
        ends[1] = ::open(::ptsname(ends[0]), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        termios raw;
        // Raw, so that what arrives is what was written, "\n" without "\r".
        if (ends[1] < 0 || ::tcgetattr(ends[1], &raw) != 0)
            return -1;
        ::cfmakeraw(&raw);
        ::tcsetattr(ends[1], TCSANOW, &raw);
        break;
    }
    }
    ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    writing = ends[1];
    return ends[0];
}

// Whether a process has settled into its event loop: asleep, with no
// processor time spent since the last few looks.
class Settling
{
public:
    explicit Settling(qint64 pid)
        : m_stat(QStringLiteral("/proc/%1/stat").arg(pid))
    {}

    bool settled()
    {
        QFile stat(m_stat);
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        // The command's name in parentheses may hold spaces; the state and
        // the user and system times follow its closing parenthesis.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return false;
        const qint64 spent = fields[11].toLongLong() + fields[12].toLongLong();
        m_quietLooks = fields[0] == "S" && spent == m_spent ? m_quietLooks + 1 : 0;
        m_spent = spent;
        return m_quietLooks >= 3;
    }

private:
    QString m_stat;
    qint64 m_spent = -1;
    int m_quietLooks = 0;
};

bool writePicture(const QString &path, QSize size, Qt::GlobalColor colour)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture.save(path);
}

} // namespace

Q_DECLARE_METATYPE(Streams)
Q_DECLARE_METATYPE(Reader)

class tst_surroundings : public QObject
{
    Q_OBJECT

private slots:
    void gameRunsWhateverItsStreams_data();
    void gameRunsWhateverItsStreams();
    void stoppedReaderNeverHoldsTheGame_data();
    void stoppedReaderNeverHoldsTheGame();
    void fifoNeverOpenedAsAPicture();
    void picturesUpToTheLargestSide_data();
    void picturesUpToTheLargestSide();
    void pictureChangedAfterReadingAhead_data();
    void pictureChangedAfterReadingAhead();
    void fontReaderNeverToldStillEnds();
};

void tst_surroundings::gameRunsWhateverItsStreams_data()
{
    QTest::addColumn<Streams>("streams");
    QTest::addColumn<int>("onDevNull");
    QTest::addColumn<QByteArray>("note");
    QTest::newRow("input closed") << Streams::CloseInput << 0 << QByteArray();
    QTest::newRow("output closed") << Streams::CloseOutput << 1 << QByteArray();
    QTest::newRow("error closed") << Streams::CloseError << 2 << QByteArray();
    // As under `dorvek | head -n 3` once head has gone.
    QTest::newRow("output's reader gone")
        << Streams::OutputWithoutReader << -1
        << QByteArray("dorvek: the trace stops: standard output: Broken pipe\n");
}

void tst_surroundings::gameRunsWhateverItsStreams()
{
    QFETCH(Streams, streams);
    QFETCH(int, onDevNull);
    QFETCH(QByteArray, note);
    QProcess game;
    game.setChildProcessModifier([streams] {
        int ends[2];
        switch (streams) {
        case Streams::CloseInput:
            ::close(0);
            break;
        case Streams::CloseOutput:
            ::close(1);
            break;
        case Streams::CloseError:
            ::close(2);
            break;
        case Streams::OutputWithoutReader:
            if (::pipe(ends) == 0) {
                ::dup2(ends[1], 1);
                ::close(ends[0]);
                ::close(ends[1]);
            }
            break;
        }
    });
    game.start(QStringLiteral(DORVEK_BINARY), {});
    QVERIFY(game.waitForStarted());
    const QString pid = QString::number(game.processId());
    if (onDevNull >= 0)
        QTRY_COMPARE(QFile::symLinkTarget(QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(onDevNull)),
                     QStringLiteral("/dev/null"));
    QByteArray errors;
    if (!note.isEmpty())
        QTRY_VERIFY((errors += game.readAllStandardError()).contains(note)
                    || game.state() != QProcess::Running);
    // The window is up and its start-up lines are written once the game
    // waits in its event loop.
    Settling start(game.processId());
    QTRY_VERIFY_WITH_TIMEOUT(start.settled() || game.state() != QProcess::Running, 10000);
    QCOMPARE(game.state(), QProcess::Running);
    errors += game.readAllStandardError();
    QCOMPARE(errors.count("trace stops"), note.isEmpty() ? 0 : 1);
    game.kill();
    game.waitForFinished();
}

void tst_surroundings::stoppedReaderNeverHoldsTheGame_data()
{
    QTest::addColumn<Reader>("kind");
    QTest::newRow("pipe") << Reader::Pipe;
    QTest::newRow("stream socket") << Reader::StreamSocket;
    QTest::newRow("terminal") << Reader::Terminal;
}

// The trace behind a small pipe, socket or terminal whose reader does not
// read: every line returns at once, what waits stays under the bound, and
// once the reader reads again it gets every line up to the bound, in order,
// and then new lines as they come.
void tst_surroundings::stoppedReaderNeverHoldsTheGame()
{
    QFETCH(Reader, kind);
    int out[2], err[2];
    out[0] = slowReader(kind, out[1]);
    QVERIFY(out[0] >= 0 && ::pipe2(err, O_CLOEXEC | O_NONBLOCK) == 0);
    const int keptOut = ::dup(1), keptErr = ::dup(2);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    ::close(out[1]);
    ::close(err[1]);

    // A trace that blocks is freed after a while, so that the test fails
    // rather than hangs.
    std::atomic<bool> traced{false};
    std::thread rescue([&] {
        QElapsedTimer waited;
        waited.start();
        char discarded[4096];
        while (!traced) {
            if (waited.elapsed() > 5000 && ::read(out[0], discarded, sizeof discarded) <= 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            else if (waited.elapsed() <= 5000)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    std::string sent;
    QElapsedTimer writing;
    writing.start();
    for (int i = 0; sent.size() < TraceWriter::WAITING_BOUND + 65536; ++i) {
        trace("line %07d\n", i);
        sent += QByteArray("line ")
                    .append(QByteArray::number(i).rightJustified(7, '0'))
                    .append('\n')
                    .toStdString();
    }
    const qint64 tracingTook = writing.elapsed();
    traced = true;
    rescue.join();
    const size_t waitingWhileStopped = TraceWriter::waiting();

    std::string received;
    char buffer[65536];
    QElapsedTimer reading;
    reading.start();
    for (ssize_t got = 1; reading.elapsed() < 10000 && (got > 0 || TraceWriter::waiting() > 0);) {
        got = ::read(out[0], buffer, sizeof buffer);
        if (got > 0)
            received.append(buffer, size_t(got));
        QCoreApplication::processEvents();
    }
    trace("live again\n");
    QByteArray after;
    for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
        after.append(buffer, got);
    QByteArray notes;
    for (ssize_t got; (got = ::read(err[0], buffer, sizeof buffer)) > 0;)
        notes.append(buffer, got);
    ::dup2(keptOut, 1);
    ::dup2(keptErr, 2);
    ::close(keptOut);
    ::close(keptErr);
    ::close(out[0]);
    ::close(err[0]);

    QVERIFY2(tracingTook < 5000, QByteArray::number(tracingTook).constData());
    QVERIFY(waitingWhileStopped > 0 && waitingWhileStopped <= TraceWriter::WAITING_BOUND);
    QVERIFY(received.size() >= TraceWriter::WAITING_BOUND && received.size() < sent.size());
    QVERIFY(sent.compare(0, received.size(), received) == 0);
    QCOMPARE(after, QByteArray("live again\n"));
    QCOMPARE(notes.count('\n'), 1);
}

// Opening a FIFO waits for a writer, which for a file in the game's folders
// never comes: the game would freeze. Only regular files are read.
void tst_surroundings::fifoNeverOpenedAsAPicture()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("UB0.png"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QLabel label;
    Pictures::show(&label, path);
    QVERIFY(label.pixmap().isNull());
}

void tst_surroundings::picturesUpToTheLargestSide_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("shown");
    const int largest = 288; // four times a card's height
    QTest::newRow("largest width") << QSize(largest, 10) << true;
    QTest::newRow("one wider") << QSize(largest + 1, 10) << false;
    QTest::newRow("largest height") << QSize(10, largest) << true;
    QTest::newRow("one taller") << QSize(10, largest + 1) << false;
    QTest::newRow("largest both ways") << QSize(largest, largest) << true;
}

// A picture too large for any place counts as broken, so a small file that
// announces a huge one is never decoded.
void tst_surroundings::picturesUpToTheLargestSide()
{
    QFETCH(QSize, size);
    QFETCH(bool, shown);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("UB0.png"));
    QVERIFY(writePicture(path, size, Qt::red));
    QLabel label;
    Pictures::show(&label, path);
    QCOMPARE(!label.pixmap().isNull(), shown);
}

void tst_surroundings::pictureChangedAfterReadingAhead_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("untouched") << QString() << QSize(10, 10);
    QTest::newRow("replaced") << QStringLiteral("replace") << QSize(20, 20);
    QTest::newRow("removed") << QStringLiteral("remove") << QSize();
    QTest::newRow("a FIFO in its place") << QStringLiteral("fifo") << QSize();
}

// A picture read ahead of the window is shown as the file is when the window
// shows it, not as it was read.
void tst_surroundings::pictureChangedAfterReadingAhead()
{
    QFETCH(QString, change);
    QFETCH(QSize, shown);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("UB0.png"));
    QVERIFY(writePicture(path, QSize(10, 10), Qt::red));
    Pictures::readAhead({path});

    if (change == QLatin1String("replace")) {
        QVERIFY(writePicture(path, QSize(20, 20), Qt::blue));
    } else if (change == QLatin1String("remove")) {
        QVERIFY(QFile::remove(path));
    } else if (change == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    QLabel label;
    Pictures::show(&label, path);
    QCOMPARE(label.pixmap().isNull() ? QSize() : label.pixmap().size(), shown);
}

// The game waits for the font reader before it builds its window, and the
// reader waits to be told the application exists; if the game never says so,
// waiting must still end. (Told, it ends in every start of the game above.)
void tst_surroundings::fontReaderNeverToldStillEnds()
{
    const auto ended = std::make_shared<std::atomic<bool>>(false);
    std::thread([ended] {
        FontReader fonts;
        fonts.wait();
        *ended = true;
    }).detach();
    QTRY_VERIFY_WITH_TIMEOUT(*ended, 5000);
}

QTEST_MAIN(tst_surroundings)
#include "tst_surroundings.moc"
