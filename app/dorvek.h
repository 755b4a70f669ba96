// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QTimer;
class SoundBoard;
class Version;
class config_dorvek;

// The game's one window. Every step of the game is one of its parameterless
// slots; the steps hand over to each other through single-shot timers named
// by slot, so the slot names below are part of how the game runs. The
// widgets are public because the steps of every subsystem, and the tests,
// work on them directly.
class Dorvek : public QMainWindow
{
    Q_OBJECT

public:
    Dorvek();
    ~Dorvek() override;

    // The pictures the window shows as it opens: the deck's back and Mirrit.
    static QStringList openingPictures();

    Version *version_dialog;
    config_dorvek *config_dialog;
    QLabel *label_score;
    int cpu_points;
    int player_points;
    int tie_count;
    QString score_text;
    QLabel *label_mode;
    QLabel *label_cpu_card1;
    QLabel *label_cpu_card2;
    QLabel *label_cpu_card3;
    QLabel *label_cpu_card4;
    QLabel *label_cpu_spacer;
    QLabel *label_deck;
    QLabel *label_round;
    QLabel *label_cpu_total;
    QLabel *label_player_total;
    QLabel *label_player_card1;
    QLabel *label_player_card2;
    QLabel *label_player_card3;
    QLabel *label_player_card4;
    QLabel *label_player_spacer;
    QPushButton *button_get_card;
    QPushButton *button_stop_card;
    QLabel *label_message;
    QLabel *label_mascot_a; // Mirrit beside the message panel, at the bottom left
    QLabel *label_mascot_b; // Mirrit beside the round banner, during a match
    int r1, r2, r3, r4, r5, r6, r7, r8, r9, r10, r11, r12, r13, r14, r15, r16, r17, r18, r19, r20,
        r21, r22, r23, r24, r25, r26, r27, r28, r29, r30, r31, r32, r33, r34, r35, r36, r37, r38,
        r39, r40, r41, r42, r43, r44, r45, r46, r47, r48, r49, r50, r51, r52;
    QAction *action_close;
    QMenu *menu_game;
    QAction *action_watching;
    QAction *action_free_play;
    QMenu *menu_config;
    QAction *action_config;
    QMenu *menu_help;
    QAction *action_version;
    QTimer *timer_demo;
    SoundBoard *soundBoard;

    // Cards
    int return_card_cpu(int code);
    void array_shuffle();
    void card_show(int x, int y, QLabel *label);

    // The CPU's look-ahead: cards it holds this round (-2 outside a round),
    // and cards the automatic player takes (0 outside round 1).
    int card_cpu();
    int card_player();

public slots:
    void Game_close();
    void Watching_mode();
    void three_atack();
    void start_timer1_show();
    void start_timer2_unshow();
    void card_spade_show(int x, int y, QLabel *label);
    void card_club_show(int x, int y, QLabel *label);
    void card_daiya_show(int x, int y, QLabel *label);
    void card_hurt_show(int x, int y, QLabel *label);
    void card_draw_cpu();
    void cpu_close_card_cpu();
    void CPU_turn_show();
    void CPU_turn_unshow();
    void PLAYER_turn_show();
    void PLAYER_turn_unshow();
    void player_turn();
    void push_get_card_button();
    void push_stop_card_button();
    void result_screen_show();
    void result_screen_clear();
    void win_lose_check();
    void result_screen_all_clear();
    void second_round();
    void second_round_unshow();
    void game_over_data_clear();
    void Gameover_show();
    void Gameover_unshow();
    void PLAYER_turn_show_watching();
    void PLAYER_turn_unshow_watching();
    void autoplay_close_drawcard_player();
    void cpu_open_card_show_screen();
    void cpu_open_card_unshow_screen();
    void cpu_open_card();
    void cpu_player_on_screen();
    void cpu_player_off_screen();
    void demo_talk1();
    void demo_talk2();
    void demo_talk3();
    void demo_card_close_cpu();
    void demo_card_close_player();
    void demo_card_open_cpu();
    void demo_card_open_cpu2();
    void demo_talk4();
    void demo_talk5();
    void demo_talk6();
    void demo_talk7();
    void demo_talk8();
    void change_config();
    void show_version();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class CountOrder { Upwards, Downwards };

    // Shell. The constructor builds the window in this order.
    void buildDialogs();
    void buildTable();
    void buildButtons();
    void buildMessagePanel();
    void armDemonstration();
    void buildMascots();
    QLayout *layOutScreen();
    void buildMenus();
    void introduceToScreenReader(QWidget *table);

    void createActionsAndMenus();
    bool askToFinish();
    void refuseToClose();
    void playSound(const char *file);
    void after(int ms, const char *slot);
    void showText(QLabel *label, const QString &text);

    // Card places, numbered 1 to 4 from the left, emptied in the order given.
    QLabel *cpuPlace(int place) const;
    QLabel *playerPlace(int place) const;
    void clearPlaces(const QList<QLabel *> &places);
    void clearHands();

    // Match
    void announceRound(int round, const char *next);
    void bannerThen(const QString &text, int ms, const char *next);
    void hideBannerThen(int ms, const char *next);
    void showScoreLine();
    void showTotals();
    void hideTotals();
    void clearTable();
    void judgeThisRound();
    void giveMatchVerdict();

    // CPU
    int askCount(int (Dorvek::*question)(), CountOrder order);
    void dealFaceDown(int n);
    void traceReigai();
    void showCpuFaces(int start, int n);

    // Modes
    void demoStep(int index);
    void restartDemo(int ms);
};
