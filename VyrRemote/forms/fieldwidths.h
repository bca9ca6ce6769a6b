#pragma once

// The names the room-for-text helpers had in some forms; kept for forms
// written against them. New code calls those of textfunctions.h.

#include "textfunctions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

inline void fitLineEditTo(QLineEdit *edit, const QString &longest)
{
    reserveWidthFor(edit, {longest});
}

inline void fitComboToEntries(QComboBox *combo)
{
    reserveWidthFor(combo);
}

inline void fitTableTo(QTableView *table, const QString &longest, int rowHeight)
{
    stretchColumnsFor(table, {longest});
    fitRowsTo(table, rowHeight);
}
