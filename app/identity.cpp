// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>

QIcon game_icon()
{
    // Run from the build tree there is no theme icon; the picture beside the
    // game is the same mascot, and its SVG renders sharp at any size a
    // window manager asks for.
    QIcon own;
    const QString svg = QStringLiteral("ico/mirrit.svg");
    own.addFile(QFile::exists(svg) ? svg : QStringLiteral("ico/mirrit.png"));
    return QIcon::fromTheme(QString::fromLatin1(DESKTOP_ID), own);
}

void take_desktop_identity()
{
    // Becomes the Wayland app id and _KDE_NET_WM_DESKTOP_FILE on X11; the X11
    // WM_CLASS stays the program's name, which the entry's StartupWMClass
    // names.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DESKTOP_ID));
    QGuiApplication::setWindowIcon(game_icon());
}
