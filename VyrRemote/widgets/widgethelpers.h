#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QTime>
#include <QVector>

#include <cstdint>
#include <functional>
#include <initializer_list>

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QStringList;
class QTableView;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// What the editing forms do with their widgets: change markers and field
// colours, the table cells they fill, the address validator of their edits,
// and the room a field, label or table needs for the texts it shows.
// Everything here touches widgets: GUI thread only. The texts themselves
// come from textfunctions.h of the text library.

// ---- cells, colours, change markers ------------------------------------------

// The item of a cell, created empty when the cell has none. Returns null for
// a cell outside the table.
QTableWidgetItem *tableItem(QTableWidget *table, int row, int column);

// Lets the edit take only what can still become an IPv4 address (the
// pattern is ipAddressPattern() of the text library).
void setIpv4Validator(QLineEdit *edit);

// Field colours of the editing forms, each set as "color: #rrggbb".
QColor fieldColourEqual();    // black: value equals the applied record
QColor fieldColourChanged();  // blue: value differs from the applied record
QColor fieldColourUnused();   // grey: value not in use
void setFieldColour(QWidget *widget, const QColor &colour);
void setFieldColour(std::initializer_list<QWidget *> widgets, const QColor &colour);

// Change markers: colour the widget blue and return true when the edited
// value differs from the applied one, else black and false. The style sheet
// replaces whatever the widget had.
// For a comparison the caller made (values the typed markers below cannot
// hold, such as 32-bit unsigned fields or codes kept as stored).
bool markChanged(QWidget *widget, bool differs);
bool markChangedInt(QWidget *widget, int value, int stored);
// Equal when the difference is below 0.00001; NaN always differs.
bool markChangedDouble(QWidget *widget, double value, double stored);
// The same with a tolerance of the caller's (below the field's step, so that
// a one-step edit is always marked).
bool markChangedDouble(QWidget *widget, double value, double stored, double tolerance);
// Flags compare by their low 8 bits, as the records keep them in one byte.
bool markChangedBool(QWidget *widget, int value, int stored);
// Time of day against stored seconds; milliseconds are ignored.
bool markChangedTime(QWidget *widget, const QTime &value, int storedSeconds);
// Time of day against a stored 32-bit duration in seconds, compared in 64
// bits: a duration of a day or more, which no time of day can show, always
// differs (and stays marked) instead of wrapping into a match.
bool markChangedDuration(QWidget *widget, const QTime &value, uint32_t storedSeconds);
bool markChangedString(QWidget *widget, const QString &value, const QString &stored);

// ---- room for the texts a widget shows (GUI thread only) ---------------------
// Sizes that follow the longest value a field or column can show, so that no
// value is cut, elided or scrolled (a layout that shares space by stretch
// factors would otherwise squeeze a field below its text). Called after
// setupUi and after every language switch (the texts change length with the
// language); measured in the widget's font at the time of the call.

// A read-only field at least as wide as the widest of texts needs.
void reserveWidthFor(QLineEdit *field, const QStringList &texts);
// A label at least as wide as the widest line of texts needs, and never
// narrower than atLeast (its designed width).
void reserveWidthFor(QLabel *label, const QStringList &texts, int atLeast);
// A label as high as lines lines of text need at least, whatever it shows
// now.
void reserveLinesFor(QLabel *label, int lines);
// A widget never smaller than designed, nor than its layout needs: a minimum
// size set in the designer overrides what the layout asks for, so a larger
// font or a longer text would otherwise squeeze its contents.
void reserveRoomFor(QWidget *widget, const QSize &designed);
// A list at least as wide as its widest entry needs (the style's own size
// hint may leave its text field less room than that).
void reserveWidthFor(QComboBox *list);
// Puts text into a read-only field with its start in view (setText leaves the
// end in view when the text is wider than the field).
void showText(QLineEdit *field, const QString &text);
// Column width: what the widest of texts and the column's header need, and
// never less than minimumWidth.
void fitColumnTo(QTableView *table, int column, int minimumWidth, const QStringList &texts);

// Columns that share the table's width, none narrower than the widest of
// texts needs; the table asks its layout for room for all rows and columns.
void stretchColumnsFor(QTableView *table, const QStringList &texts);
// Rows rowHeight high, or as high as a line of the table's font (and a
// section of its visible row header) needs.
void fitRowsTo(QTableView *table, int rowHeight);
// Makes a table at least as large as its headers, rows and columns, so that
// it shows them all without scroll bars; never smaller than minimum. Called
// after the column widths or header texts change. (A stretched last column
// counts the room it has taken; for such a table use the two below.)
void fitTableToContents(QTableView *table, const QSize &minimum);
// fitColumnTo for the columns of a table (column c: minimumWidths[c] and
// texts[c]), its stretched last column included, then fitTableToContents:
// a table whose last column stretches shows that column's texts whole too.
void fitColumnsTo(QTableView *table, const QVector<int> &minimumWidths,
                  const QVector<QStringList> &texts, const QSize &minimum);
// The same with each column as wide as its cells and header need, never
// less than minimumWidths[column] (the header's default size for a column
// without an entry). Called after the cells change.
void fitColumnsToContents(QTableView *table, const QVector<int> &minimumWidths, const QSize &minimum);
// Rows of the height the table has now, or as high as a line of a new font
// needs whenever the table takes one (fitRowsTo on every font change).
void keepRowsFitToFont(QTableView *table);
// The sizes above depend on the font, and a window's children take a new
// font after the window does. Called from a form's changeEvent: on a font
// change runs fit once the children have theirs.
void refitAfterFontChange(QWidget *form, QEvent *event, std::function<void()> fit);

// The names these helpers had in some forms; kept for forms written against
// them.
inline void setMinimumTextWidth(const QList<QLineEdit *> &edits, const QStringList &texts)
{
    for (QLineEdit *edit : edits)
        reserveWidthFor(edit, texts);
}
inline void setMinimumTextWidth(QComboBox *combo)
{
    reserveWidthFor(combo);
}
