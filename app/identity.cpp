// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QPlatformSurfaceEvent>
#include <QSvgRenderer>
#include <QWindow>

#ifdef DORVEK_HAS_XCB
#include <xcb/xcb.h>
#endif

namespace {

class VectorIcon final : public QIconEngine
{
public:
    explicit VectorIcon(const QString &file)
        : m_file(file)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(m_file).render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }

    QIconEngine *clone() const override { return new VectorIcon(m_file); }

private:
    QString m_file;
};

#ifdef DORVEK_HAS_XCB
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

// Qt gives the desktop file name to Wayland compositors but not to X11
// window managers; KDE's reads it from this property, set on each window
// as it is created (the dialogs too, so they group with the game).
class X11DesktopFile : public QObject
{
public:
    X11DesktopFile(QGuiApplication &application, xcb_connection_t *connection)
        : QObject(&application)
        , m_connection(connection)
        , m_property(atom(m_connection, "_KDE_NET_WM_DESKTOP_FILE"))
        , m_utf8(atom(m_connection, "UTF8_STRING"))
    {
        application.installEventFilter(this);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::PlatformSurface && object->isWindowType()
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                == QPlatformSurfaceEvent::SurfaceCreated) {
            const QByteArray id(DESKTOP_ID);
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE,
                                xcb_window_t(static_cast<QWindow *>(object)->winId()), m_property, m_utf8,
                                8, uint32_t(id.size()), id.constData());
            xcb_flush(m_connection);
        }
        return false;
    }

private:
    xcb_connection_t *m_connection;
    xcb_atom_t m_property;
    xcb_atom_t m_utf8;
};
#endif

}

QIcon game_icon()
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

void take_desktop_identity()
{
    // Becomes the Wayland app id; the X11 WM_CLASS stays the program's
    // name, which the entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DESKTOP_ID));
    QGuiApplication::setWindowIcon(game_icon());
#ifdef DORVEK_HAS_XCB
    // The offscreen platform answers as an X11 one too, with no connection.
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    auto *x11 = application ? application->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        new X11DesktopFile(*application, x11->connection());
#endif
}
