// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as its main() starts it, with a stopwatch on its clock.
//
//   bench_game --timing FILE    lets the demonstration run once and rest,
//                               then plays one watching match, and writes
//                               how late each step fired to FILE
//   bench_game --timing FILE --quick
//                               the same with the watching match chosen
//                               just after the demonstration's first step

#include "app/dorvek.h"
#include "app/translation.h"
#include "services/step_clock.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double monotonicMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

struct Arming
{
    double armedAt;
    double base; // when the step that armed it began
    QByteArray step;
    QByteArray by;
    int ms;
};

struct Firing
{
    Arming arming;
    double firedAt;
};

Dorvek *window = nullptr;
QHash<const QTimer *, Arming> pending;
QList<Firing> fired;
double stepBegan = -1;
QByteArray stepRunning;

// The watching match is chosen a second after the demonstration has begun a
// run: its first (quick) or the one after its rest. The measurement ends as
// the demonstration comes back after the match.
int runsBeforeMatch = 2;
int runs = 0;
double matchBegan = 0;
double matchEnded = 0;

QByteArray stepName(const char *member)
{
    QByteArray name(member + 1); // past SLOT()'s code digit
    return name.left(name.indexOf('('));
}

void beginStep(const QByteArray &name, double at)
{
    stepBegan = at;
    stepRunning = name;
}

void chooseWatching()
{
    matchBegan = monotonicMs();
    beginStep("menu: computer vs computer", matchBegan);
    window->action_watching->trigger();
}

void countRuns(const QByteArray &step, double at)
{
    if (step != "demo_talk1" && step != "timer_demo")
        return;
    ++runs;
    if (runs == runsBeforeMatch) {
        QTimer::singleShot(1000, window, &chooseWatching);
    } else if (runs == runsBeforeMatch + 1) {
        matchEnded = at;
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
}

void fire(const QTimer *timer, double at)
{
    const auto arming = pending.constFind(timer);
    if (arming == pending.constEnd()) {
        std::fprintf(stderr, "bench: a timer fired that was never armed\n");
        std::exit(1);
    }
    fired.append({*arming, at});
    beginStep(arming->step, at);
    countRuns(arming->step, at);
    pending.erase(arming);
}

void observe(StepClock::Event event, const QTimer *timer, const char *member, int ms)
{
    const double now = monotonicMs();
    if (event == StepClock::Event::Fired) {
        fire(timer, now);
        return;
    }
    // timer_demo is the game's one timer object.
    const QByteArray step = member ? stepName(member) : QByteArray("timer_demo");
    // Armed outside any step (the window being built): counted from here.
    pending.insert(timer, {now, stepBegan < 0 ? now : stepBegan, step, stepRunning, ms});
}

// timer_demo runs demo_talk1() through its own connection, made before any
// of ours; its timer event comes first.
class TimerWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            fire(static_cast<QTimer *>(watched), monotonicMs());
        return false;
    }
};

void writeResults(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    QTextStream out(&file);
    out << "# step\tarmed by\tnominal ms\tlate ms (from the arming step's start)\tlate ms (from arming)"
           "\tat s\n";
    for (const Firing &f : fired) {
        const Arming &a = f.arming;
        out << a.step << '\t' << (a.by.isEmpty() ? QByteArray("start-up") : a.by) << '\t' << a.ms
            << '\t' << QString::number(f.firedAt - (a.base + a.ms), 'f', 3) << '\t'
            << QString::number(f.firedAt - (a.armedAt + a.ms), 'f', 3) << '\t'
            << QString::number(f.firedAt / 1000 - fired.first().arming.armedAt / 1000, 'f', 3)
            << '\n';
    }
    out << "watching-match\tmenu\t33500\t"
        << QString::number(matchEnded - matchBegan - 33500, 'f', 3) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3 || std::strcmp(argv[1], "--timing") != 0) {
        std::fprintf(stderr, "usage: bench_game --timing FILE [--quick]\n");
        return 2;
    }
    if (argc > 3 && std::strcmp(argv[3], "--quick") == 0)
        runsBeforeMatch = 1;

    QApplication application(argc, argv);
    QTranslator translator;
    installJapaneseTranslation(application, translator, QLocale::system());
    StepClock::observe(&observe);

    Dorvek game;
    window = &game;
    TimerWatch timerWatch;
    game.timer_demo->installEventFilter(&timerWatch);

    game.show();
    const int status = application.exec();
    writeResults(QString::fromLocal8Bit(argv[2]));
    StepClock::observe(nullptr);
    return status;
}
