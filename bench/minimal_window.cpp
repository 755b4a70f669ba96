// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// An empty 640 by 480 main window with a menu bar: what any Qt widget program
// costs before it does anything of its own.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(640, 480);
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.show();
    return application.exec();
}
