// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The sound and table-colour settings. The game reads the two ints directly
// whenever it plays a sound or paints; only OK changes them, and nothing is
// saved between runs.
class config_dorvek : public QDialog
{
    Q_OBJECT

public:
    config_dorvek();

    QGroupBox *group_sound;
    QRadioButton *radio_sound_on;
    QRadioButton *radio_sound_off;
    QGroupBox *group_backcolor;
    QRadioButton *radio_green;
    QRadioButton *radio_dark_green;
    QPushButton *button_ok;
    int sound_on;
    int back_color;

public slots:
    void push_ok_button_clicked();
};
