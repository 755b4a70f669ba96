// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/identity.h"
#include "app/translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The trace is there to show what happened, also through a pipe or into
    // a file and when the game dies by a signal, so nothing waits in a
    // buffer. Line buffering would not do: the deck listing ends without a
    // newline and would stay unwritten until the next step prints.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication application(argc, argv);
    take_desktop_identity();
    QTranslator translator;
    install_japanese_translation(application, translator, QLocale::system());

    Dorvek window;
    window.show();
    return application.exec();
}
