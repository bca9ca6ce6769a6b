#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QEvent;
class QWidget;
class QLineEdit;
class QTableView;

// Widths that let a read-only field or a table of counters show the longest
// text it can be given, in the widget's font at the time of the call. A form
// calls them again after a language switch (unit words change) and after a
// font change. GUI thread only.

// Sets the field's minimum width to what the text needs.
void fitLineEditTo(QLineEdit *edit, const QString &longest);

// Sets the list's minimum width to what its widest entry needs (entries
// change with the language).
void fitComboToEntries(QComboBox *combo);

// Columns share the table's width, none narrower than the text needs; rows
// keep their designed height unless the font needs more; the table asks its
// layout for the size of all its rows and columns, so that a layout with
// room to spare shows it without scroll bars.
void fitTableTo(QTableView *table, const QString &longest, int rowHeight);

// The widths above depend on the font, and a form's children take a new font
// after the form does. Called from the form's changeEvent: on a font change
// runs fit once the children have theirs.
void refitAfterFontChange(QWidget *form, QEvent *event, std::function<void()> fit);
