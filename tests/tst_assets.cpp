// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the pictures and sounds the build generates, as the game will find
// them: relative to the build folder, which is the working directory here.

#include "app/sound_files.h"
#include "cards/card_rules.h"

#include <QtTest>

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QTransform>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

const QSize CARD_SIZE(52, 72);

// Named by the game's own rule, so a file the game would not find is missing
// here too.
QString faceFile(int code, bool cpu)
{
    return QString::fromStdString(cardPictureFile(code, cpu ? CPU_PICTURES : PLAYER_PICTURES));
}

bool hasCpuFace(int code)
{
    return faceFile(code, true) != faceFile(code, false);
}

QStringList cardFiles()
{
    QStringList files;
    for (int code = 1; code <= 52; ++code) {
        files << faceFile(code, false);
        if (hasCpuFace(code))
            files << faceFile(code, true);
    }
    files << faceFile(0, false);
    return files;
}

bool isRedInk(QRgb px)
{
    return qAlpha(px) == 255 && qRed(px) >= 150 && qGreen(px) <= 90 && qBlue(px) <= 90;
}

bool isBlackInk(QRgb px)
{
    return qAlpha(px) == 255 && qRed(px) <= 60 && qGreen(px) <= 60 && qBlue(px) <= 60;
}

bool isInk(QRgb px)
{
    return qAlpha(px) == 255 && qGray(px) < 160;
}

// Pips are told apart by the paper between them, so counting separate
// blobs of ink counts pips.
int inkBlobs(const QImage &image, const QRect &area)
{
    std::vector<bool> seen(static_cast<size_t>(image.width() * image.height()), false);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[y * image.width() + x] || !isInk(image.pixel(x, y)))
                continue;
            ++blobs;
            std::vector<QPoint> stack{QPoint(x, y)};
            seen[y * image.width() + x] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + step;
                    if (!area.contains(n) || seen[n.y() * image.width() + n.x()]
                        || !isInk(image.pixel(n)))
                        continue;
                    seen[n.y() * image.width() + n.x()] = true;
                    stack.push_back(n);
                }
            }
        }
    }
    return blobs;
}

struct Wav
{
    QByteArray header;
    std::vector<qint16> samples;
};

Wav readWav(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    Wav wav{bytes.left(44), {}};
    for (qsizetype i = 44; i + 1 < bytes.size(); i += 2)
        wav.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
    return wav;
}

quint32 field32(const QByteArray &header, int at)
{
    return qFromLittleEndian<quint32>(header.constData() + at);
}

quint16 field16(const QByteArray &header, int at)
{
    return qFromLittleEndian<quint16>(header.constData() + at);
}

QStringList soundFiles()
{
    QStringList files;
    for (const char *file : SoundFile::ALL)
        files << QLatin1String(file);
    return files;
}

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

} // namespace

class tst_assets : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void noCpuTenOfHearts();
    void cardPicturesAreAllDifferent();
    void suitColours_data();
    void suitColours();
    void pipCounts_data();
    void pipCounts();
    void lowerHalfIsTurned_data();
    void lowerHalfIsTurned();
    void mascotSilhouette_data();
    void mascotSilhouette();
    void sounds_data();
    void sounds();
    void soundsAreAllDifferent();
};

void tst_assets::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (const QString &file : cardFiles())
        QTest::newRow(qPrintable(file)) << file << CARD_SIZE;
    QTest::newRow("mascot") << QStringLiteral("ico/mirrit.png") << QSize(48, 48);
    QTest::newRow("icon") << QStringLiteral("icons/dorvek-light.png") << QSize(256, 256);
}

void tst_assets::pictures()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFile png(file);
    QVERIFY2(png.open(QIODevice::ReadOnly), qPrintable(file));
    const QByteArray head = png.read(26);
    QVERIFY(head.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(int(head.at(24)), 8); // bits per channel
    QCOMPARE(int(head.at(25)), 6); // RGBA

    const QImage image(file);
    QCOMPARE(image.size(), size);
    // Cards have rounded corners and the mascot stands free: the corners
    // must let the table show through, the middle must not.
    const int r = size.width() - 1;
    const int b = size.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    QCOMPARE(qAlpha(image.pixel(r / 2, b / 2)), 255);
}

void tst_assets::noCpuTenOfHearts()
{
    QVERIFY(!QFile::exists(QStringLiteral("gazo/H10D.png")));
}

void tst_assets::cardPicturesAreAllDifferent()
{
    QHash<QByteArray, QString> seen;
    for (const QString &file : cardFiles()) {
        const QImage image = QImage(file).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(file));
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()),
                                image.sizeInBytes());
        const QString twin = seen.value(pixels);
        QVERIFY2(twin.isEmpty(), qPrintable(file + QStringLiteral(" looks like ") + twin));
        seen.insert(pixels, file);
    }
}

void tst_assets::suitColours_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("red");
    for (int code = 1; code <= 52; ++code) {
        const bool red = code > 26;
        QTest::newRow(qPrintable(faceFile(code, false))) << faceFile(code, false) << red;
        if (hasCpuFace(code))
            QTest::newRow(qPrintable(faceFile(code, true))) << faceFile(code, true) << red;
    }
}

