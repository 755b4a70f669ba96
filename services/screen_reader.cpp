// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char PICTURE_NAME[] = "accessiblePictureName";

// A picture label as a screen reader meets it: always an image, named only
// while it shows a picture. The name is looked up at every question, so a
// place emptied by QLabel::clear() stops naming its old card at once.
class PictureLabel final : public QAccessibleWidget
{
public:
    explicit PictureLabel(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (static_cast<const QLabel *>(object())->pixmap().isNull())
            return {};
        return object()->property(PICTURE_NAME).toString();
    }
};

QAccessibleInterface *picture_label_factory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object->property(PICTURE_NAME).isValid())
        return nullptr;
    return new PictureLabel(static_cast<QLabel *>(object));
}

void announce_name(QLabel *label)
{
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// Tells the screen reader what Qt leaves unsaid. Qt announces a label's new
// text, but not a picture that comes or goes, a text emptied by clear(), or
// a banner shown again with the text it had when it was hidden. Each of
// these changes the table's layout, so they are looked for whenever the
// layout is asked to update, and screen readers that keep what they were
// told never go on naming a card or a text that is gone.
class Narrator final : public QObject
{
public:
    Narrator(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
        : QObject(table)
    {
        for (QLabel *label : pictures)
            m_pictures.append({label, label->pixmap().cacheKey()});
        for (QLabel *label : banners)
            m_banners.append({label, label->isHidden(), label->text()});
        table->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            tellChanges();
        return false;
    }

private:
    struct ToldPicture
    {
        QLabel *label;
        qint64 picture;
    };
    struct ToldBanner
    {
        QLabel *label;
        bool hidden;
        QString text;
    };

    void tellChanges()
    {
        for (ToldPicture &told : m_pictures) {
            const qint64 picture = told.label->pixmap().cacheKey();
            if (picture != told.picture) {
                told.picture = picture;
                announce_name(told.label);
            }
        }
        for (ToldBanner &told : m_banners) {
            const bool hidden = told.label->isHidden();
            const QString text = told.label->text();
            const bool shownAgain = told.hidden && !hidden && text == told.text;
            const bool emptied = !hidden && text.isEmpty() && !told.text.isEmpty();
            if (shownAgain || emptied)
                announce_name(told.label);
            told.hidden = hidden;
            told.text = text;
        }
    }

    QList<ToldPicture> m_pictures;
    QList<ToldBanner> m_banners;
};

} // namespace

namespace screen_reader {

void follow_table(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
{
    for (QLabel *label : pictures) {
        if (!label->property(PICTURE_NAME).isValid())
            label->setProperty(PICTURE_NAME, QString());
    }
    QAccessible::installFactory(picture_label_factory);
    new Narrator(table, pictures, banners);
}

void name_picture(QLabel *label, const QString &name)
{
    label->setProperty(PICTURE_NAME, name);
}

} // namespace screen_reader
