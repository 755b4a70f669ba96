// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures on offscreen screens of device pixel ratios 1, 1.5 and 2.

#include "support/harness.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

bool moveToRatio(QWidget &window, qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            window.windowHandle()->setScreen(screen);
    }
    return window.devicePixelRatioF() == ratio;
}

// The 98th percentile of the brightness steps between neighbouring pixels
// of a picture on the green table, at ratio 1. Edges grow with the ratio and
// areas with its square, so elsewhere the same edges lie further up.
int edgeSteepness(const QPixmap &picture)
{
    QImage table(picture.size(), QImage::Format_RGB32);
    table.fill(Qt::green);
    QPainter(&table).drawImage(0, 0, picture.toImage());
    std::vector<int> steps;
    for (int y = 0; y + 1 < table.height(); ++y) {
        for (int x = 0; x + 1 < table.width(); ++x) {
            const int here = qGray(table.pixel(x, y));
            steps.push_back(std::abs(here - qGray(table.pixel(x + 1, y))));
            steps.push_back(std::abs(here - qGray(table.pixel(x, y + 1))));
        }
    }
    const auto at = steps.begin()
                    + std::ptrdiff_t((1 - 0.02 / picture.devicePixelRatio()) * (steps.size() - 1));
    std::nth_element(steps.begin(), at, steps.end());
    return *at;
}

} // namespace

class tst_density : public QObject
{
    Q_OBJECT

private slots:
    // Drawn at the device size, as steep as the PNG at 1, anew on each screen.
    void drawnForEachScreen()
    {
        Game g;
        Dorvek &w = *g.window;
        w.show();
        QVERIFY(moveToRatio(w, 1.5));
        w.card_show(12, 1, w.label_cpu_card1);
        w.card_show(6, 0, w.label_player_card2);
        w.label_player_card2->clear();
        const QRect plainOutline = QRegion(QPixmap("ico/mirrit.png").mask()).boundingRect();
        for (qreal ratio : {1.5, 2.0, 1.0}) {
            QVERIFY(moveToRatio(w, ratio));
            for (auto [label, file] : {std::pair(w.label_cpu_card1, "gazo/S12D.png"),
                                       std::pair(w.label_deck, "gazo/UB0.png"),
                                       std::pair(w.label_mascot_b, "ico/mirrit.png")}) {
                const QPixmap png(file);
                QCOMPARE(label->pixmap().devicePixelRatio(), ratio);
                QCOMPARE(label->pixmap().size(), (QSizeF(png.size()) * ratio).toSize());
                QCOMPARE(label->sizeHint(), png.size());
                QVERIFY2(edgeSteepness(label->pixmap()) >= 0.9 * edgeSteepness(png), file);
            }
            QVERIFY(w.label_player_card2->pixmap().isNull());
            // Mirrit's outline in logical pixels, within a pixel of the PNG's.
            const QRect outline = w.label_mascot_a->mask().boundingRect();
            QVERIFY(!outline.isEmpty() && plainOutline.adjusted(-1, -1, 1, 1).contains(outline));
        }
        QCOMPARE(w.label_cpu_card1->pixmap().toImage(), QPixmap("gazo/S12D.png").toImage());
    }

    void badVectorTwins_data()
    {
        QTest::addColumn<QByteArray>("twin"); // null: no twin at all
        QTest::addColumn<bool>("pngKept");
        QFile svg("gazo/S01.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray whole = svg.readAll();
        QTest::newRow("twin missing") << QByteArray() << true;
        QTest::newRow("twin empty") << QByteArray("") << true;
        QTest::newRow("twin not a picture") << QByteArray(3000, '\x9c') << true;
        QTest::newRow("twin cut in half") << whole.left(whole.size() / 2) << true;
        QTest::newRow("PNG missing") << whole << false;
    }

    // The PNG scaled smoothly, never the card shown before; nothing without the PNG.
    void badVectorTwins()
    {
        QFETCH(QByteArray, twin);
        QFETCH(bool, pngKept);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("gazo"));
        QVERIFY(QFile::copy(m_build.filePath("gazo/S13.png"), folder.filePath("gazo/S13.png")));
        QVERIFY(!pngKept
                || QFile::copy(m_build.filePath("gazo/S01.png"), folder.filePath("gazo/S01.png")));
        QFile svg(folder.filePath("gazo/S01.svg"));
        QVERIFY(twin.isNull()
                || (svg.open(QIODevice::WriteOnly) && svg.write(twin) == twin.size()));
        svg.close();
        QVERIFY(QDir::setCurrent(folder.path()));
        Game g;
        g.window->show();
        QVERIFY(moveToRatio(*g.window, 2.0));
        g.window->card_show(13, 0, g.window->label_player_card1);
        g.window->card_show(1, 0, g.window->label_player_card1);
        QImage expected;
        if (pngKept) {
            const QPixmap png(m_build.filePath("gazo/S01.png"));
            expected = png.scaled(png.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .toImage();
            expected.setDevicePixelRatio(2);
        }
        QCOMPARE(g.window->label_player_card1->pixmap().toImage(), expected);
    }

    void doubles_data()
    {
        QTest::addColumn<QSize>("size"); // of the double; empty: not a picture at all
        QTest::addColumn<bool>("shown");
        QTest::newRow("twice the PNG") << QSize(104, 144) << true;
        QTest::newRow("another size") << QSize(100, 144) << false;
        QTest::newRow("not a picture") << QSize() << false;
    }

    // At ratio 2 the double the build drew is shown as it is; one that does
    // not fit leaves the twin's rendering.
    void doubles()
    {
        QFETCH(QSize, size);
        QFETCH(bool, shown);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("gazo"));
        for (const char *file : {"gazo/S01.png", "gazo/S01.svg"})
            QVERIFY(QFile::copy(m_build.filePath(file), folder.filePath(file)));
        const QString twice = folder.filePath("gazo/S01@2x.png");
        if (size.isEmpty()) {
            QFile garbage(twice);
            QVERIFY(garbage.open(QIODevice::WriteOnly)
                    && garbage.write(QByteArray(3000, '\x9c')) == 3000);
        } else {
            QImage magenta(size, QImage::Format_ARGB32);
            magenta.fill(Qt::magenta);
            QVERIFY(magenta.save(twice));
        }
        QVERIFY(QDir::setCurrent(folder.path()));
        Game g;
        g.window->show();
        QVERIFY(moveToRatio(*g.window, 2.0));
        g.window->card_show(1, 0, g.window->label_player_card1);
        const QPixmap picture = g.window->label_player_card1->pixmap();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), QSize(104, 144));
        QCOMPARE(picture.toImage().pixel(52, 72) == QColor(Qt::magenta).rgb(), shown);
    }

    void cleanup() { QDir::setCurrent(m_build.path()); }

private:
    const QDir m_build = QDir::current();
};

int main(int argc, char *argv[])
{
    // Offscreen screens come from a file; 96 logical dots per inch are ratio 1.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(
        R"({"screens": [{"name": "a", "logicalDpi": 96}, {"name": "b", "x": 800, "logicalDpi": 144},
                                  {"name": "c", "x": 1600, "logicalDpi": 192}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    tst_density test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_density.moc"
