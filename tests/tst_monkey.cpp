// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Random players: whatever they click, whenever they click it, the game keeps
// its promises and its timeline. Every run is seeded; a failure names its
// seed and the actions that led to it.

#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/match_state.h"
#include "support/monkey.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <array>
#include <functional>
#include <optional>
#include <random>

namespace {

enum Act {
    NextStep,
    Pause,
    ChooseWatching,
    ChooseFreePlay,
    GetCard,
    StopCard,
    OpenSettings,
    PickSound,
    PickColour,
    SettingsOk,
    SettingsAway,
    OpenVersion,
    VersionAway,
    CloseFromMenu,
    CloseWindow,
    ActCount
};

struct Profile
{
    std::array<int, ActCount> weights;
    int longestPause; // ms
};

class Monkey
{
public:
    using Invariant = std::function<QString(const Dorvek &)>;

    Monkey(quint32 seed, const Profile &profile, Invariant extra = {})
        : m_seed(seed)
        , m_profile(profile)
        , m_extra(std::move(extra))
        , m_random(seed)
        , m_deckRandom(seed ^ 0x5eedu)
        , m_pick(profile.weights.begin(), profile.weights.end())
    {
        m_game.emplace();
    }

    // Plays until `matches` have ended or the player closes the game; false
    // once a promise is broken, with failure() telling the story.
    bool play(int matches);
    int matchesPlayed() const { return m_matches; }
    int matchesEntered(int mode) const { return m_entered[mode]; }
    bool closed() const { return m_closed; }
    const QString &failure() const { return m_failure; }

private:
    void act(Act what);
    void wait(qint64 ms);
    void afterSteps();
    bool check(Act what);
    void note(const QString &action);
    void closeAttempt(bool fromMenu);
    void choose(QAction *entry, const QString &name);
    void press(QPushButton *button, const QString &name);
    bool pickEither(QRadioButton *first, QRadioButton *second, const QString &firstNote,
                    const QString &secondNote);
    bool chance(int percent) { return int(m_random() % 100) < percent; }

    quint32 m_seed;
    Profile m_profile;
    Invariant m_extra;
    std::mt19937 m_random;
    std::mt19937 m_deckRandom;
    std::discrete_distribution<int> m_pick;
    RandomSourceOverride m_deckNumbers{[this] { return int(m_deckRandom() >> 1); }};
    std::optional<Game> m_game; // made once the deck's numbers are seeded

    QStringList m_recent;
    QString m_failure;
    int m_matches = 0;
    int m_entered[3] = {};
    bool m_closed = false;

