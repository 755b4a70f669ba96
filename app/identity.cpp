// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"

#ifdef DORVEK_HAS_XCB
#include "app/identity_x11.h"
#endif

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>
#include <QWindow>

#include <map>
#include <memory>
#include <utility>

namespace {

// The mascot drawn from its SVG. Window managers ask for several sizes, and
// again whenever a window of the game is created: the document is read once,
// on the first ask, and each size is drawn once. Copies of the icon share
// both.
class VectorIcon final : public QIconEngine
{
public:
    explicit VectorIcon(const QString &file)
        : m_drawings(std::make_shared<Drawings>())
    {
        m_drawings->file = file;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QPixmap &drawn = m_drawings->sizes[{size.width(), size.height()}];
        if (drawn.isNull() && !size.isEmpty()) {
            if (!m_drawings->document)
                m_drawings->document = std::make_unique<QSvgRenderer>(m_drawings->file);
            drawn = QPixmap(size);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            m_drawings->document->render(&painter, drawn.rect());
        }
        return drawn;
    }

    QIconEngine *clone() const override { return new VectorIcon(*this); }

private:
    struct Drawings
    {
        QString file;
        std::unique_ptr<QSvgRenderer> document;
        std::map<std::pair<int, int>, QPixmap> sizes;
    };
    std::shared_ptr<Drawings> m_drawings;
};

// Gives the game its window icon once the first window has been exposed and
// painted: a player sees no icon in the first frame, and finding the theme's
// icon and drawing every size a window manager asks for would hold that frame
// back. Window managers, docks and task bars follow the icon when it changes.
class IconAfterFirstFrame : public QObject
{
public:
    explicit IconAfterFirstFrame(QCoreApplication *application)
        : QObject(application)
    {
        application->installEventFilter(this);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        // The window paints and hands its frame to the display while this
        // expose is delivered; what is queued now comes after.
        if (event->type() == QEvent::Expose && object->isWindowType()
            && static_cast<QWindow *>(object)->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(gameIcon());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

QIcon gameIcon()
{
    // Run from the build tree there is no theme icon; the picture beside the
    // game is the same mascot, and its SVG renders sharp at any size a
    // window manager asks for. It is drawn here rather than by Qt's SVG icon
    // plugin, which not every system has installed.
    const QFileInfo svg(QStringLiteral("ico/mirrit.svg"));
    const QFileInfo png(QStringLiteral("ico/mirrit.png"));
    QIcon own;
    if (svg.isFile())
        own = QIcon(new VectorIcon(svg.filePath()));
    else if (png.isFile())
        own.addFile(png.filePath());
    return QIcon::fromTheme(QString::fromLatin1(DESKTOP_ID), own);
}

void takeDesktopIdentity()
{
    // Becomes the Wayland app id; the X11 WM_CLASS stays the program's
    // name, which the entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DESKTOP_ID));
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application)
        return;
#ifdef DORVEK_HAS_XCB
    nameDesktopEntryOnX11Windows(*application, DESKTOP_ID);
#endif
    new IconAfterFirstFrame(application);
}
