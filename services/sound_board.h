// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class SoundOutput;

// Plays the game's wave files without waiting for them. Nothing of the sound
// is in the way of the window's first frame: the sound module (Qt Multimedia,
// the sound server's client and the effects) is loaded on the next turn of
// the event loop after it, or at the first sound if that comes sooner, and
// then gets every file of the game ready while nothing else happens. Where
// the module cannot be loaded the game is silent.
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    // Loads the sound after `window`'s first frame and gets `files` ready;
    // the board is the window's child.
    SoundBoard(QWidget *window, const QStringList &files);

    void play(const QString &file);

    using Sink = std::function<void(const QString &file)>;
    // Tests listen here instead of the loudspeaker; empty restores it.
    static void setSink(Sink sink);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadOutput();

    QStringList m_files;
    bool m_loaded = false;
    SoundOutput *m_output = nullptr;
};
