// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"

#include "dialogs/config_dorvek.h"
#include "dialogs/version.h"
#include "match/match_state.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

void Dorvek::createActionsAndMenus()
{
    action_close = new QAction(tr("close"), this);
    action_close->setStatusTip(tr("close"));
    connect(action_close, SIGNAL(triggered()), this, SLOT(Game_close()));

    action_watching = new QAction(tr("computer vs computer"), this);
    connect(action_watching, SIGNAL(triggered()), this, SLOT(Watching_mode()));

    action_free_play = new QAction(tr("Free Play1(Tryal play)"), this);
    connect(action_free_play, SIGNAL(triggered()), this, SLOT(three_atack()));

    action_config = new QAction(tr("Config_Sound_backcolor"), this);
    action_config->setStatusTip(tr("Config_Sound_backcolor"));
    connect(action_config, SIGNAL(triggered()), this, SLOT(change_config()));

    action_version = new QAction(tr("Version"), this);
    action_version->setStatusTip(tr("Version"));
    connect(action_version, SIGNAL(triggered()), this, SLOT(show_version()));

    menu_game = menuBar()->addMenu(tr("&Game"));
    menu_game->addAction(action_watching);
    menu_game->addAction(action_free_play);
    menu_game->addSeparator();
    menu_game->addAction(action_close);

    menu_config = menuBar()->addMenu(tr("&Config"));
    menu_config->addAction(action_config);

    menu_help = menuBar()->addMenu(tr("&Help"));
    menu_help->addAction(action_version);
}

// Escape or the box's own close button answers No: Qt makes a box's only
// button with the No role its escape button.
bool Dorvek::askToFinish()
{
    return QMessageBox::question(this, tr("Questtion"), tr("are u ready finish?"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
           == QMessageBox::Yes;
}

void Dorvek::refuseToClose()
{
    QMessageBox::information(this, tr("Message"), tr("Now on Play"), QMessageBox::Ok,
                             QMessageBox::NoButton);
}

void Dorvek::Game_close()
{
    if (Play_mode == MODE_DEMO) {
        if (askToFinish())
            close();
    } else if (Play_mode == MODE_WATCHING || Play_mode == MODE_FREE_PLAY) {
        refuseToClose();
    }
}

void Dorvek::closeEvent(QCloseEvent *event)
{
    if (Play_mode == MODE_DEMO) {
        if (askToFinish()) {
            event->accept();
            config_dialog->close();
            version_dialog->close();
        } else {
            event->ignore();
        }
    } else if (Play_mode == MODE_WATCHING || Play_mode == MODE_FREE_PLAY) {
        refuseToClose();
        event->ignore();
    }
}

void Dorvek::change_config()
{
    config_dialog->show();
}

void Dorvek::show_version()
{
    version_dialog->show();
}
