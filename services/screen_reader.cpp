// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <functional>

namespace {

constexpr char PICTURE_NAME[] = "accessiblePictureName";
constexpr char TABLE[] = "accessibleTable";
constexpr char ROLE[] = "accessibleRole";
constexpr char ANNOUNCER[] = "screen_reader_announcer";

bool showsNothing(const QObject *picture)
{
    return picture->property(PICTURE_NAME).isValid() && static_cast<const QLabel *>(picture)->pixmap().isNull();
}

// A picture label as a screen reader meets it: an image named after what it
// shows. The name is looked up at every question, so a place emptied by
// QLabel::clear() stops naming its old card at once.
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
        if (showsNothing(object()))
            return {};
        return object()->property(PICTURE_NAME).toString();
    }
};

// The table as a screen reader walks it, without the picture labels that
// show nothing: an image with no name is an error to accessibility checkers.
// An empty place is left out rather than reported invisible, because screen
// readers keep the visible state they first read and Qt never tells them
// it changed; a place that comes back is told as a new child instead.
class Table final : public QAccessibleWidget
{
public:
    explicit Table(QWidget *table)
        : QAccessibleWidget(table)
    {
    }

    int childCount() const override { return shown().size(); }

    QAccessibleInterface *child(int index) const override { return shown().value(index); }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return shown().indexOf(const_cast<QAccessibleInterface *>(child));
    }

private:
    QList<QAccessibleInterface *> shown() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !showsNothing(child->object()))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *tableFactory(const QString &className, QObject *object)
{
    if (object->property(PICTURE_NAME).isValid())
        return className == QLatin1String("QLabel") ? new PictureLabel(static_cast<QLabel *>(object)) : nullptr;
    if (object->property(TABLE).isValid())
        return new Table(static_cast<QWidget *>(object));
    return nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The few plain widgets that exist only for the screen reader say what they
// are through a property.
QAccessibleInterface *roleFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWidget") || !object->property(ROLE).isValid())
        return nullptr;
    const auto role = static_cast<QAccessible::Role>(object->property(ROLE).toInt());
    return new QAccessibleWidget(static_cast<QWidget *>(object), role);
}
#endif

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr char QUIET_NAME[] = "accessibleQuietName";

// A label named through nameQuietly(). Its changes are never told, so
// screen readers would go on with the name they once read and cached; the
// same words are also its text, which they ask for afresh and read before
// the name. Nothing of the text can be selected or edited.
class QuietlyNamed final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit QuietlyNamed(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return words();
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return words().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(words().size()); }
    // The words are not the ones drawn, so each stands for the whole label.
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &point) const override { return rect().contains(point) ? 0 : -1; }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString words() const { return object()->property(QUIET_NAME).toString(); }
};

QAccessibleInterface *quietlyNamedFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object->property(QUIET_NAME).isValid())
        return nullptr;
    return new QuietlyNamed(static_cast<QLabel *>(object));
}
#endif

void tell(QLabel *label, QAccessible::Event change)
{
    QAccessibleEvent changed(label, change);
    QAccessible::updateAccessibility(&changed);
}

void announceName(QLabel *label)
{
    tell(label, QAccessible::NameChanged);
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
                const bool came = told.picture == 0, went = picture == 0;
                told.picture = picture;
                if (came)
                    tell(told.label, QAccessible::ObjectCreated);
                announceName(told.label);
                if (went)
                    tell(told.label, QAccessible::ObjectDestroyed);
            }
        }
        for (ToldBanner &told : m_banners) {
            const bool hidden = told.label->isHidden();
            const QString text = told.label->text();
            const bool shownAgain = told.hidden && !hidden && text == told.text;
            const bool emptied = !hidden && text.isEmpty() && !told.text.isEmpty();
            if (shownAgain || emptied)
                announceName(told.label);
            told.hidden = hidden;
            told.text = text;
        }
    }

    QList<ToldPicture> m_pictures;
    QList<ToldBanner> m_banners;
};

using ScreenReader::Timing;

std::function<void(const QString &)> &listener()
{
    static std::function<void(const QString &)> heard;
    return heard;
}

