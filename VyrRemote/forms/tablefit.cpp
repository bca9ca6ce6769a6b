#include "tablefit.h"

#include <QHeaderView>
#include <QTableWidget>

void fitTableToContents(QTableWidget *table, const TableDesign &design)
{
    if (!table)
        return;
    QHeaderView *columns = table->horizontalHeader();
    QHeaderView *rows = table->verticalHeader();
    // QTableView keeps its override protected; the base class's is public.
    const QAbstractItemView *view = table;

    int width = 2 * table->frameWidth() + (rows->isHidden() ? 0 : rows->sizeHint().width());
    const int count = table->columnCount();
    for (int c = 0; c < count; ++c) {
        const int designed = c < design.columnWidths.size() ? design.columnWidths.at(c)
                                                             : columns->defaultSectionSize();
        const int needed = qMax(designed, qMax(view->sizeHintForColumn(c), columns->sectionSizeHint(c)));
        if (!(c == count - 1 && columns->stretchLastSection()))
            table->setColumnWidth(c, needed);
        width += needed;
    }
    int height = 2 * table->frameWidth() + (columns->isHidden() ? 0 : columns->sizeHint().height());
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    // The grid line closing the last row and column.
    if (table->showGrid()) {
        ++width;
        ++height;
    }
    table->setMinimumSize(qMax(design.minimumSize.width(), width), qMax(design.minimumSize.height(), height));
}
