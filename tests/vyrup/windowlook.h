#pragma once

// Checks of what a window shows, shared by the vyrup and settings
// correction window tests: the pictures their sources name, and texts that
// the fonts of the machine leave no room for.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QWidget>

namespace windowlook {

// Image resource paths (":/x.png" or ":x.png") named in the designer forms
// and sources of the given folders (relative to the source tree in
// VYR_SOURCE_DIR), so a picture added to a form but not to the program's
// .qrc shows up.
inline QStringList imageResourcesNamedIn(const QStringList &folders)
{
    static const QRegularExpression path(
        QStringLiteral("(?<=[\"'>])(:/?[A-Za-z0-9_./-]+\\.(?:png|jpg|jpeg|gif|bmp|svg|ico))(?=[\"'<])"));
    const QString root = qEnvironmentVariable("VYR_SOURCE_DIR");
    QStringList found;
    for (const QString &folder : folders) {
        const QDir dir(root + QLatin1Char('/') + folder);
        for (const QString &name : dir.entryList({"*.ui", "*.cpp", "*.h"}, QDir::Files)) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            auto it = path.globalMatch(QString::fromUtf8(f.readAll()));
            while (it.hasNext()) {
                const QString p = it.next().captured(1);
                if (!found.contains(p))
                    found << p;
            }
        }
    }
    found.sort();
    return found;
}

// An icon made from a missing file is not null, it just draws nothing.
inline bool drawable(const QIcon &icon)
{
    return !icon.pixmap(16, 16).isNull();
}

// The width a widget's text needs against the width it is given.
struct TextRoom
{
    QString text;
    int needed = 0;
    int available = 0;
};

// False for widgets whose text is not checked.
inline bool textRoom(QWidget *w, TextRoom *room)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text()))
            return false;
        room->text = label->text();
        room->needed = fm.horizontalAdvance(label->text());
        room->available = label->contentsRect().width() - 2 * label->margin() - 2 * qMax(0, label->indent());
        if (label->contentsRect().height() < fm.height())
            room->available = 0; // cut at the top or bottom
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (button->text().isEmpty())
            return false;
        room->text = button->text();
        room->needed = fm.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        if (qobject_cast<QCheckBox *>(w)) {
            // The text starts after the box and ends at the widget's edge.
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = button->text();
            room->available = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, button).width();
        } else {
            // A push button centres its text and clips it at its own edge,
            // inside the frame it draws around it.
            if (!button->icon().isNull())
                room->needed += button->iconSize().width() + 4;
            room->available =
                button->width() - 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        }
        return true;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // Read-only path fields scroll by design, and a password's bullets
        // tell nothing when seen whole; what the operator types and reads
        // (the stored logon and addresses shown at start) should show whole.
        if (edit->isReadOnly() || edit->echoMode() != QLineEdit::Normal || edit->displayText().isEmpty())
            return false;
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
        const QMargins margins = edit->textMargins();
        const int innerMargin = 2; // QLineEdit's own, left and right
        room->text = edit->displayText();
        room->needed = fm.horizontalAdvance(edit->displayText());
        room->available = contents.width() - margins.left() - margins.right() - 2 * innerMargin;
        return true;
    }
    return false;
}

// "name "text": available of needed px" for every visible text of the
// window that does not fit; empty when all fit.
inline QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        TextRoom room;
        if (!widget->isVisible() || !textRoom(widget, &room))
            continue;
        if (room.available < room.needed)
            cut << QStringLiteral("%1 \"%2\": %3 of %4 px")
                       .arg(widget->objectName(), room.text)
                       .arg(room.available)
                       .arg(room.needed);
    }
    return cut;
}

// For a look by eye: with VYR_SCREENSHOT_DIR set, saves a picture of the
// window there under the given file name.
inline void saveScreenshot(QWidget *window, const QString &fileName)
{
    const QString dir = qEnvironmentVariable("VYR_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(fileName), "PNG");
}

} // namespace windowlook