    // What the player knows from watching, independent of the game's code.
    bool m_turn = false;
    int m_mode = MODE_DEMO;
    int m_round = 0;
    int m_stops = 0;
    qint64 m_due = -1; // when the next player's turn or the match's end must come
    int m_seenSteps = 0;
    bool m_soundChoice = true;
    bool m_darkChoice = false;
    int m_soundOn = 1;
    int m_backColor = 0;
    qsizetype m_soundsHeard = 0;
    QString m_broken;
};

bool Monkey::play(int matches)
{
    Dorvek &w = *m_game->window;
    w.show();
    note(QStringLiteral("start"));
    int moves = 0;
    while (m_failure.isEmpty() && !m_closed && m_matches < matches) {
        const int ended = m_matches;
        act(Act(m_pick(m_random)));
        moves = m_matches == ended ? moves + 1 : 0;
        if (moves > 50000)
            m_failure = QStringLiteral("no match has ended in 50000 moves");
    }
    if (!m_failure.isEmpty())
        m_failure = QStringLiteral(
                        "seed %1 at %2 ms (matches ended so far: %3): %4\n  last actions:\n    %5")
                        .arg(m_seed)
                        .arg(m_game->clock.now())
                        .arg(m_matches)
                        .arg(m_failure, m_recent.join(QStringLiteral("\n    ")));
    return m_failure.isEmpty();
}

void Monkey::note(const QString &action)
{
    m_recent << QStringLiteral("%1 ms, Play_mode %2: %3")
                    .arg(m_game->clock.now())
                    .arg(Play_mode)
                    .arg(action);
    if (m_recent.size() > 12)
        m_recent.removeFirst();
}

void Monkey::act(Act what)
{
    Dorvek &w = *m_game->window;
    config_dorvek &settings = *w.config_dialog;
    const bool turnBefore = m_turn;
    // Without the settings open, what is done in them is no move at all.
    const bool inSettings = what == PickSound || what == PickColour || what == SettingsOk
                            || what == SettingsAway;
    if (inSettings && !settings.isVisible())
        return;
    switch (what) {
    case NextStep:
        note(QStringLiteral("waits for the next step"));
        m_game->clock.runNext();
        afterSteps();
        break;
    case Pause: {
        const qint64 ms = qint64(m_random() % quint32(m_profile.longestPause + 1));
        note(QStringLiteral("waits %1 ms").arg(ms));
        wait(ms);
        break;
    }
    case ChooseWatching:
        choose(w.action_watching, QStringLiteral("watching mode"));
        break;
    case ChooseFreePlay:
        choose(w.action_free_play, QStringLiteral("free play"));
        break;
    case GetCard:
        press(w.button_get_card, QStringLiteral("more Get card"));
        break;
    case StopCard:
        press(w.button_stop_card, QStringLiteral("Stop card"));
        m_turn = false;
        break;
    case OpenSettings:
        choose(w.action_config, QStringLiteral("the settings"));
        break;
    case PickSound:
        m_soundChoice = pickEither(settings.radio_sound_on, settings.radio_sound_off,
                                   QStringLiteral("picks sound on"),
                                   QStringLiteral("picks sound off"));
        break;
    case PickColour:
        m_darkChoice = pickEither(settings.radio_dark_green, settings.radio_green,
                                  QStringLiteral("picks dark green"),
                                  QStringLiteral("picks plain green"));
        break;
    case SettingsOk:
        note(QStringLiteral("confirms the settings"));
        settings.button_ok->click();
        m_soundOn = m_soundChoice ? 1 : 0;
        m_backColor = m_darkChoice ? 1 : 0;
        break;
    case SettingsAway:
        note(QStringLiteral("leaves the settings without OK"));
        if (chance(50))
            settings.close();
        else
            QTest::keyClick(&settings, Qt::Key_Escape);
        break;
    case OpenVersion:
        choose(w.action_version, QStringLiteral("the version box"));
        break;
    case VersionAway:
        if (!w.version_dialog->isVisible())
            return;
        note(QStringLiteral("leaves the version box"));
        if (chance(50))
            w.version_dialog->button_ok->click();
        else
            w.version_dialog->close();
        break;
    case CloseFromMenu:
    case CloseWindow:
        closeAttempt(what == CloseFromMenu);
        break;
    case ActCount:
        break;
    }
    // A stop press counts only inside a turn; the game must have taken it.
    if (what == StopCard && turnBefore)
        m_due = m_game->clock.now() + (++m_stops < 3 ? 14500 : 15200);
    if (m_failure.isEmpty() && !check(what))
        m_failure = m_broken;
}

void Monkey::choose(QAction *entry, const QString &name)
{
    note(QStringLiteral("chooses %1 (enabled %2)").arg(name).arg(entry->isEnabled()));
    entry->trigger();
}

// A press as a player makes it: through the button, or with the mouse.
void Monkey::press(QPushButton *button, const QString &name)
{
    note(QStringLiteral("presses %1 (enabled %2)").arg(name).arg(button->isEnabled()));
    if (chance(50))
        button->click();
    else
        QTest::mouseClick(button, Qt::LeftButton);
}

// Either of two radio buttons at even odds; true when it was the first.
bool Monkey::pickEither(QRadioButton *first, QRadioButton *second, const QString &firstNote,
                        const QString &secondNote)
{
    const bool firstPicked = chance(50);
    note(firstPicked ? firstNote : secondNote);
    (firstPicked ? first : second)->click();
    return firstPicked;
}

// The player sits back; the game is checked after every stretch in which at
// most one step of each chain can fall due.
void Monkey::wait(qint64 ms)
{
    const qint64 end = m_game->clock.now() + ms;
    while (m_failure.isEmpty() && m_game->clock.now() < end) {
        m_game->clock.advanceTo(std::min(end, m_game->clock.now() + 400));
        afterSteps();
        if (!check(Pause))
            m_failure = m_broken;
    }
}

// Follows the steps that have run, as a player watching the screen would.
void Monkey::afterSteps()
{
    const QList<SimClock::Fired> &history = m_game->clock.history();
    for (; m_seenSteps < history.size(); ++m_seenSteps) {
        const SimClock::Fired &step = history[m_seenSteps];
        if (step.slot == "player_turn" && m_mode == MODE_FREE_PLAY) {
            if (step.time != m_due && m_broken.isEmpty())
                m_broken = QStringLiteral("the player's turn came at %1 ms, due at %2 ms")
                               .arg(step.time)
                               .arg(m_due);
            m_turn = true;
        } else if (step.slot == "Gameover_unshow") {
            if (step.time != m_due && m_broken.isEmpty())
                m_broken = QStringLiteral("the match ended at %1 ms, due at %2 ms")
                               .arg(step.time)
                               .arg(m_due);
            ++m_matches;
            note(QStringLiteral("sees match %1 end").arg(m_matches));
        }
    }
    if (history.size() > 4096) {
        m_game->clock.clearHistory();
        m_seenSteps = 0;
    }
}

bool Monkey::check(Act what)
{
    const Dorvek &w = *m_game->window;
    if (m_broken.isEmpty())
        m_broken = brokenInvariant(w, m_game->clock, m_turn);

    // Play_mode moves only at mode entry and at the end of a match.
    if (m_broken.isEmpty() && Play_mode != m_mode) {
        const bool entered = m_mode == MODE_DEMO
                             && ((what == ChooseWatching && Play_mode == MODE_WATCHING)
                                 || (what == ChooseFreePlay && Play_mode == MODE_FREE_PLAY));
        const bool ended = Play_mode == MODE_DEMO && (what == NextStep || what == Pause);
        if (entered) {
            ++m_entered[Play_mode];
            m_stops = 0;
            m_due = m_game->clock.now() + (Play_mode == MODE_WATCHING ? 28500 : 12000);
        } else if (!ended) {
            m_broken = QStringLiteral("Play_mode went from %1 to %2").arg(m_mode).arg(Play_mode);
        }
    }
    // Free play counts its rounds up, then 0 once the match is judged.
    if (m_broken.isEmpty() && Play_mode == MODE_FREE_PLAY && m_mode == MODE_FREE_PLAY
        && Round_count != m_round && Round_count != m_round + 1
        && !(m_round == 3 && Round_count == 0))
        m_broken = QStringLiteral("Round_count went from %1 to %2").arg(m_round).arg(Round_count);

    const config_dorvek &settings = *w.config_dialog;
    if (m_broken.isEmpty()
        && (settings.sound_on != m_soundOn || settings.back_color != m_backColor))
        m_broken = QStringLiteral("settings sound %1, colour %2; OK gave %3, %4")
                       .arg(settings.sound_on)
                       .arg(settings.back_color)
                       .arg(m_soundOn)
                       .arg(m_backColor);
    const qsizetype heard = m_game->sounds.played().size();
    if (m_broken.isEmpty() && m_soundOn == 0 && heard != m_soundsHeard)
        m_broken = QStringLiteral("%1 played with the sound off")
                       .arg(m_game->sounds.played().last().file);
    m_soundsHeard = heard;

    if (m_broken.isEmpty() && QApplication::activeModalWidget())
        m_broken = QStringLiteral("a modal box stayed open");
    if (m_broken.isEmpty() && m_extra)
        m_broken = m_extra(w);

    m_mode = Play_mode;
    m_round = Round_count;
    return m_broken.isEmpty();
}

void Monkey::closeAttempt(bool fromMenu)
{
    Dorvek &w = *m_game->window;
    const int mode = Play_mode;
    BoxAnswerer answerer([this](const QMessageBox &box) {
        if (!box.button(QMessageBox::Yes))
            return QMessageBox::Ok;
        return chance(50) ? QMessageBox::Yes : QMessageBox::No;
    });
    if (fromMenu)
        w.action_close->trigger();
    else
        w.close();

    QStringList asked, said;
    QList<QMessageBox::StandardButton> answers;
    for (const BoxAnswerer::Seen &box : answerer.seen()) {
        asked << box.text;
        answers << box.answer;
        said << box.text + QStringLiteral(" -> ")
                    + (box.answer == QMessageBox::Yes  ? "Yes"
                       : box.answer == QMessageBox::No ? "No"
                                                       : "Ok");
    }
    note(QStringLiteral("tries to close by %1: %2")
             .arg(fromMenu ? "the menu" : "the window's button", said.join(QStringLiteral(", "))));

    const bool allYes = !answers.isEmpty()
                        && std::all_of(answers.begin(), answers.end(),
                                       [](auto b) { return b == QMessageBox::Yes; });
    // The menu asks once more when the window itself is told to close.
    const bool idle = mode == MODE_DEMO;
    const int questions = idle && fromMenu && answers.value(0) == QMessageBox::Yes ? 2 : 1;
    const bool shouldClose = idle && allYes;
    const QString expectedText = idle ? QStringLiteral("are u ready finish?")
                                      : QStringLiteral("Now on Play");
    if (asked.size() != questions || asked.count(expectedText) != questions)
        m_broken = QStringLiteral("closing asked %1").arg(asked.join(QStringLiteral(", ")));
    else if (w.isVisible() == shouldClose)
        m_broken = QStringLiteral("the window is %1").arg(w.isVisible() ? "still open" : "closed");
    else if (shouldClose && (w.config_dialog->isVisible() || w.version_dialog->isVisible()))
        m_broken = QStringLiteral("a dialog outlived the window");
    m_closed = shouldClose && m_broken.isEmpty();
}

const Profile profiles[] = {
    //  step pause watch free  get stop open sound colour ok away ver  away menu window
    {{{30, 20, 6, 6, 8, 8, 2, 2, 2, 1, 1, 1, 1, 1, 1}}, 6000},
    {{{10, 30, 8, 8, 20, 20, 3, 3, 3, 2, 2, 2, 2, 1, 1}}, 300},
    {{{40, 30, 4, 4, 4, 6, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, 25000},
    {{{20, 15, 5, 5, 6, 6, 10, 10, 10, 6, 6, 6, 6, 3, 3}}, 2000},
};
const char *const profileNames[] = {"even-handed", "hasty", "dawdler", "fiddler"};

quint32 firstSeed(quint32 fallback)
{
    bool given = false;
    const quint32 seed = qEnvironmentVariable("DORVEK_MONKEY_SEED").toUInt(&given);
    return given ? seed : fallback;
}

} // namespace

class tst_monkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomPlayers_data();
    void randomPlayers();
    void brokenPromiseNamesItsSeed();
};

namespace {
QtMessageHandler platformHandler = nullptr;
}

// The offscreen platform warns each time a fixed-size dialog is shown, which
// the monkey does hundreds of times; a failure must not drown in that.
void tst_monkey::initTestCase()
{
    platformHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                platformHandler(type, context, text);
        });
}