void tst_assets::suitColours()
{
    QFETCH(QString, file);
    QFETCH(bool, red);
    const QImage image(file);
    int redInk = 0;
    int blackInk = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            redInk += isRedInk(image.pixel(x, y));
            blackInk += isBlackInk(image.pixel(x, y));
        }
    }
    if (red) {
        QVERIFY(redInk > 0);
    } else {
        QCOMPARE(redInk, 0);
        QVERIFY(blackInk > 0);
    }
}

void tst_assets::pipCounts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pips");
    for (int code = 1; code <= 52; ++code) {
        const int rank = cardRank(code);
        if (rank <= 10)
            QTest::newRow(qPrintable(faceFile(code, false))) << faceFile(code, false) << rank;
    }
}

void tst_assets::pipCounts()
{
    QFETCH(QString, file);
    QFETCH(int, pips);
    // The corner indices keep to the outer fifth or so of the width.
    const int margin = qRound(0.22 * CARD_SIZE.width());
    const QRect field(margin, 2, CARD_SIZE.width() - 2 * margin, CARD_SIZE.height() - 4);
    QCOMPARE(inkBlobs(QImage(file), field), pips);
}

void tst_assets::lowerHalfIsTurned_data()
{
    QTest::addColumn<QString>("file");
    for (const char *card : {"S02", "C04", "D04", "S10", "H10", "C11", "D12", "S13", "H13"})
        QTest::newRow(card) << QStringLiteral("gazo/%1.png").arg(QLatin1String(card));
}

void tst_assets::lowerHalfIsTurned()
{
    QFETCH(QString, file);
    // A card reads the same from both ends of the table: turned half a
    // circle, it must match itself but for a stray antialiased pixel or the
    // court divider's single row.
    const QImage image(file);
    const QImage turned = image.transformed(QTransform().rotate(180));
    int differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = turned.pixel(x, y);
            differing += std::abs(qGray(a) - qGray(b)) > 96;
        }
    }
    QVERIFY2(differing <= 20, qPrintable(QString::number(differing)));
}

void tst_assets::mascotSilhouette_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("mascot") << QStringLiteral("ico/mirrit.png");
    QTest::newRow("icon") << QStringLiteral("icons/dorvek-light.png");
}

void tst_assets::mascotSilhouette()
{
    QFETCH(QString, file);
    const QImage image(file);
    int clear = 0;
    int solid = 0;
    int partial = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            clear += alpha == 0;
            solid += alpha == 255;
            partial += alpha > 0 && alpha < 255;
        }
    }
    const int area = image.width() * image.height();
    QVERIFY(clear > area / 10);
    QVERIFY(solid > area / 2);
    // Only an antialiased rim may be see-through: about one pixel around
    // an outline no longer than four sides of the square.
    QVERIFY2(partial <= 4 * image.width(), qPrintable(QString::number(partial)));
}

void tst_assets::sounds_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : soundFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void tst_assets::sounds()
{
    QFETCH(QString, file);
    const Wav wav = readWav(file);
    const QByteArray &h = wav.header;
    QCOMPARE(h.size(), 44);
    QCOMPARE(h.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(qint64(field32(h, 4)), qint64(36 + 2 * wav.samples.size()));
    QCOMPARE(h.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(h.mid(12, 4), QByteArray("fmt "));
    QCOMPARE(field32(h, 16), 16u);
    QCOMPARE(field16(h, 20), quint16(1)); // integer PCM
    QCOMPARE(field16(h, 22), quint16(1)); // mono
    QCOMPARE(field32(h, 24), 44100u);
    QCOMPARE(field32(h, 28), 88200u);
    QCOMPARE(field16(h, 32), quint16(2));
    QCOMPARE(field16(h, 34), quint16(16));
    QCOMPARE(h.mid(36, 4), QByteArray("data"));
    QCOMPARE(qint64(field32(h, 40)), qint64(2 * wav.samples.size()));

    const double seconds = wav.samples.size() / 44100.0;
    QVERIFY2(seconds > 0.05 && seconds < 1.5, qPrintable(QString::number(seconds)));

    int peak = 0;
    for (qint16 s : wav.samples)
        peak = std::max(peak, std::abs(int(s)));
    const double peakDb = 20 * std::log10(peak / 32768.0);
    QVERIFY2(peakDb > -12 && peakDb < -3, qPrintable(QString::number(peakDb)));

    // A sound that starts or stops on a loud sample clicks.
    const int quiet = 32768 / 100;
    const std::size_t n = wav.samples.size();
    for (std::size_t i = 0; i < 4; ++i) {
        QVERIFY2(std::abs(int(wav.samples[i])) < quiet, "loud start");
        QVERIFY2(std::abs(int(wav.samples[n - 1 - i])) < quiet, "loud end");
    }
}

void tst_assets::soundsAreAllDifferent()
{
    QHash<QByteArray, QString> seen;
    for (const QString &file : soundFiles()) {
        const QByteArray digest = fileDigest(file);
        QVERIFY2(!digest.isEmpty(), qPrintable(file));
        QVERIFY2(!seen.contains(digest),
                 qPrintable(file + QStringLiteral(" sounds like ") + seen.value(digest)));
        seen.insert(digest, file);
    }
}

QTEST_GUILESS_MAIN(tst_assets)
#include "tst_assets.moc"
