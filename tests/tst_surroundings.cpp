// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game among careless surroundings: standard streams closed or without a
// reader, a reader that stops reading, and files that are no pictures or
// sounds at all. Each would once hang, kill or freeze the game.

#include "services/pictures.h"
#include "services/trace.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

enum class Streams { CloseInput, CloseOutput, CloseError, OutputWithoutReader };
enum class OddFile { FifoPicture, PictureAtLargest, PictureOverLargest };

} // namespace

Q_DECLARE_METATYPE(Streams)
Q_DECLARE_METATYPE(OddFile)

class tst_surroundings : public QObject
{
    Q_OBJECT

private slots:
    void gameRunsWhateverItsStreams_data();
    void gameRunsWhateverItsStreams();
    void stoppedReaderNeverHoldsTheGame();
    void oddFilesCostNothing_data();
    void oddFilesCostNothing();
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
    QTest::newRow("output's reader gone") << Streams::OutputWithoutReader << -1
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
        case Streams::CloseInput: ::close(0); break;
        case Streams::CloseOutput: ::close(1); break;
        case Streams::CloseError: ::close(2); break;
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
        QTRY_VERIFY((errors += game.readAllStandardError()).contains(note) || game.state() != QProcess::Running);
    // Long enough for the window, its 35 start-up lines and the first steps.
    QTest::qWait(1500);
    QCOMPARE(game.state(), QProcess::Running);
    errors += game.readAllStandardError();
    QCOMPARE(errors.count("trace stops"), note.isEmpty() ? 0 : 1);
    game.kill();
    game.waitForFinished();
}

// The trace behind a 4 KiB pipe whose reader does not read: every line returns
// at once, what waits stays under the bound, and once the reader reads again
// it gets every line up to the bound, in order, and then new lines as they come.
void tst_surroundings::stoppedReaderNeverHoldsTheGame()
{
    int out[2], err[2];
    QVERIFY(::pipe2(out, O_CLOEXEC) == 0 && ::pipe2(err, O_CLOEXEC | O_NONBLOCK) == 0);
    QVERIFY(::fcntl(out[1], F_SETPIPE_SZ, 4096) > 0);
    QVERIFY(::fcntl(out[0], F_SETFL, O_NONBLOCK) == 0);
    const int keptOut = ::dup(1), keptErr = ::dup(2);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    ::close(out[1]);
    ::close(err[1]);

    std::string sent;
    QElapsedTimer writing;
    writing.start();
    for (int i = 0; sent.size() < trace_writer::WAITING_BOUND + 65536; ++i) {
        trace("line %07d\n", i);
        sent += QByteArray("line ").append(QByteArray::number(i).rightJustified(7, '0')).append('\n').toStdString();
    }
    const qint64 tracingTook = writing.elapsed();
    const size_t waitingWhileStopped = trace_writer::waiting();

    std::string received;
    char buffer[65536];
    QElapsedTimer reading;
    reading.start();
    for (ssize_t got = 1; reading.elapsed() < 10000 && (got > 0 || trace_writer::waiting() > 0);) {
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
    QVERIFY(waitingWhileStopped > 0 && waitingWhileStopped <= trace_writer::WAITING_BOUND);
    QVERIFY(received.size() >= trace_writer::WAITING_BOUND && received.size() < sent.size());
    QVERIFY(sent.compare(0, received.size(), received) == 0);
    QCOMPARE(after, QByteArray("live again\n"));
    QCOMPARE(notes.count('\n'), 1);
}

void tst_surroundings::oddFilesCostNothing_data()
{
    QTest::addColumn<OddFile>("file");
    QTest::newRow("FIFO as a picture") << OddFile::FifoPicture;
    QTest::newRow("picture at the largest side") << OddFile::PictureAtLargest;
    QTest::newRow("picture over the largest side") << OddFile::PictureOverLargest;
}

void tst_surroundings::oddFilesCostNothing()
{
    QFETCH(OddFile, file);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("UB0.png"));
    const int side = pictures::LARGEST_SIDE + (file == OddFile::PictureOverLargest ? 1 : 0);
    if (file == OddFile::FifoPicture) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        QImage picture(side, 10, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));
    }
    // Opening a FIFO would wait for a writer that never comes, past the
    // test's time limit.
    QLabel label;
    pictures::show(&label, path);
    QCOMPARE(label.pixmap().isNull(), file != OddFile::PictureAtLargest);
}

QTEST_MAIN(tst_surroundings)
#include "tst_surroundings.moc"
