// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screen_reader.h"

#include "app/dorvek.h"
#include "cards/card_rules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QVariant>

namespace {

// What kind of picture a label of the table shows, and for a card place the
// name of the card it was last given.
constexpr char PICTURE_KIND[] = "accessiblePictureKind";
constexpr char CARD_NAME[] = "accessibleCardName";

enum class Picture { Card, Deck, Mascot };

// A picture label as a screen reader meets it: always an image, named only
// while it shows a picture. The name is looked up at every question, so a
// place emptied by QLabel::clear() stops naming its old card at once.
class PictureLabel final : public QAccessibleWidget
{
public:
    PictureLabel(QLabel *label, Picture picture)
        : QAccessibleWidget(label, QAccessible::Graphic), m_picture(picture)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (static_cast<const QLabel *>(object())->pixmap().isNull())
            return {};
        switch (m_picture) {
        case Picture::Deck:
            return Dorvek::tr("Deck");
        case Picture::Mascot:
            return Dorvek::tr("Mirrit");
        case Picture::Card:
            break;
        }
        return object()->property(CARD_NAME).toString();
    }

private:
    Picture m_picture;
};

QAccessibleInterface *picture_label_factory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel"))
        return nullptr;
    const QVariant picture = object->property(PICTURE_KIND);
    if (!picture.isValid())
        return nullptr;
    return new PictureLabel(static_cast<QLabel *>(object), Picture(picture.toInt()));
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
    Narrator(Dorvek &window, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
        : QObject(&window)
    {
        for (QLabel *label : pictures)
            m_pictures.append({label, label->pixmap().cacheKey()});
        for (QLabel *label : banners)
            m_banners.append({label, label->isHidden(), label->text()});
        window.centralWidget()->installEventFilter(this);
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

void make_table_accessible(Dorvek &window)
{
    const QList<QLabel *> places{window.label_cpu_card1,    window.label_cpu_card2,    window.label_cpu_card3,
                                 window.label_cpu_card4,    window.label_player_card1, window.label_player_card2,
                                 window.label_player_card3, window.label_player_card4};
    const QList<QLabel *> mascots{window.label_mascot_a, window.label_mascot_b};
    for (QLabel *place : places)
        place->setProperty(PICTURE_KIND, int(Picture::Card));
    window.label_deck->setProperty(PICTURE_KIND, int(Picture::Deck));
    for (QLabel *mascot : mascots)
        mascot->setProperty(PICTURE_KIND, int(Picture::Mascot));
    QAccessible::installFactory(picture_label_factory);

    new Narrator(window, places + mascots + QList<QLabel *>{window.label_deck},
                 {window.label_round, window.label_cpu_total, window.label_player_total, window.label_message});
}

QString card_name(int code)
{
    static const char *const suits[] = {
        QT_TRANSLATE_NOOP("Dorvek", "%1 of spades"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of clubs"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of diamonds"),
        QT_TRANSLATE_NOOP("Dorvek", "%1 of hearts"),
    };
    static const char *const pictureCards[] = {
        QT_TRANSLATE_NOOP("Dorvek", "Jack"),
        QT_TRANSLATE_NOOP("Dorvek", "Queen"),
        QT_TRANSLATE_NOOP("Dorvek", "King"),
    };
    if (code == 0)
        return Dorvek::tr("Face-down card");
    if (code < 1 || code > 52)
        return {};
    const int rank = card_rank(code);
    QString rankName;
    if (rank == 1)
        rankName = Dorvek::tr("Ace");
    else if (rank <= 10)
        rankName = QString::number(rank);
    else
        rankName = Dorvek::tr(pictureCards[rank - 11]);
    return Dorvek::tr(suits[card_suit(code)]).arg(rankName);
}

void name_card_place(QLabel *label, int code)
{
    label->setProperty(CARD_NAME, card_name(code));
}
