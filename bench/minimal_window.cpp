// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// An empty 640 by 480 main window with a menu bar: what any Qt widget program
// costs before it does anything of its own.

#include "first_frame.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>

int main(int argc, char *argv[])
{
    const bool quit = argc > 1 && std::strcmp(argv[1], "--first-frame") == 0;
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(640, 480);
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    FirstFrame frame(window, quit);
    window.show();
    return application.exec();
}
