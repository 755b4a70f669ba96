// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes every picture and sound the game loads at run time under the
// folder given on the command line: gazo/, ico/, icons/ and wave/.

#include "card_art.h"
#include "mascot.h"
#include "sound_synth.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

bool savePicture(const QImage &image, const QString &path)
{
    // Straight (not premultiplied) alpha gives the plain 8-bit RGBA PNG the
    // game and the desktop expect.
    if (image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *folder : {"gazo", "ico", "icons", "wave"}) {
        if (!root.mkpath(QLatin1String(folder))) {
            std::fprintf(stderr, "cannot create %s/%s\n", argv[1], folder);
            return 1;
        }
    }

    bool ok = true;
    for (int code = 1; code <= art::kCardCount; ++code) {
        const QString stem = root.filePath(QStringLiteral("gazo/") + art::cardStem(code));
        ok = savePicture(art::drawCardFace(code, false), stem + QStringLiteral(".png")) && ok;
        if (art::hasCpuFace(code))
            ok = savePicture(art::drawCardFace(code, true), stem + QStringLiteral("D.png")) && ok;
    }
    ok = savePicture(art::drawCardBack(), root.filePath(QStringLiteral("gazo/UB0.png"))) && ok;
    ok = savePicture(art::drawMirrit(48), root.filePath(QStringLiteral("ico/mirrit.png"))) && ok;
    ok = savePicture(art::drawMirrit(256), root.filePath(QStringLiteral("icons/dorvek-light.png")))
         && ok;

    for (const synth::Sound &sound : synth::composeSounds()) {
        const QString path = root.filePath(QStringLiteral("wave/") + sound.fileName);
        ok = saveBytes(synth::wavFile(sound.samples), path) && ok;
    }
    return ok ? 0 : 1;
}
