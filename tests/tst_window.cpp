// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/harness.h"

#include "app/identity.h"
#include "cards/card_rules.h"
#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/match_state.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QtTest>

#include <cstdlib>
#include <ctime>

namespace {

std::string deckListing(const int *deck)
{
    std::string text;
    for (int i = 0; i < DECK_SIZE; ++i)
        text += "buf_card[" + std::to_string(i) + "]=" + std::to_string(deck[i])
                + (i % 4 == 1 ? ",\n" : ",");
    return text;
}

struct WatchedMatch
{
    QStringList screens; // every change of banners and totals, with its time
    QStringList steps;
    qsizetype sounds = 0;
};

WatchedMatch watchMatch(int soundOn)
{
    Game g;
    putDeck(deckWithValues({4, 6, 3, 9, 2, 7, 5, 1, 8, 10}));
    g.window->config_dialog->sound_on = soundOn;
    g.chooseWatching();
    const Dorvek &w = *g.window;
    auto state = [](const QLabel *l) { return (l->isHidden() ? "-" : "+") + l->text(); };
    WatchedMatch match;
    do {
        const QString line = QStringList{state(w.label_round), state(w.label_cpu_total),
                                         state(w.label_player_total), w.label_mode->text(),
                                         w.label_score->text()}
                                 .join('|');
        if (match.screens.isEmpty() || !match.screens.last().endsWith(' ' + line))
            match.screens << QString::number(g.clock.now()) + ' ' + line;
    } while (g.clock.history().value(g.clock.history().size() - 1).slot != "Gameover_unshow"
             && g.clock.runNext());
    for (const SimClock::Fired &step : g.clock.history())
        match.steps << QString::number(step.time) + ' ' + step.slot;
    match.sounds = g.sounds.played().size();
    return match;
}

struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *window) { window->installEventFilter(this); }
    int count = 0;
    // Waits until showing the window has stopped painting it.
    void settle()
    {
        for (int seen = -1; seen != count;) {
            seen = count;
            QTest::qWait(40);
        }
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

using Answers = QList<QMessageBox::StandardButton>;

} // namespace

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class tst_window : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists("gazo/UB0.png") && QFile::exists("ico/mirrit.png"),
                 "run from the build folder, where the pictures are generated");
    }

    void startupScreen()
    {
        Game g;
        Dorvek &w = *g.window;
        w.show();
        w.resize(800, 600);
        QCOMPARE(w.size(), QSize(640, 480));
        QCOMPARE(w.windowTitle(), QString("dorvek light"));
        QCOMPARE(w.label_score->text(), QString("Round:0 CPU=0,Player=0,tie=0"));
        QCOMPARE(w.label_mode->text(), QString("<Font color=red>Demo mode play</Font>"));
        QVERIFY(!pictureFile("gazo/UB0.png").isNull());
        QCOMPARE(pictureOf(w.label_deck), pictureFile("gazo/UB0.png"));
        QVERIFY(w.label_mascot_a->isVisible() && !w.label_mascot_a->mask().isEmpty());
        for (QLabel *hidden :
             {w.label_mascot_b, w.label_message, w.label_cpu_total, w.label_player_total})
            QVERIFY(!hidden->isVisible());
        QVERIFY(w.label_round->isVisible() && w.label_round->text().isEmpty());
        for (QLabel *place :
             cpuPlaces(w) + playerPlaces(w) + QList{w.label_cpu_spacer, w.label_player_spacer})
            QVERIFY(place->pixmap().isNull() && place->text().isEmpty());
        QVERIFY(!w.button_get_card->isEnabled() && !w.button_stop_card->isEnabled());

        const QList<QPair<QLabel *, int>> sizes = {
            {w.label_score, 20},     {w.label_mode, 13},         {w.label_round, 20},
            {w.label_cpu_total, 17}, {w.label_player_total, 17}, {w.label_message, 13}};
        for (const auto &[label, points] : sizes)
            QCOMPARE(label->font().pointSize(), points);
        QCOMPARE(int(w.label_message->font().weight()), int(QFont::Bold));
        QCOMPARE(w.label_message->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
        QCOMPARE(int(w.label_message->alignment()), int(Qt::AlignLeft | Qt::AlignBottom));
    }

    void demoTriggerFiresOnce()
    {
        Game g;
        QVERIFY(g.clock.timerArmed(g.window->timer_demo));
        g.clock.advance(9999);
        QVERIFY(g.window->label_message->isHidden());
        g.clock.advance(1);
        QVERIFY(!g.window->label_message->isHidden());
        QCOMPARE(g.window->label_message->text(), QString("I am Mirrit"));
        g.clock.advance(20000);
        QVERIFY(!g.clock.timerArmed(g.window->timer_demo));
        int triggers = 0;
        for (const SimClock::Fired &step : g.clock.history())
            triggers += step.slot == "timeout";
        QCOMPARE(triggers, 1);
    }

    void constructorTrace()
    {
        std::unique_ptr<Game> g;
        std::time_t second = 0;
        for (bool sameSecond = false; !sameSecond;) {
            g.reset(); // one capture at a time
            second = std::time(nullptr);
            g = std::make_unique<Game>();
            sameSecond = std::time(nullptr) == second;
        }
        std::srand(static_cast<unsigned>(second));
        Deck numbers;
        for (int &number : numbers)
            number = std::rand() % 52;
        const Deck deck = mixedDeck(numbers);

        int fresh[DECK_SIZE];
        for (int i = 0; i < DECK_SIZE; ++i)
            fresh[i] = i + 1;
        std::string expected = "Play_mode=0\n" + deckListing(fresh)
                               + "-------array_shuffle()--------\n";
        for (int i = 0; i < DECK_SIZE; ++i)
            expected += "r" + std::to_string(i + 1) + "=" + std::to_string(numbers[i])
                        + (i % 10 == 9 || i == DECK_SIZE - 1 ? "\n" : ",");
        expected += deckListing(deck.data());
        QCOMPARE(QString::fromStdString(g->trace.text()), QString::fromStdString(expected));

        using D = Dorvek;
        static constexpr int D::*r[DECK_SIZE] = {
            &D::r1,  &D::r2,  &D::r3,  &D::r4,  &D::r5,  &D::r6,  &D::r7,  &D::r8,  &D::r9,
            &D::r10, &D::r11, &D::r12, &D::r13, &D::r14, &D::r15, &D::r16, &D::r17, &D::r18,
            &D::r19, &D::r20, &D::r21, &D::r22, &D::r23, &D::r24, &D::r25, &D::r26, &D::r27,
            &D::r28, &D::r29, &D::r30, &D::r31, &D::r32, &D::r33, &D::r34, &D::r35, &D::r36,
            &D::r37, &D::r38, &D::r39, &D::r40, &D::r41, &D::r42, &D::r43, &D::r44, &D::r45,
            &D::r46, &D::r47, &D::r48, &D::r49, &D::r50, &D::r51, &D::r52};
        for (int i = 0; i < DECK_SIZE; ++i) {
            QCOMPARE(g->window.get()->*r[i], numbers[i]);
            QCOMPARE(buf_card[i], deck[i]);
        }
    }

    void backgroundColour_data()
    {
        QTest::addColumn<int>("backColor");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("green") << 0 << QColor(Qt::green);
        QTest::newRow("dark green") << 1 << QColor(Qt::darkGreen);
    }

    void backgroundColour()
    {
        QFETCH(int, backColor);
        QFETCH(QColor, fill);
        Game g;
        Dorvek &w = *g.window;
        w.show();
        w.config_dialog->back_color = backColor;
        const QImage screen = w.grab().toImage();
        int checked = 0;
        for (int y = w.menuBar()->geometry().bottom() + 5; y < 480; y += 24) {
            QVERIFY(w.childAt(0, y) == w.centralWidget());
            QCOMPARE(screen.pixelColor(0, y), QColor(Qt::black)); // the outline's left edge
            for (int x = 1; x < 640; x += 24) {
                if (w.childAt(x, y) == w.centralWidget()) {
                    QCOMPARE(screen.pixelColor(x, y), fill);
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 100);
    }

    void tableTextsKeepTheirInk_data()
    {
        QTest::addColumn<QPalette>("desktop");
        QTest::addColumn<int>("backColor");
        QPalette dark(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32));
        dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
        dark.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
        QPalette contrast(Qt::black, Qt::black);
        contrast.setColor(QPalette::WindowText, Qt::yellow);
        contrast.setColor(QPalette::ButtonText, Qt::white);
        QTest::newRow("dark scheme, green table") << dark << 0;
        QTest::newRow("dark scheme, dark green table") << dark << 1;
        QTest::newRow("high contrast, green table") << contrast << 0;
    }

    // The texts on the table are drawn darker than the table under any
    // desktop palette; the buttons keep the desktop's own.
    void tableTextsKeepTheirInk()
    {
        QFETCH(QPalette, desktop);
        QFETCH(int, backColor);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(desktop);
        auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        Game g;
        Dorvek &w = *g.window;
        w.config_dialog->back_color = backColor;
        w.label_round->setText("Round1");
        w.label_cpu_total->setText("CPU:15");
        w.label_message->setText("I am Mirrit");
        for (QLabel *label : {w.label_cpu_total, w.label_message})
            label->show();
        w.show();
        QCoreApplication::processEvents();
        QCOMPARE(w.button_get_card->palette().color(QPalette::ButtonText),
                 desktop.color(QPalette::ButtonText));

        const QImage screen = w.grab().toImage();
        const int table = qGray(QColor(backColor == 1 ? Qt::darkGreen : Qt::green).rgb());
        for (QLabel *label : {w.label_score, w.label_round, w.label_cpu_total, w.label_message}) {
            const QRect text = label->contentsRect().translated(label->mapTo(&w, QPoint()));
            int lightest = 0, darkest = 255;
            for (int y = text.top(); y <= text.bottom(); ++y)
                for (int x = text.left(); x <= text.right(); ++x) {
                    lightest = qMax(lightest, qGray(screen.pixel(x, y)));
                    darkest = qMin(darkest, qGray(screen.pixel(x, y)));
                }
            QVERIFY2(lightest <= table && darkest < table / 2, qPrintable(label->text()));
        }
        // The banner's own colours are its rich text's; its plain ink is the others'.
        QCOMPARE(w.label_mode->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // From the build tree, where no icon theme has it, the window icon is
    // the game's own picture, at any size a window manager asks for, and
    // Mirrit stands free in it: the desktop shows at its corners.
    void windowIcon()
    {
        const QIcon icon = gameIcon();
        for (int side : {16, 48, 256}) {
            const QImage image = icon.pixmap(side).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1),
                                        QPoint(side - 1, side - 1)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    // Docks, task bars and Wayland compositors find the desktop entry by the
    // id the application gives them.
    void desktopEntryNamed()
    {
        takeDesktopIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.DorvekLight"));
    }

    void fullTableFits_data()
    {
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QString>("score");
        // The widest score lines a match can reach under each banner.
        QTest::newRow("watching, CPU won with 15") << "<Font color=red>Watching mode Play</Font>"
                                                   << "Round:1 CPU=40,Player=0,tie=0";
        QTest::newRow("free play, final score") << "<Font color=green>Free Play1 mode</Font>"
                                                << "Round:3 CPU=80,Player=40,tie=0";
    }

    // Everything the window can show at once, each widget at its full size.
    void fullTableFits()
    {
        QFETCH(QString, banner);
        QFETCH(QString, score);
        Game g;
        Dorvek &w = *g.window;
        fillTable(w);
        w.label_cpu_total->setText("CPU:15");
        w.label_player_total->setText("Player:18");
        w.label_round->setText("It's CPU play now");
        w.label_mode->setText(banner);
        w.label_score->setText(score);
        w.label_message->setText("CPU cards is 10 and Player cards is 12");
        w.button_get_card->setEnabled(true);
        w.button_stop_card->setEnabled(true);
        const QString cramped = crampedTable(w, 21);
        QVERIFY2(cramped.isEmpty(), qPrintable(cramped));
        // The mascot's outline lies where its picture is drawn, in both places.
        for (QLabel *mascot : {w.label_mascot_a, w.label_mascot_b}) {
            const QRect drawn = QStyle::alignedRect(
                Qt::LeftToRight, mascot->alignment(),
                mascot->pixmap().deviceIndependentSize().toSize(), mascot->contentsRect());
            QVERIFY(drawn.contains(mascot->mask().boundingRect()));
        }
    }

    void cardFaces_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("file");
        const QString before
            = "gazo/C13D.png"; // what the place showed before; kept by a do-nothing call
        QTest::newRow("back, player set") << "card_show" << 0 << 0 << "gazo/UB0.png";
        QTest::newRow("back, CPU set") << "card_show" << 0 << 1 << "gazo/UB0.png";
        QTest::newRow("first spade") << "card_show" << 1 << 0 << "gazo/S01.png";
        QTest::newRow("last spade, CPU") << "card_show" << 13 << 1 << "gazo/S13D.png";
        QTest::newRow("first club") << "card_show" << 14 << 0 << "gazo/C01.png";
        QTest::newRow("last diamond") << "card_show" << 39 << 0 << "gazo/D13.png";
        QTest::newRow("last diamond, CPU") << "card_show" << 39 << 1 << "gazo/D13D.png";
        QTest::newRow("first heart, CPU") << "card_show" << 40 << 1 << "gazo/H01D.png";
        QTest::newRow("nine of hearts, CPU") << "card_show" << 48 << 1 << "gazo/H09D.png";
        QTest::newRow("ten of hearts") << "card_show" << 49 << 0 << "gazo/H10.png";
        QTest::newRow("ten of hearts, CPU") << "card_show" << 49 << 1 << "gazo/H10.png";
        QTest::newRow("last heart, CPU") << "card_show" << 52 << 1 << "gazo/H13D.png";
        QTest::newRow("above the deck") << "card_show" << 53 << 0 << before;
        QTest::newRow("negative code") << "card_show" << -1 << 0 << before;
        QTest::newRow("set 2") << "card_show" << 5 << 2 << before;
        QTest::newRow("set -1") << "card_show" << 5 << -1 << before;
        QTest::newRow("clubs know no back") << "card_club_show" << 0 << 0 << before;
        QTest::newRow("spades ignore a club") << "card_spade_show" << 14 << 0 << before;
        QTest::newRow("hearts ignore a diamond") << "card_hurt_show" << 39 << 1 << before;
    }

    void cardFaces()
    {
        QFETCH(QString, routine);
        QFETCH(int, code);
        QFETCH(int, set);
        QFETCH(QString, file);
        Game g;
        QLabel *label = g.window->label_player_card2;
        label->setPixmap(QPixmap("gazo/C13D.png"));
        QVERIFY(!pictureFile(file).isNull());
        QVERIFY2(file.endsWith("C13D.png") || pictureFile(file) != pictureOf(label),
                 "pictures must differ");
        if (routine == "card_show")
            g.window->card_show(code, set, label);
        else
            QVERIFY(QMetaObject::invokeMethod(g.window.get(), routine.toLatin1(), Q_ARG(int, code),
                                              Q_ARG(int, set), Q_ARG(QLabel *, label)));
        QCOMPARE(pictureOf(label), pictureFile(file));
    }

    void soundSwitch()
    {
        const WatchedMatch silent = watchMatch(0);
        const WatchedMatch loud = watchMatch(1);
        QCOMPARE(silent.sounds, 0);
        QVERIFY(loud.sounds > 0);
        QVERIFY(!silent.screens.filter("+Game over|").isEmpty());
        QCOMPARE(silent.screens, loud.screens);
        QCOMPARE(silent.steps, loud.steps);
    }

    void configDialog_data()
    {
        QTest::addColumn<bool>("chooseOff");
        QTest::addColumn<bool>("chooseDark");
        QTest::addColumn<bool>("pressOk");
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<int>("backColor");
        QTest::newRow("OK sound off") << true << false << true << 0 << 0;
        QTest::newRow("OK dark green") << false << true << true << 1 << 1;
        QTest::newRow("OK both") << true << true << true << 0 << 1;
        QTest::newRow("closed without OK") << true << true << false << 1 << 0;
    }

    void configDialog()
    {
        QFETCH(bool, chooseOff);
        QFETCH(bool, chooseDark);
        QFETCH(bool, pressOk);
        QFETCH(int, soundOn);
        QFETCH(int, backColor);
        Game g;
        config_dorvek *dialog = g.window->config_dialog;
        QCOMPARE(dialog->windowTitle(), QString("Config"));
        QCOMPARE(dialog->minimumSize(), QSize(320, 200));
        QCOMPARE(dialog->maximumSize(), QSize(320, 200));
        QCOMPARE(dialog->sound_on, 1);
        QCOMPARE(dialog->back_color, 0);
        QVERIFY(dialog->radio_sound_on->isChecked() && dialog->radio_green->isChecked());

        PaintCounter paints(g.window.get());
        g.window->show();
        g.window->action_config->trigger();
        QVERIFY(dialog->isVisible());
        paints.settle();
        paints.count = 0;
        if (chooseOff)
            dialog->radio_sound_off->click();
        if (chooseDark)
            dialog->radio_dark_green->click();
        if (pressOk)
            dialog->button_ok->click();
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->sound_on, soundOn);
        QCOMPARE(dialog->back_color, backColor);
        // The whole table takes the chosen colour at once.
        QTRY_VERIFY_WITH_TIMEOUT(paints.count > 0, 1000);
        for (QWidget *choice : std::initializer_list<QWidget *>{
                 dialog->radio_sound_on, dialog->radio_sound_off, dialog->radio_green,
                 dialog->radio_dark_green, dialog->button_ok})
            QVERIFY2(choice->height() >= choice->sizeHint().height(),
                     "squeezed into the fixed size");

        g.window->action_config->trigger();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->radio_sound_off->isChecked(), chooseOff);
        QCOMPARE(dialog->radio_sound_on->isChecked(), !chooseOff);
        QCOMPARE(dialog->radio_dark_green->isChecked(), chooseDark);
        QCOMPARE(dialog->radio_green->isChecked(), !chooseDark);
    }

    void versionDialog()
    {
        Game g;
        Version *dialog = g.window->version_dialog;
        QCOMPARE(dialog->windowTitle(), QString("Version"));
        QCOMPARE(dialog->minimumSize(), QSize(280, 220));
        QCOMPARE(dialog->maximumSize(), QSize(280, 220));
        const qsizetype windows = QApplication::topLevelWidgets().size();
        g.window->action_version->trigger();
        g.window->action_version->trigger();
        QVERIFY(dialog->isVisible());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);

        const QList<QLabel *> labels = {dialog->label_soft_name, dialog->label_version,
                                        dialog->label_author, dialog->label_mail,
                                        dialog->label_url};
        const QStringList texts = {"Soft name:Dorvek Light", "Version:Version 1.00o",
                                   "Author name:", "E-mail:", "URL:"};
        for (int i = 0; i < labels.size(); ++i) {
            // The first two are whole; the contact lines go on after the colon.
            QVERIFY2(i < 2
                         ? labels[i]->text() == texts[i]
                         : labels[i]->text().startsWith(texts[i]) && labels[i]->text() != texts[i],
                     qPrintable(labels[i]->text()));
            QCOMPARE(labels[i]->font().pointSize(), 12);
            QCOMPARE(int(labels[i]->font().weight()), int(QFont::Bold));
            QVERIFY(i == 0 || labels[i]->y() > labels[i - 1]->y());
        }
        dialog->button_ok->click();
        QVERIFY(!dialog->isVisible());
    }

    void slotTable()
    {
        const QStringList expected
            = QString(
                  "Game_close() Watching_mode() three_atack() start_timer1_show() start_timer2_unshow() "
                  "card_spade_show(int,int,QLabel*) card_club_show(int,int,QLabel*) "
                  "card_daiya_show(int,int,QLabel*) card_hurt_show(int,int,QLabel*) card_draw_cpu() "
                  "cpu_close_card_cpu() CPU_turn_show() CPU_turn_unshow() PLAYER_turn_show() "
                  "PLAYER_turn_unshow() player_turn() push_get_card_button() push_stop_card_button() "
                  "result_screen_show() result_screen_clear() win_lose_check() result_screen_all_clear() "
                  "second_round() second_round_unshow() game_over_data_clear() Gameover_show() "
                  "Gameover_unshow() PLAYER_turn_show_watching() PLAYER_turn_unshow_watching() "
                  "autoplay_close_drawcard_player() cpu_open_card_show_screen() cpu_open_card_unshow_screen() "
                  "cpu_open_card() cpu_player_on_screen() cpu_player_off_screen() demo_talk1() demo_talk2() "
                  "demo_talk3() demo_card_close_cpu() demo_card_close_player() demo_card_open_cpu() "
                  "demo_card_open_cpu2() demo_talk4() demo_talk5() demo_talk6() demo_talk7() demo_talk8() "
                  "change_config() show_version()")
                  .split(' ');
        QCOMPARE(expected.size(), 49);
        const QMetaObject &meta = Dorvek::staticMetaObject;
        QStringList found;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            QCOMPARE(method.methodType(), QMetaMethod::Slot);
            QCOMPARE(method.access(), QMetaMethod::Public);
            found << method.methodSignature();
            if (method.parameterCount() > 0)
                QCOMPARE(method.parameterNames(), QList<QByteArray>({"x", "y", "label"}));
        }
        QCOMPARE(found, expected);
    }

    void menus_data()
    {
        QTest::addColumn<int>(
            "entry"); // position counted through the three menus, separator included
        QTest::addColumn<QString>("statusTip");
        QTest::newRow("computer vs computer") << 0 << QString();
        QTest::newRow("Free Play1(Tryal play)") << 1 << QString();
        QTest::newRow("close") << 3 << "close";
        QTest::newRow("Config_Sound_backcolor") << 4 << "Config_Sound_backcolor";
        QTest::newRow("Version") << 5 << "Version";
    }

    void menus()
    {
        QFETCH(int, entry);
        QFETCH(QString, statusTip);
        Game g;
        Dorvek &w = *g.window;
        QStringList titles;
        for (QAction *menu : w.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"&Game", "&Config", "&Help"}));
        const QList<QAction *> entries = w.menu_game->actions() + w.menu_config->actions()
                                         + w.menu_help->actions();
        QCOMPARE(entries.size(), 6);
        QVERIFY(entries[2]->isSeparator());

        QAction *action = entries[entry];
        QCOMPARE(action->text(), QString(QTest::currentDataTag()));
        QCOMPARE(action->statusTip(), statusTip);
        QVERIFY(action->isEnabled());
        if (entry == 3)
            return; // closing asks a modal question, which closing() answers
        action->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        const QList<bool> opened = {w.config_dialog->isVisible(), w.version_dialog->isVisible()};
        QCOMPARE(opened, QList<bool>({entry == 4, entry == 5}));
        if (entry == 0)
            QCOMPARE(w.label_mode->text(), QString("<Font color=red>Watching mode Play</Font>"));
        if (entry == 1)
            QCOMPARE(w.label_mode->text(), QString("<Font color=green>Free Play1 mode</Font>"));
    }

    void closing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("staysOpen");
        const auto yes = QMessageBox::Yes, no = QMessageBox::No, ok = QMessageBox::Ok;
        const QString ask = QStringLiteral("are u ready finish?"),
                      busy = QStringLiteral("Now on Play");
        QTest::newRow("menu, No") << 0 << true << Answers{no} << QStringList{ask} << true;
        QTest::newRow("menu, Yes then No")
            << 0 << true << Answers{yes, no} << QStringList{ask, ask} << true;
        QTest::newRow("menu, Yes twice")
            << 0 << true << Answers{yes, yes} << QStringList{ask, ask} << false;
        QTest::newRow("close button, No") << 0 << false << Answers{no} << QStringList{ask} << true;
        QTest::newRow("close button, Yes")
            << 0 << false << Answers{yes} << QStringList{ask} << false;
        QTest::newRow("menu in free play") << 2 << true << Answers{ok} << QStringList{busy} << true;
        QTest::newRow("close button in free play")
            << 2 << false << Answers{ok} << QStringList{busy} << true;
        QTest::newRow("close button in watching mode")
            << 1 << false << Answers{ok} << QStringList{busy} << true;
    }

    void closing()
    {
        QFETCH(int, mode);
        QFETCH(bool, fromMenu);
        QFETCH(Answers, answers);
        Game game;
        Dorvek &w = *game.window;
        w.show();
        if (mode == MODE_FREE_PLAY)
            game.chooseFreePlay();
        else if (mode == MODE_WATCHING)
            game.chooseWatching();
        game.clock.advance(5000);

        BoxAnswerer answerer(answers);
        if (fromMenu)
            w.action_close->trigger();
        else
            w.close();

        QStringList texts;
        for (const BoxAnswerer::Seen &box : answerer.seen()) {
            QCOMPARE(box.title,
                     mode == MODE_DEMO ? QStringLiteral("Questtion") : QStringLiteral("Message"));
            texts << box.text;
        }
        QTEST(texts, "texts");
        QTEST(w.isVisible(), "staysOpen");
        QCOMPARE(Play_mode, mode);
        if (mode != MODE_DEMO) {
            // The match goes on where its timers have brought it.
            QCOMPARE(game.clock.runUntil("cpu_close_card_cpu"), 8500);
        }
    }

    void confirmedCloseEndsTheProgram()
    {
        Game game;
        Dorvek &w = *game.window;
        w.show();
        w.change_config();
        w.show_version();
        QVERIFY(w.config_dialog->isVisible());

        BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Yes});
        QTimer::singleShot(0, &w, &Dorvek::Game_close);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(answerer.seen().size(), 2);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.config_dialog->isVisible());
        QVERIFY(!w.version_dialog->isVisible());
    }

    void dialogsDoNotPauseTheMatch()
    {
        Game game;
        Dorvek &w = *game.window;
        w.show();
        game.chooseWatching();
        game.clock.advance(6000);
        w.action_config->trigger();
        w.action_version->trigger();
        QVERIFY(w.config_dialog->isVisible() && !w.config_dialog->isModal());
        QVERIFY(w.version_dialog->isVisible() && !w.version_dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(game.clock.runUntil("cpu_open_card"), 15300);
    }
};

QTEST_MAIN(tst_window)
#include "tst_window.moc"
