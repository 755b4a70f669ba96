// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/font_reader.h"
#include "app/identity.h"
#include "app/translation.h"
#include "services/pictures.h"
#include "services/surroundings.h"
#include "services/trace.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    guardStandardStreamsAndSessionBus();
    // Anything else printed to standard output must not sit in a buffer
    // behind the trace, which is written straight to the descriptor.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int result;
    {
        FontReader fonts;
        QApplication application(argc, argv);
        fonts.applicationExists();
        if (!enterInstalledDataFolder()) {
            fonts.wait();
            return 1;
        }
        takeDesktopIdentity();
        QTranslator translator;
        installJapaneseTranslation(application, translator, QLocale::system());
        Pictures::readAhead(Dorvek::openingPictures());

        Dorvek window;
        fonts.wait();
        window.show();
        result = application.exec();
    }
    // A reader that was slow may still take the last lines; one that has
    // stopped does not hold up the end.
    TraceWriter::flushWhatCanGo();
    return result;
}
