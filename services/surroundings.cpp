// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/surroundings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if defined(__unix__)
// A closed 0, 1 or 2 would be handed to the next file or connection opened,
// the display's among them: the trace would then be written into the X
// protocol and the window would never come. /dev/null keeps those numbers
// taken; whatever the game prints there is simply gone.
void reopenClosedStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened < 0 || opened == fd)
            continue;
        dup2(opened, fd);
        close(opened);
    }
}

// Without an address libdbus looks for the user's bus in the runtime folder
// and, failing that, autolaunches a bus daemon of its own for the X display,
// which outlives the game. A screen reader can only listen on a bus that was
// there before the game, so where there is none the game asks for none.
void forgoAutolaunchedSessionBus()
{
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR")) {
        struct stat bus;
        const std::string path = std::string(runtime) + "/bus";
        if (stat(path.c_str(), &bus) == 0 && S_ISSOCK(bus.st_mode))
            return;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}
#endif

} // namespace

void guardStandardStreamsAndSessionBus()
{
#if defined(__unix__)
    reopenClosedStandardStreams();
    // A reader of the trace that goes away must not end the game: the write
    // then fails with EPIPE and the trace stops on its own.
    std::signal(SIGPIPE, SIG_IGN);
    forgoAutolaunchedSessionBus();
#endif
}

bool enterInstalledDataFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    QFile named(program.filePath(QStringLiteral("data-folder")));
    // Only a regular file is opened: a FIFO there would hold the game in open().
    if (!QFileInfo(named).isFile())
        return true;
    const QString folder = named.open(QIODevice::ReadOnly)
                               ? program.filePath(QString::fromUtf8(named.readLine(4096)).trimmed())
                               : QString();
    if (!folder.isEmpty() && QDir::setCurrent(folder))
        return true;
    std::fprintf(stderr, "dorvek: cannot enter the game's data folder named in %s\n",
                 qPrintable(QDir::toNativeSeparators(named.fileName())));
    return false;
}
