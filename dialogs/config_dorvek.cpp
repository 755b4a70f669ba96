// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/config_dorvek.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Two radio buttons stacked between equal stretches; as the group's layout
// it makes them children of the group, so they exclude each other.
void stackChoices(QGroupBox *group, QRadioButton *first, QRadioButton *second)
{
    auto *firstRow = new QHBoxLayout;
    firstRow->addWidget(first);
    auto *secondRow = new QHBoxLayout;
    secondRow->addWidget(second);

    // Tight margins: two groups of two choices and the OK button have to
    // share the dialog's fixed 200 pixels.
    auto *column = new QVBoxLayout;
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(2);
    column->addStretch(1);
    column->addLayout(firstRow);
    column->addLayout(secondRow);
    column->addStretch(1);
    group->setLayout(column);
}

QHBoxLayout *rowOf(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addWidget(widget);
    return row;
}

} // namespace

config_dorvek::config_dorvek()
{
    setFixedSize(320, 200);
    setWindowTitle(tr("Config"));

    sound_on = 1;
    back_color = 0;

    group_sound = new QGroupBox(tr("Sound config"));
    radio_sound_on = new QRadioButton(tr("Sound ON"));
    radio_sound_off = new QRadioButton(tr("Sound OFF"));
    if (sound_on == 1)
        radio_sound_on->setChecked(true);
    else if (sound_on == 0)
        radio_sound_off->setChecked(true);
    stackChoices(group_sound, radio_sound_on, radio_sound_off);

    group_backcolor = new QGroupBox(tr("Change backcolor"));
    radio_green = new QRadioButton(tr("green"));
    radio_dark_green = new QRadioButton(tr("Dark green"));
    stackChoices(group_backcolor, radio_green, radio_dark_green);
    radio_green->setChecked(true);

    button_ok = new QPushButton(tr("OK"), this);

    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(button_ok);

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(rowOf(group_sound));
    layout->addLayout(rowOf(group_backcolor));
    layout->addStretch();
    layout->addLayout(okRow);
    setLayout(layout);

    connect(button_ok, SIGNAL(clicked()), this, SLOT(push_ok_button_clicked()));
}

void config_dorvek::push_ok_button_clicked()
{
    if (radio_sound_on->isChecked())
        sound_on = 1;
    else if (radio_sound_off->isChecked())
        sound_on = 0;

    if (radio_dark_green->isChecked())
        back_color = 1;
    else if (radio_green->isChecked())
        back_color = 0;

    close();
}
