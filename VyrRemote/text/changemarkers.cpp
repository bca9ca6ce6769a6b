#include "textfunctions.h"

#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QWidget>

#include <cmath>

namespace {

constexpr double DoubleTolerance = 0.00001;

bool mark(QWidget *widget, bool differs)
{
    setFieldColour(widget, differs ? fieldColourChanged() : fieldColourEqual());
    return differs;
}

} // namespace

QColor fieldColourEqual()
{
    return QColor(0, 0, 0);
}

QColor fieldColourChanged()
{
    return QColor(0, 0, 255);
}

QColor fieldColourUnused()
{
    return QColor(120, 120, 120);
}

void setFieldColour(QWidget *widget, const QColor &colour)
{
    if (widget)
        widget->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
}

bool markChangedInt(QWidget *widget, int value, int stored)
{
    return mark(widget, value != stored);
}

bool markChangedDouble(QWidget *widget, double value, double stored)
{
    return markChangedDouble(widget, value, stored, DoubleTolerance);
}

bool markChangedDouble(QWidget *widget, double value, double stored, double tolerance)
{
    // Written so that a NaN on either side counts as a difference.
    const bool equal = std::fabs(value - stored) < tolerance;
    return mark(widget, !equal);
}

bool markChangedBool(QWidget *widget, int value, int stored)
{
    return mark(widget, (value & 0xFF) != (stored & 0xFF));
}

bool markChangedTime(QWidget *widget, const QTime &value, int storedSeconds)
{
    const int seconds = value.hour() * 3600 + value.minute() * 60 + value.second();
    return mark(widget, seconds != storedSeconds);
}

bool markChangedDuration(QWidget *widget, const QTime &value, uint32_t storedSeconds)
{
    const qint64 seconds = value.isValid() ? value.hour() * 3600 + value.minute() * 60 + value.second() : 0;
    return mark(widget, seconds != qint64(storedSeconds));
}

bool markChangedString(QWidget *widget, const QString &value, const QString &stored)
{
    return mark(widget, value != stored);
}

QTableWidgetItem *tableItem(QTableWidget *table, int row, int column)
{
    if (!table || row < 0 || column < 0 || row >= table->rowCount() || column >= table->columnCount()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "cell outside the table" << row << column;
        return nullptr;
    }
    if (QTableWidgetItem *item = table->item(row, column))
        return item;
    table->setItem(row, column, new QTableWidgetItem);
    return table->item(row, column);
}

void setMinimumTextWidth(const QList<QLineEdit *> &edits, const QStringList &texts)
{
    for (QLineEdit *edit : edits)
        reserveWidthFor(edit, texts);
}

void setMinimumTextWidth(QComboBox *combo)
{
    if (!combo)
        return;
    // The room the style leaves around the text field, measured on the
    // combo's present size; the field itself keeps 2 px beside the text.
    constexpr int FieldMargin = 2;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.iconSize = combo->iconSize();
    option.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const int around = option.rect.width() - field.width();
    const QFontMetrics fm = combo->fontMetrics();
    int text = 0;
    for (int i = 0; i < combo->count(); ++i) {
        int width = fm.horizontalAdvance(combo->itemText(i));
        if (!combo->itemIcon(i).isNull())
            width += combo->iconSize().width() + 4;
        text = qMax(text, width);
    }
    combo->setMinimumWidth(text + FieldMargin + around);
}
