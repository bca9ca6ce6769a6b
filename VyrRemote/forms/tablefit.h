#pragma once

#include <QSize>
#include <QVector>

class QTableWidget;

// What a results table's designer form gives it: the column widths and the
// minimum size. The table never gets smaller than that.
struct TableDesign
{
    QVector<int> columnWidths;   // a column without an entry: the header's default
    QSize minimumSize;
};

// Widens the columns of a results table to what their cells and header
// texts need, and makes the table's minimum size hold every row and column
// without scroll bars, so that long counters, range labels and translated
// headers are shown whole. A stretched last column keeps its stretch.
// Called after the cells, the language or the font change.
// GUI thread only.
void fitTableToContents(QTableWidget *table, const TableDesign &design);