// Speaks for one window. A screen reader lets each new text cut off the one
// it is speaking, and one step of the game often has several things to say
// at once (both totals, the result, the score line), so whatever is said
// while a step runs waits for the event loop and goes out as one text.
class Announcer final : public QObject
{
public:
    explicit Announcer(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QLatin1String(ANNOUNCER));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Before announcements came to Qt, a notification that becomes
        // showing is what screen readers speak, and one inside a status bar
        // is spoken without its role. Both sit outside the window, where
        // nothing of them is ever drawn or in the way of the mouse.
        QAccessible::installFactory(roleFactory);
        auto *bar = new QWidget(window);
        bar->setProperty(ROLE, static_cast<int>(QAccessible::StatusBar));
        bar->setAttribute(Qt::WA_TransparentForMouseEvents);
        bar->setGeometry(-4, -4, 2, 2);
        // A child made after its window was shown stays hidden until told.
        bar->show();
        m_notice = new QWidget(bar);
        m_notice->setProperty(ROLE, static_cast<int>(QAccessible::Notification));
        m_notice->setGeometry(0, 0, 1, 1);
        m_notice->hide();
#endif
    }

    static Announcer *of(QWidget *window)
    {
        if (QObject *found = window->findChild<QObject *>(QLatin1String(ANNOUNCER), Qt::FindDirectChildrenOnly))
            return static_cast<Announcer *>(found);
        return new Announcer(window);
    }

    void add(const QString &text, Timing timing)
    {
        if (text.isEmpty())
            return;
        if (timing == Timing::WithNext) {
            m_held.append(text);
            return;
        }
        if (m_pending.isEmpty())
            QMetaObject::invokeMethod(this, &Announcer::speak, Qt::QueuedConnection);
        m_pending += m_held;
        m_held.clear();
        m_pending.append(text);
        if (timing == Timing::Now)
            m_urgent = true;
    }

private:
    void speak()
    {
        QString text;
        for (const QString &part : std::as_const(m_pending))
            text = text.isEmpty() ? part : QCoreApplication::translate("Dorvek", "%1. %2").arg(text, part);
        const bool urgent = m_urgent;
        m_pending.clear();
        m_urgent = false;
        if (listener())
            listener()(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(m_window, text);
        event.setPoliteness(urgent ? QAccessible::AnnouncementPoliteness::Assertive
                                   : QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&event);
#else
        Q_UNUSED(urgent)
        // Hidden first, so the same text twice is heard twice; named before
        // it shows, so the screen reader reads the new text.
        m_notice->hide();
        m_notice->setAccessibleName(text);
        m_notice->show();
#endif
    }

    QWidget *m_window;
    QWidget *m_notice = nullptr;
    QStringList m_pending;
    QStringList m_held;
    bool m_urgent = false;
};

} // namespace

namespace ScreenReader {

void followTable(QWidget *table, const QList<QLabel *> &pictures, const QList<QLabel *> &banners)
{
    for (QLabel *label : pictures) {
        if (!label->property(PICTURE_NAME).isValid())
            label->setProperty(PICTURE_NAME, QString());
    }
    table->setProperty(TABLE, true);
    QAccessible::installFactory(tableFactory);
    new Narrator(table, pictures, banners);
    Announcer::of(table->window());
}

void namePicture(QLabel *label, const QString &name)
{
    label->setProperty(PICTURE_NAME, name);
}

void nameQuietly(QLabel *label, const QString &name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installFactory(quietlyNamedFactory);
    label->setProperty(QUIET_NAME, name);
    // Any accessible name of its own keeps the label from telling its texts.
    if (label->accessibleName().isEmpty())
        label->setAccessibleName(name);
#else
    label->setAccessibleName(name);
#endif
}

void setListener(std::function<void(const QString &)> heard)
{
    listener() = std::move(heard);
}

void say(QWidget *window, const QString &text, Timing timing)
{
    Announcer::of(window)->add(text, timing);
}

QString pictureNames(const QList<QLabel *> &labels)
{
    QString names;
    for (QLabel *label : labels) {
        if (label->pixmap().isNull())
            continue;
        const QString name = label->property(PICTURE_NAME).toString();
        names = names.isEmpty() ? name : QCoreApplication::translate("Dorvek", "%1, %2").arg(names, name);
    }
    return names;
}

} // namespace ScreenReader
