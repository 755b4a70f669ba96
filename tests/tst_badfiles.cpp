// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever lies in the game's folders, a whole match runs as it would with
// the right files: same steps at the same moments, same trace, no crash, no
// hang, and the game still closes.

#include "app/translation.h"
#include "match/match_state.h"
#include "support/monkey.h"
#include "support/hooks.h"
#include "support/private_pulse_audio.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Damage = std::function<void(const QDir &root)>;

const QStringList assetFolders = {QStringLiteral("gazo"), QStringLiteral("ico"),
                                  QStringLiteral("wave")};

// Tells whether anything opened one of the watched FIFOs to read: a
// writer's non-blocking open succeeds only while a reader has it open, and
// lets a reader stuck in open() go, so that a fault fails the row instead of
// hanging it.
class FifoWatch
{
public:
    void watch(const QStringList &paths)
    {
        QList<QByteArray> names;
        for (const QString &path : paths)
            names << QFile::encodeName(path);
        m_stop = false;
        m_thread = std::thread([this, names] {
            while (!m_stop) {
                for (const QByteArray &name : names) {
                    const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        m_opened = true;
                        ::close(fd);
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    // Whether a FIFO was opened since watch().
    bool stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_opened.exchange(false);
    }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
};

FifoWatch fifoWatch;

QStringList filesIn(const QDir &root, const QString &pattern)
{
    QStringList files;
    QDirIterator it(root.path(), {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random());
    return bytes;
}

// Rewrites every file matching `pattern` from its old contents.
Damage rewrite(const QString &pattern, std::function<QByteArray(const QByteArray &)> change)
{
    return [pattern, change](const QDir &root) {
        for (const QString &path : filesIn(root, pattern))
            writeFile(path, change(readFile(path)));
    };
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A well-formed picture header announcing 60000 by 60000 pixels.
QByteArray enormousPng()
{
    QByteArray header("IHDR");
    char size[8];
    qToBigEndian<quint32>(60000, size);
    qToBigEndian<quint32>(60000, size + 4);
    header.append(size, 8).append("\x08\x06\x00\x00\x00", 5);
    char length[4], check[4];
    qToBigEndian<quint32>(13, length);
    qToBigEndian<quint32>(crc32(header), check);
    return QByteArray("\x89PNG\r\n\x1a\n", 8).append(length, 4).append(header).append(check, 4)
           + randomBytes(4000, 9);
}

const QByteArray qmSignature("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd",
                             16);

struct Run
{
    QList<SimClock::Fired> steps;
    std::string trace;
    bool pictures = false; // whether the deck, the mascot or the demonstration's cards showed
    QString title;
    bool soundsSettled = false; // every sound effect loaded or failed to
    int soundsReady = 0;        // sound effects ready to play
};

// One free-play match drawing a card each round, one watching match, and the
// demonstration laying out its cards; then as many sounds as `sounds` made
// ready.
Run playThrough(bool japanese, int sounds)
{
    QTranslator translator;
    if (japanese)
        installJapaneseTranslation(*qApp, translator, QLocale(QLocale::Japanese, QLocale::Japan));
    ScriptedRandom shuffle({7, 41, 3, 29, 18, 50, 11, 2, 36, 23});
    Run run;
    {
        Game game;
        Dorvek &w = *game.window;
        const SoundSinkOverride realSounds({});
        w.show();
        if (!playFreePlay(game, 1) || !playWatching(game))
            return run;
        game.clock.advance(100000);
        run.pictures = !w.label_player_card1->pixmap().isNull() || !w.label_deck->pixmap().isNull()
                       || !w.label_mascot_a->pixmap().isNull();
        run.title = w.windowTitle();
        run.steps = game.clock.history();
        run.trace = game.trace.text();
        // Destroying a sound effect waits for its load: let them all finish
        // loading, or fail to, first. The server answers, and the effects are
        // made, a moment after the match began.
        const auto count = [&w](QSoundEffect::Status status) {
            const QList<QSoundEffect *> effects = w.soundBoard->findChildren<QSoundEffect *>();
            return std::count_if(
                effects.begin(), effects.end(),
                [status](const QSoundEffect *effect) { return effect->status() == status; });
        };
        // How many came is for the caller to judge.
        static_cast<void>(
            QTest::qWaitFor([&] { return count(QSoundEffect::Ready) >= sounds; }, 5000));
        run.soundsSettled = QTest::qWaitFor([&] { return count(QSoundEffect::Loading) == 0; });
        run.soundsReady = int(count(QSoundEffect::Ready));
    }
    return run;
}

} // namespace

class tst_badfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void wholeMatchRuns_data();
    void wholeMatchRuns();

private:
    QDir m_build;
    Run m_reference;
    // Sounds reach Qt's audio only where a server answers.
    PrivatePulseAudio m_sound;
    std::unique_ptr<EnvironmentOverride> m_soundAddress;
};

void tst_badfiles::initTestCase()
{
    QVERIFY(m_sound.ready());
    m_soundAddress = std::make_unique<EnvironmentOverride>("PULSE_SERVER", m_sound.unixAddress());
    m_build = QDir::current();
    m_reference = playThrough(false, 10);
    QVERIFY(m_reference.pictures);
    QVERIFY(!m_reference.steps.isEmpty());
}

void tst_badfiles::cleanup()
{
    fifoWatch.stop();
    QDir::setCurrent(m_build.path());
}

void tst_badfiles::wholeMatchRuns_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("picturesShow");
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<int>("soundsReady");
    const auto row = [](const char *name, const Damage &damage, bool picturesShow,
                        bool japanese = false, int soundsReady = 10) {
        QTest::newRow(name) << damage << picturesShow << japanese << soundsReady;
    };
    using Change = std::function<QByteArray(const QByteArray &)>;
    const auto pictures = [](const Change &change) {
        return rewrite(QStringLiteral("*.png"), change);
    };
    const auto sounds = [](const Change &change) {
        return rewrite(QStringLiteral("*.wav"), change);
    };
    const auto translation = [](const QByteArray &bytes) {
        return Damage([bytes](const QDir &root) {
            writeFile(root.filePath(QStringLiteral("Dorvek_ja.qm")), bytes);
        });
    };

    row(
        "asset folders missing",
        [](const QDir &root) {
            for (const QString &folder : assetFolders)
                QVERIFY(QDir(root.filePath(folder)).removeRecursively());
        },
        false, false, 0);
    row("every picture cut in half",
        pictures([](const QByteArray &b) { return b.left(b.size() / 2); }), false);
    row("every picture random bytes",
        pictures([](const QByteArray &b) { return randomBytes(b.size(), 1); }), false);
    row("every picture claims to be enormous",
        pictures([](const QByteArray &) { return enormousPng(); }), false);
    row(
        "folders where the pictures should be",
        [](const QDir &root) {
            for (const QString &path : filesIn(root, QStringLiteral("*.png")))
                QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        },
        false);
    row("garbage translation, Japanese system", translation(randomBytes(3000, 3)), true, true);
    row("translation's signature, then garbage, Japanese system",
        translation(qmSignature + randomBytes(3000, 4)), true, true);
    // A sound that never loads may trouble every sound after it in the
    // process, so these come last.
    row("every sound random bytes",
        sounds([](const QByteArray &b) { return randomBytes(b.size(), 2); }), true, false, 0);
    row("every sound empty", sounds([](const QByteArray &) { return QByteArray(); }), true, false,
        0);
    // Opening one would wait for a writer that never comes. The whole sounds
    // beside them are made ready only once every sound has been looked at.
    row(
        "FIFOs beside whole sounds",
        [](const QDir &root) {
            QStringList fifos;
            const QStringList files = filesIn(root, QStringLiteral("*.wav"));
            for (int i = 0; i < files.size(); i += 2) {
                QVERIFY(QFile::remove(files[i])
                        && ::mkfifo(QFile::encodeName(files[i]).constData(), 0600) == 0);
                fifos << files[i];
            }
            fifoWatch.watch(fifos);
        },
        true, false, 5);
    row(
        "some sounds cut short beside whole ones",
        [](const QDir &root) {
            const QStringList files = filesIn(root, QStringLiteral("*.wav"));
            for (int i = 0; i < files.size(); i += 2)
                writeFile(files[i], readFile(files[i]).left(100));
        },
        true, false, 5);
}

void tst_badfiles::wholeMatchRuns()
{
    QFETCH(Damage, damage);
    QFETCH(bool, picturesShow);
    QFETCH(bool, japanese);
    QFETCH(int, soundsReady);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir root(folder.path());
    for (const QString &name : assetFolders) {
        QVERIFY(root.mkpath(name));
        // Copied without QFile::copy's wait for the disk, which a busy machine
        // makes long.
        for (const QString &file : QDir(m_build.filePath(name)).entryList(QDir::Files))
            writeFile(root.filePath(name + '/' + file),
                      readFile(m_build.filePath(name + '/' + file)));
    }
    damage(root);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QDir::setCurrent(root.path()));

    const Run run = playThrough(japanese, soundsReady);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(run.steps.size(), m_reference.steps.size());
    for (int i = 0; i < run.steps.size(); ++i) {
        QCOMPARE(run.steps[i].time, m_reference.steps[i].time);
        QCOMPARE(run.steps[i].slot, m_reference.steps[i].slot);
    }
    QVERIFY(run.trace == m_reference.trace);
    QVERIFY(run.soundsSettled);
    QVERIFY2(!fifoWatch.stop(), "a FIFO in place of a sound was opened");
    // Every whole sound is made ready, and no broken one.
    QCOMPARE(run.soundsReady, soundsReady);
    QCOMPARE(run.pictures, picturesShow);
    // A translation that cannot be read leaves the built-in texts.
    QCOMPARE(run.title, QStringLiteral("dorvek light"));
}

QTEST_MAIN(tst_badfiles)
#include "tst_badfiles.moc"
