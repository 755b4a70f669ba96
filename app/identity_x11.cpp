// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity_x11.h"

#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// Qt gives the desktop file name to Wayland compositors but not to X11
// window managers; KDE's reads it from this property. The dialogs carry it
// too, so they group with the game; menus and tool tips need not.
class X11DesktopFile : public QObject
{
public:
    X11DesktopFile(QGuiApplication &application, xcb_connection_t *connection, const char *id)
        : QObject(&application)
        , m_connection(connection)
        , m_id(id)
        // Both asked at once; the replies are read when a first window
        // needs them, by which time they have long arrived.
        , m_propertyAsked(ask(connection, "_KDE_NET_WM_DESKTOP_FILE"))
        , m_utf8Asked(ask(connection, "UTF8_STRING"))
    {
        application.installEventFilter(this);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::PlatformSurface || !object->isWindowType()
            || static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                   != QPlatformSurfaceEvent::SurfaceCreated)
            return false;
        auto *window = static_cast<QWindow *>(object);
        if (!window->isTopLevel() || (window->type() != Qt::Window && window->type() != Qt::Dialog))
            return false;
        if (!m_answered) {
            m_property = answer(m_propertyAsked);
            m_utf8 = answer(m_utf8Asked);
            m_answered = true;
        }
        if (m_property == XCB_ATOM_NONE || m_utf8 == XCB_ATOM_NONE)
            return false;
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                            m_property, m_utf8, 8, uint32_t(m_id.size()), m_id.constData());
        xcb_flush(m_connection);
        return false;
    }

private:
    static xcb_intern_atom_cookie_t ask(xcb_connection_t *connection, const char *name)
    {
        return xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    }

    xcb_atom_t answer(xcb_intern_atom_cookie_t asked) const
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, asked, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    xcb_connection_t *m_connection;
    QByteArray m_id;
    xcb_intern_atom_cookie_t m_propertyAsked;
    xcb_intern_atom_cookie_t m_utf8Asked;
    bool m_answered = false;
    xcb_atom_t m_property = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
};

} // namespace

void nameDesktopEntryOnX11Windows(QGuiApplication &application, const char *id)
{
    // The offscreen platform answers as an X11 one too, with no connection.
    auto *x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        new X11DesktopFile(application, x11->connection(), id);
}
