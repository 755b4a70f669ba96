#include "app/sound_board.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace {
SoundBoard::Sink &sink()
{
    static SoundBoard::Sink instance;
    return instance;
}
}

SoundBoard::SoundBoard(QObject *parent)
    : QObject(parent)
{
}

void SoundBoard::play(const QString &file)
{
    if (sink()) {
        sink()(file);
        return;
    }
    QSoundEffect *&effect = effects[file];
    if (!effect) {
        effect = new QSoundEffect(this);
        // A bare relative path may fail to decode; the working directory's
        // absolute path always works.
        effect->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
    }
    effect->play();
}

void SoundBoard::setSink(Sink newSink)
{
    sink() = std::move(newSink);
}