void tst_monkey::randomPlayers_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<quint32>("seed");
    for (int i = 0; i < int(std::size(profiles)); ++i)
        QTest::newRow(profileNames[i]) << i << firstSeed(1000u * quint32(i + 1));
}

// Fifty matches a profile; a run the player closes gives way to the next
// seed.
void tst_monkey::randomPlayers()
{
    QFETCH(int, profile);
    QFETCH(quint32, seed);
    int matches = 0;
    int entered[3] = {};
    int closings = 0;
    for (quint32 run = seed; matches < 50; ++run) {
        Monkey monkey(run, profiles[profile]);
        if (!monkey.play(50 - matches))
            QFAIL(qPrintable(
                QStringLiteral("%1\n  rerun: DORVEK_MONKEY_SEED=%2 ./tst_monkey randomPlayers:%3")
                    .arg(monkey.failure())
                    .arg(run)
                    .arg(QLatin1String(QTest::currentDataTag()))));
        matches += monkey.matchesPlayed();
        entered[MODE_WATCHING] += monkey.matchesEntered(MODE_WATCHING);
        entered[MODE_FREE_PLAY] += monkey.matchesEntered(MODE_FREE_PLAY);
        closings += monkey.closed();
    }
    qInfo("%d matches ended (%d watching, %d free play begun); %d runs ended by closing the game",
          matches, entered[MODE_WATCHING], entered[MODE_FREE_PLAY], closings);
    QVERIFY(entered[MODE_WATCHING] > 0 && entered[MODE_FREE_PLAY] > 0);
}

// A promise made false on purpose: the monkey reports it with its seed and
// the actions that led there, the same at every run.
void tst_monkey::brokenPromiseNamesItsSeed()
{
    const auto neverRoundThree = [](const Dorvek &) {
        return Round_count == 3 ? QStringLiteral("round 3 was reached") : QString();
    };
    const Profile freePlayOnly = {{{30, 10, 0, 20, 10, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, 2000};
    QString reports[2];
    for (QString &report : reports) {
        Monkey monkey(4242, freePlayOnly, neverRoundThree);
        QVERIFY(!monkey.play(5));
        report = monkey.failure();
    }
    QVERIFY2(reports[0].startsWith(QStringLiteral("seed 4242 at ")), qPrintable(reports[0]));
    QVERIFY2(reports[0].contains(QStringLiteral("round 3 was reached")), qPrintable(reports[0]));
    QCOMPARE(reports[0].count(QStringLiteral(" ms, Play_mode 2: ")), 12);
    QCOMPARE(reports[1], reports[0]);
}

QTEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
