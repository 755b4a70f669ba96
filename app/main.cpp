// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/identity.h"
#include "app/translation.h"
#include "services/surroundings.h"
#include "services/trace.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    settle_into_surroundings();
    // Anything else printed to standard output must not sit in a buffer
    // behind the trace, which is written straight to the descriptor.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int result;
    {
        QApplication application(argc, argv);
        take_desktop_identity();
        QTranslator translator;
        install_japanese_translation(application, translator, QLocale::system());

        Dorvek window;
        window.show();
        result = application.exec();
    }
    // A reader that was slow may still take the last lines; one that has
    // stopped does not hold up the end.
    trace_writer::flush_what_can_go();
    return result;
}
