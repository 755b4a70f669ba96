// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

int opaquePixels(const QPixmap &picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128;
    return opaque;
}

// Whether the application had a window icon when `window` was first painted.
struct FirstPaint : QObject
{
    explicit FirstPaint(QWidget *window) { window->installEventFilter(this); }
    bool seen = false;
    bool hadIcon = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            hadIcon = !QGuiApplication::windowIcon().isNull();
        }
        return false;
    }
};

} // namespace

class tst_identity : public QObject
{
    Q_OBJECT

private slots:
    // The build tree's own picture, whatever icon theme this machine has.
    void initTestCase() { QIcon::setThemeSearchPaths({}); }

    void iconDrawnOncePerSize_data()
    {
        QTest::addColumn<QList<int>>("sides");
        // What Qt's X11 code asks for an icon of no size of its own, twice
        // as it makes a window; at a scale of 2 in device pixels.
        QTest::newRow("scale 1") << QList<int>{16, 32, 64, 128, 16, 32, 64, 128};
        QTest::newRow("scale 2") << QList<int>{32, 64, 128, 256, 32, 64, 128, 256};
    }

    // Mirrit is read once: once the first size is drawn, the SVG can be
    // gone and every other size still shows Mirrit. A size asked again is
    // the same drawing.
    void iconDrawnOncePerSize()
    {
        QFETCH(QList<int>, sides);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("ico"));
        const QString svg = folder.filePath("ico/mirrit.svg");
        QVERIFY(QFile::copy("ico/mirrit.svg", svg));
        const QString built = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(built); });

        const QIcon icon = gameIcon();
        QHash<int, qint64> drawn;
        for (int side : sides) {
            const QPixmap picture = icon.pixmap(QSize(side, side));
            QFile::remove(svg);
            QCOMPARE(picture.size(), QSize(side, side));
            QVERIFY2(opaquePixels(picture) > side * side / 8, qPrintable(QString::number(side)));
            QCOMPARE(picture.cacheKey(), drawn.value(side, picture.cacheKey()));
            drawn.insert(side, picture.cacheKey());
        }
    }

    // The desktop id is there before any window is made, for Wayland's app id
    // and the X11 property set as each window is created; the icon only once
    // the first window has been painted.
    void identityAtOnceIconAfterFirstFrame()
    {
        QGuiApplication::setWindowIcon(QIcon());
        takeDesktopIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(DESKTOP_ID));
        QVERIFY(QGuiApplication::windowIcon().isNull());

        QWidget window;
        window.resize(200, 100);
        FirstPaint paint(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!QGuiApplication::windowIcon().isNull());
        QVERIFY(paint.seen);
        QVERIFY(!paint.hadIcon);
    }
};

QTEST_MAIN(tst_identity)
#include "tst_identity.moc"
