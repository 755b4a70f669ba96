// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures on three offscreen screens with device pixel ratios 1, 1.5
// and 2: drawn at the device size with edges as steep as the PNG's at ratio
// 1, drawn anew when the window changes screens, and falling back to the PNG
// when the vector twin is bad.

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
#include <functional>
#include <vector>

namespace {

bool move_to_ratio(QWidget &window, qreal ratio)
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
int edge_steepness(const QPixmap &picture)
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
    const auto at = steps.begin() + std::ptrdiff_t((1 - 0.02 / picture.devicePixelRatio()) * (steps.size() - 1));
    std::nth_element(steps.begin(), at, steps.end());
    return *at;
}

using Damage = std::function<bool(QDir gazo)>;

} // namespace

class tst_density : public QObject
{
    Q_OBJECT

private slots:
    void drawnForEachScreen()
    {
        Game g;
        Dorvek &w = *g.window;
        w.show();
        QVERIFY(move_to_ratio(w, 1.5));
        w.card_show(12, 1, w.label_cpu_card1);
        w.card_show(6, 0, w.label_player_card2);
        w.label_player_card2->clear();
        const QRegion plainOutline(QPixmap("ico/mirrit.png").mask());
        for (qreal ratio : {1.5, 2.0, 1.0}) {
            QVERIFY(move_to_ratio(w, ratio));
            for (auto [label, file] : {std::pair(w.label_cpu_card1, "gazo/S12D.png"),
                                       std::pair(w.label_deck, "gazo/UB0.png"),
                                       std::pair(w.label_mascot_b, "ico/mirrit.png")}) {
                const QPixmap png(file);
                const QPixmap shown = label->pixmap();
                QCOMPARE(shown.devicePixelRatio(), ratio);
                QCOMPARE(shown.size(), (QSizeF(png.size()) * ratio).toSize());
                QCOMPARE(label->sizeHint(), png.size());
                QVERIFY2(edge_steepness(shown) >= 0.9 * edge_steepness(png), file);
            }
            QVERIFY(w.label_player_card2->pixmap().isNull());
            // Mirrit's outline in logical pixels, within a rim of the PNG's.
            const QRegion outline = w.label_mascot_a->mask();
            QVERIFY(QRect(0, 0, 48, 48).contains(outline.boundingRect()));
            int differing = 0;
            for (const QRect &rect : outline.xored(plainOutline))
                differing += rect.width() * rect.height();
            QVERIFY2(differing < 2 * 48, qPrintable(QString::number(differing)));
        }
        QCOMPARE(w.label_cpu_card1->pixmap().toImage(), QPixmap("gazo/S12D.png").toImage());
    }

    void badVectorTwins_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("shows");
        const auto twin = [](const QByteArray &bytes) {
            return Damage([bytes](QDir gazo) {
                QFile svg(gazo.filePath("S01.svg"));
                return svg.open(QIODevice::WriteOnly) && svg.write(bytes) == bytes.size();
            });
        };
        QTest::newRow("missing") << Damage([](QDir gazo) { return gazo.remove("S01.svg"); }) << true;
        QTest::newRow("empty") << twin("") << true;
        QTest::newRow("not a picture") << twin(QByteArray(3000, '\x9c')) << true;
        QTest::newRow("cut in half") << Damage([](QDir gazo) {
            QFile svg(gazo.filePath("S01.svg"));
            return svg.open(QIODevice::ReadWrite) && svg.resize(svg.size() / 2);
        }) << true;
        QTest::newRow("a folder") << Damage([](QDir gazo) {
            return gazo.remove("S01.svg") && gazo.mkdir("S01.svg");
        }) << true;
        QTest::newRow("PNG missing beside it") << Damage([](QDir gazo) { return gazo.remove("S01.png"); })
                                               << false;
    }

    void badVectorTwins()
    {
        QFETCH(Damage, damage);
        QFETCH(bool, shows);
        QTemporaryDir folder;
        const QDir gazo(folder.filePath("gazo"));
        QVERIFY(QDir(folder.path()).mkdir("gazo"));
        for (const char *file : {"S01.png", "S01.svg", "S13.png"})
            QVERIFY(QFile::copy(m_build.filePath("gazo/") + file, gazo.filePath(file)));
        QVERIFY(damage(gazo));
        QVERIFY(QDir::setCurrent(folder.path()));
        Game g;
        Dorvek &w = *g.window;
        w.show();
        QVERIFY(move_to_ratio(w, 2.0));
        w.card_show(13, 0, w.label_player_card1);
        w.card_show(1, 0, w.label_player_card1);
        QImage expected;
        if (shows) {
            const QPixmap png(m_build.filePath("gazo/S01.png"));
            expected = png.scaled(png.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
            expected.setDevicePixelRatio(2);
        }
        QCOMPARE(w.label_player_card1->pixmap().toImage(), expected);
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
    screens.write(R"({"screens": [
        {"name": "plain", "x": 0, "y": 0, "width": 1920, "height": 1440, "logicalDpi": 96},
        {"name": "fine", "x": 1920, "y": 0, "width": 1920, "height": 1440, "logicalDpi": 144},
        {"name": "double", "x": 3840, "y": 0, "width": 1920, "height": 1440, "logicalDpi": 192}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    tst_density test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_density.moc"
