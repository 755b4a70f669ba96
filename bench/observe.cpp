// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a program's start from outside, as the X server sees it: starts the
// program, notes when its first top-level window is mapped and when anything
// is first drawn into that window (its first painted frame), then reads the
// program's resident memory a while later and ends it. The program is not
// changed or told anything, so the shipped binary is timed as a player
// starts it.
//
//   bench_observe [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]
//
// Where it may, it runs at a real-time priority that the program does not
// inherit: on a busy machine the work a program does just after its first
// frame would otherwise delay the noting of that frame.
//
// Prints one line: "map-ms <t> frame-ms <t> cpu-ms <t> rss-kib <n>": the
// times counted from just before the program was started; the processor
// time its threads had used by the first frame, which a busy machine
// disturbs far less than the wall-clock times; the memory MS milliseconds
// (1000 unless told) after the first frame. Exits 1 when the program shows
// no frame within the timeout (20 s unless told) or ends before it.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long rssKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Processor time of all threads of a process, from the scheduler's own
// nanosecond count.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double sum = 0;
    while (const dirent *task = readdir(folder)) {
        if (task->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + task->d_name + "/schedstat");
        double ns = 0;
        if (stat >> ns)
            sum += ns / 1e6;
    }
    closedir(folder);
    return sum;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: bench_observe [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    double settle = 1000;
    double timeout = 20000;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; first += 2) {
        if (first + 1 >= argc)
            return usage();
        if (std::strcmp(argv[first], "--settle") == 0)
            settle = std::atof(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0)
            timeout = std::atof(argv[first + 1]);
        else
            return usage();
    }
    if (first + 1 >= argc)
        return usage();
    char **program = argv + first + 1;

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bench_observe: no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "bench_observe: the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server is listening for the new windows before the
    // program can make one.
    if (xcb_generic_error_t *error = xcb_request_check(
            x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "bench_observe: cannot watch the root window (error %d)\n",
                     error->error_code);
        return 1;
    }

    sched_param priority{};
    priority.sched_priority = 20;
    sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &priority);

    const double started = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(x));
        // The game's trace and Qt's messages would mix with the results.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(program[0], program);
        std::perror(program[0]);
        _exit(127);
    }

    // Every new top-level gets a damage watch as it is created: Qt makes some
    // it never maps, and the one that is mapped first is the program's window.
    std::map<xcb_window_t, xcb_damage_damage_t> watched;
    xcb_window_t shown = XCB_NONE;
    double mapped = -1;
    double framed = -1;
    double used = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (framed < 0) {
        const double left = started + timeout - nowMs();
        if (left <= 0 || waitpid(child, nullptr, WNOHANG) == child)
            break;
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x))
                break;
            poll(&fd, 1, int(left < 50 ? left : 50) + 1);
            continue;
        }
        const double at = nowMs();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == root && !created->override_redirect) {
                const xcb_damage_damage_t id = xcb_generate_id(x);
                xcb_damage_create(x, id, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(x);
                watched[created->window] = id;
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (shown == XCB_NONE && watched.count(map->window)) {
                shown = map->window;
                mapped = at;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (shown != XCB_NONE && drawn->drawable == shown) {
                framed = at;
                used = cpuMs(child);
            }
        }
        free(event);
    }

    int status = 1;
    if (framed >= 0) {
        while (nowMs() < framed + settle && waitpid(child, nullptr, WNOHANG) == 0)
            usleep(10000);
        const long rss = rssKib(child);
        if (rss > 0) {
            std::printf("map-ms %.2f frame-ms %.2f cpu-ms %.2f rss-kib %ld\n", mapped - started,
                        framed - started, used, rss);
            status = 0;
        } else {
            std::fprintf(stderr, "bench_observe: %s ended before its memory was read\n",
                         program[0]);
        }
    } else {
        std::fprintf(stderr, "bench_observe: %s showed no frame\n", program[0]);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
