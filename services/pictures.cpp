// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/pictures.h"

#include <QBitmap>
#include <QCache>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

const char *const CUT_OUT_PROPERTY = "picture_cut_out";

// Every picture of the game at ratio 3 would take 14 MiB; a table never shows
// more than ten different ones, and the back and the mascot come back often.
// Costs are in KiB.
QCache<QString, QPixmap> &renderings()
{
    static QCache<QString, QPixmap> cache(4096);
    return cache;
}

// `file` with its ".png" ending replaced, or empty for another ending.
QString beside(const QString &file, QLatin1String ending)
{
    const QLatin1String png(".png");
    if (!file.endsWith(png, Qt::CaseInsensitive))
        return QString();
    return file.left(file.size() - png.size()) + ending;
}

QString vectorTwin(const QString &file)
{
    return beside(file, QLatin1String(".svg"));
}

// The PNG's double, when it is a regular file of exactly `device` pixels.
QPixmap readDouble(const QString &file, QSize device)
{
    const QFileInfo twice(beside(file, QLatin1String("@2x.png")));
    if (!twice.isFile() || QImageReader(twice.filePath()).size() != device)
        return QPixmap();
    QPixmap picture(twice.filePath());
    if (picture.size() != device)
        return QPixmap();
    picture.setDevicePixelRatio(2);
    return picture;
}

// Names a file as it is on disk now, so a file replaced while the game runs,
// or one read from another working folder, is never mistaken for the one
// seen before.
QString versionKey(const QFileInfo &info)
{
    return QStringLiteral("%1|%2|%3")
        .arg(info.absoluteFilePath())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.size());
}

// The twin rendered at `device` pixels, or null when it cannot be read.
QPixmap renderTwin(const QString &file, QSize device, qreal ratio)
{
    const QFileInfo twin(vectorTwin(file));
    if (!twin.isFile())
        return QPixmap();
    const QString key = QStringLiteral("%1|%2|%3x%4")
                            .arg(versionKey(twin))
                            .arg(ratio)
                            .arg(device.width())
                            .arg(device.height());
    if (const QPixmap *kept = renderings().object(key))
        return *kept;

    QSvgRenderer vector(twin.filePath());
    if (!vector.isValid())
        return QPixmap();
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    vector.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    painter.end();

    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(ratio);
    const int kib = std::max(1, device.width() * device.height() * 4 / 1024);
    renderings().insert(key, new QPixmap(picture), kib);
    return picture;
}

// Whether `file` may be read as the PNG of a card or the mascot. Only a
// regular file is opened: a FIFO or a device would block the game in open().
// Its header must announce at most the largest picture a place can take, or a
// small file could ask for gigabytes, decoded for every card and rendered
// again at the screen's density. The verdict is kept per file as it is on
// disk, so a refused file is not read again.
bool fitsAPlace(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return false;
    static QHash<QString, bool> verdicts;
    const QString key = versionKey(info);
    const auto known = verdicts.constFind(key);
    if (known != verdicts.constEnd())
        return *known;
    const QSize size = QImageReader(file).size();
    const bool fits = size.isValid() && size.width() <= Pictures::LARGEST_SIDE
                      && size.height() <= Pictures::LARGEST_SIDE;
    verdicts.insert(key, fits);
    return fits;
}

// The picture in `file` for a device pixel ratio; null when the PNG cannot
// be read.
QPixmap pictureFor(const QString &file, qreal ratio)
{
    const QPixmap png = fitsAPlace(file) ? QPixmap(file) : QPixmap();
    if (png.isNull() || qFuzzyCompare(ratio, 1.0))
        return png;
    const QSize device(qRound(png.width() * ratio), qRound(png.height() * ratio));
    QPixmap picture = qFuzzyCompare(ratio, 2.0) ? readDouble(file, device) : QPixmap();
    if (picture.isNull())
        picture = renderTwin(file, device, ratio);
    if (picture.isNull()) {
        picture = png.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    return picture;
}

// A logical pixel belongs to the outline when any device pixel it covers is
// at least half opaque, the threshold QPixmap::mask() uses. Cutting along the
// PNG's own mask instead would chop the finer rim drawn for the screen into
// whole logical pixels.
bool coversOpaque(const QImage &alpha, int x, int y, qreal ratio)
{
    const int left = static_cast<int>(std::floor(x * ratio));
    const int right = std::min(alpha.width(), static_cast<int>(std::ceil((x + 1) * ratio)));
    const int top = static_cast<int>(std::floor(y * ratio));
    const int bottom = std::min(alpha.height(), static_cast<int>(std::ceil((y + 1) * ratio)));
    for (int j = top; j < bottom; ++j) {
        const uchar *line = alpha.constScanLine(j);
        for (int i = left; i < right; ++i) {
            if (line[i] >= 128)
                return true;
        }
    }
    return false;
}

QRegion logicalOutline(const QPixmap &picture)
{
    const qreal ratio = picture.devicePixelRatio();
    const QImage alpha = picture.toImage().convertToFormat(QImage::Format_Alpha8);
    const QSize logical = picture.deviceIndependentSize().toSize();
    QRegion outline;
    for (int y = 0; y < logical.height(); ++y) {
        int start = -1;
        for (int x = 0; x <= logical.width(); ++x) {
            const bool inside = x < logical.width() && coversOpaque(alpha, x, y, ratio);
            if (inside && start < 0) {
                start = x;
            } else if (!inside && start >= 0) {
                outline += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return outline;
}

void cutToOutline(QLabel *label)
{
    const QPixmap picture = label->pixmap();
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), 1.0))
        label->setMask(picture.mask());
    else
        label->setMask(logicalOutline(picture));
}

void put(QLabel *label, const QString &file)
{
    label->setPixmap(pictureFor(file, label->devicePixelRatioF()));
    if (label->property(CUT_OUT_PROPERTY).toBool())
        cutToOutline(label);
}

// Only the labels whose picture was drawn for another ratio are drawn again.
void redraw(QWidget *window)
{
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString file = label->property(Pictures::FILE_PROPERTY).toString();
        const QPixmap shown = label->pixmap();
        if (file.isEmpty() || shown.isNull()
            || qFuzzyCompare(shown.devicePixelRatio(), label->devicePixelRatioF()))
            continue;
        put(label, file);
    }
}

class ScreenFollower : public QObject
{
public:
    explicit ScreenFollower(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        // The window may open on a screen other than the one its pictures
        // were first drawn for, before it had a screen of its own.
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        // The density can change without the screen changing.
        case QEvent::DevicePixelRatioChange:
#endif
            redraw(m_window);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

namespace Pictures {

void show(QLabel *label, const QString &file)
{
    label->setProperty(Pictures::FILE_PROPERTY, file);
    put(label, file);
}

void showCutOut(QLabel *label, const QString &file)
{
    label->setProperty(Pictures::FILE_PROPERTY, file);
    label->setProperty(CUT_OUT_PROPERTY, true);
    put(label, file);
}

void readAhead(const QStringList &files)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    for (const QString &file : files)
        pictureFor(file, ratio);
}

void clear(QLabel *label)
{
    label->clear();
    label->setProperty(FILE_PROPERTY, QString());
}

void followScreen(QWidget *window)
{
    new ScreenFollower(window);
}

} // namespace Pictures
