#include "widgethelpers.h"

#include "textfunctions.h"

#include <QDebug>
#include <QLineEdit>
#include <QRegExp>
#include <QRegExpValidator>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QWidget>

#include <cmath>

namespace {

constexpr double DoubleTolerance = 0.00001;

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

void setFieldColour(std::initializer_list<QWidget *> widgets, const QColor &colour)
{
    for (QWidget *w : widgets)
        setFieldColour(w, colour);
}

bool markChanged(QWidget *widget, bool differs)
{
    setFieldColour(widget, differs ? fieldColourChanged() : fieldColourEqual());
    return differs;
}

bool markChangedInt(QWidget *widget, int value, int stored)
{
    return markChanged(widget, value != stored);
}

bool markChangedDouble(QWidget *widget, double value, double stored)
{
    return markChangedDouble(widget, value, stored, DoubleTolerance);
}

bool markChangedDouble(QWidget *widget, double value, double stored, double tolerance)
{
    // Written so that a NaN on either side counts as a difference.
    const bool equal = std::fabs(value - stored) < tolerance;
    return markChanged(widget, !equal);
}

bool markChangedBool(QWidget *widget, int value, int stored)
{
    return markChanged(widget, (value & 0xFF) != (stored & 0xFF));
}

bool markChangedTime(QWidget *widget, const QTime &value, int storedSeconds)
{
    const int seconds = value.hour() * 3600 + value.minute() * 60 + value.second();
    return markChanged(widget, seconds != storedSeconds);
}

bool markChangedDuration(QWidget *widget, const QTime &value, uint32_t storedSeconds)
{
    const qint64 seconds = value.isValid() ? value.hour() * 3600 + value.minute() * 60 + value.second() : 0;
    return markChanged(widget, seconds != qint64(storedSeconds));
}

bool markChangedString(QWidget *widget, const QString &value, const QString &stored)
{
    return markChanged(widget, value != stored);
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

void setIpv4Validator(QLineEdit *edit)
{
    if (edit)
        edit->setValidator(new QRegExpValidator(QRegExp(ipAddressPattern()), edit));
}
