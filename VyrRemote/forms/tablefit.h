#pragma once

// The name the fit of a results table had in some forms; kept for forms
// written against it. New code calls fitColumnsToContents (textfunctions.h).

#include "textfunctions.h"

#include <QSize>
#include <QTableWidget>
#include <QVector>

// What a results table's designer form gives it: the column widths and the
// minimum size. The table never gets smaller than that.
struct TableDesign
{
    QVector<int> columnWidths;   // a column without an entry: the header's default
    QSize minimumSize;
};

inline void fitTableToContents(QTableWidget *table, const TableDesign &design)
{
    fitColumnsToContents(table, design.columnWidths, design.minimumSize);
}
