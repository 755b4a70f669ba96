// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's name, version and the makers' contact lines.
class Version : public QDialog
{
    Q_OBJECT

public:
    Version();

    QLabel *label_soft_name;
    QLabel *label_version;
    QLabel *label_author;
    QLabel *label_mail;
    QLabel *label_url;
    QPushButton *button_ok;

public slots:
    void push_ok_button();
};
