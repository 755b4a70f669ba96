// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes every picture and sound the game loads at run time under the
// folder given on the command line: gazo/, ico/, icons/ and wave/. Each card
// and the mascot also get a vector twin beside the PNG (gazo/S01.svg beside
// gazo/S01.png), recorded from the same painting, which the game renders on
// screens with more device pixels than logical ones, and a double drawn at
// twice the size (gazo/S01@2x.png), which it reads instead on the commonest
// of them. The card files are
// named by the game's own card rules. The build runs it every time, so a
// file that went missing comes back; a file already as drawn is left
// untouched, so nothing that depends on it is redone.

#include "card_art.h"
#include "mascot.h"
#include "sound_synth.h"

#include "cards/card_rules.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

namespace {

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes)
        return true;
    file.close();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool savePicture(const QImage &image, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Straight (not premultiplied) alpha gives the plain 8-bit RGBA PNG the
    // game and the desktop expect.
    if (image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
        return saveBytes(png, path);
    std::fprintf(stderr, "cannot encode %s\n", qPrintable(path));
    return false;
}

using Painting = std::function<void(QPainter &)>;

QImage paintImage(const Painting &paint, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}

bool saveVector(const Painting &paint, QSize size, const QString &path)
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QFileInfo(path).completeBaseName());
    generator.setDescription(QStringLiteral("Dorvek Light"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        std::fprintf(stderr, "cannot record %s\n", qPrintable(path));
        return false;
    }
    paint(painter);
    painter.end();
    // No text is drawn, yet the generator writes the painter's font into
    // every group; without a GUI application it has no size, and a renderer
    // warns about each "font-size=-1" it reads. Left out, they also cost the
    // game nothing to read.
    QString text = QString::fromUtf8(svg.data());
    text.remove(
        QRegularExpression(QStringLiteral("\\s*font-(family|size|weight|style)=\"[^\"]*\"")));
    return saveBytes(text.toUtf8(), path);
}

// `stem` + ".png", its double `stem` + "@2x.png" and its vector twin
// `stem` + ".svg".
bool savePictureAndVector(const Painting &paint, QSize size, const QString &stem)
{
    const Painting twice = [&paint](QPainter &p) {
        p.scale(2, 2);
        paint(p);
    };
    bool ok = savePicture(paintImage(paint, size), stem + QStringLiteral(".png"));
    ok = savePicture(paintImage(twice, size * 2), stem + QStringLiteral("@2x.png")) && ok;
    return saveVector(paint, size, stem + QStringLiteral(".svg")) && ok;
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
    std::set<std::string> drawn;
    for (int code = 0; code <= 52; ++code) {
        for (const int set : {PLAYER_PICTURES, CPU_PICTURES}) {
            const std::string file = cardPictureFile(code, set);
            if (!drawn.insert(file).second)
                continue;
            const Painting paint = code == 0 ? Painting(Art::paintCardBack)
                                             : [code, set](QPainter &p) {
                                                   Art::paintCardFace(p, code, set == CPU_PICTURES);
                                               };
            ok = savePictureAndVector(paint, Art::CARD_SIZE,
                                      root.filePath(QString::fromStdString(file).chopped(4)))
                 && ok;
        }
    }
    const int mascotSide = 48;
    ok = savePictureAndVector([](QPainter &p) { Art::paintMirrit(p, mascotSide); },
                              QSize(mascotSide, mascotSide),
                              root.filePath(QStringLiteral("ico/mirrit")))
         && ok;
    ok = savePicture(Art::drawMirrit(256), root.filePath(QStringLiteral("icons/dorvek-light.png")))
         && ok;

    for (const Synth::Sound &sound : Synth::composeSounds())
        ok = saveBytes(Synth::wavFile(sound.samples), root.filePath(sound.path)) && ok;
    return ok ? 0 : 1;
}
