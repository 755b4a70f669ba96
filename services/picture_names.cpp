// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services/picture_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char PICTURE_NAME[] = "accessiblePictureName";
constexpr char TABLE[] = "accessibleTable";

bool showsNothing(const QObject *picture)
{
    return picture->property(PICTURE_NAME).isValid()
           && static_cast<const QLabel *>(picture)->pixmap().isNull();
}

// A picture label as a screen reader meets it: an image named after what it
// shows. The name is looked up at every question, so a place emptied by
// QLabel::clear() stops naming its old card at once.
class PictureLabel final : public QAccessibleWidget
{
public:
    explicit PictureLabel(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Graphic)
    {}

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
    {}

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
        return className == QLatin1String("QLabel")
                   ? new PictureLabel(static_cast<QLabel *>(object))
                   : nullptr;
    if (object->property(TABLE).isValid())
        return new Table(static_cast<QWidget *>(object));
    return nullptr;
}

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
    {}

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
    int offsetAtPoint(const QPoint &point) const override
    {
        return rect().contains(point) ? 0 : -1;
    }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
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

} // namespace

namespace ScreenReader {

void namePictures(QWidget *table, const QList<QLabel *> &pictures)
{
    for (QLabel *label : pictures) {
        if (!label->property(PICTURE_NAME).isValid())
            label->setProperty(PICTURE_NAME, QString());
    }
    table->setProperty(TABLE, true);
    QAccessible::installFactory(tableFactory);
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

QString pictureNames(const QList<QLabel *> &labels)
{
    QString names;
    for (QLabel *label : labels) {
        if (label->pixmap().isNull())
            continue;
        const QString name = label->property(PICTURE_NAME).toString();
        names = names.isEmpty() ? name
                                : QCoreApplication::translate("Dorvek", "%1, %2").arg(names, name);
    }
    return names;
}

} // namespace ScreenReader
