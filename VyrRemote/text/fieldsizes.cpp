#include "textfunctions.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QtMath>

namespace {

// QLineEdit's own margin between its frame and its text, each side.
constexpr int LineEditTextMargin = 2;

// The width of the widest text as drawn, rounded up: views elide and line
// edits scroll a text that exceeds its room by the least fraction of a pixel.
int widestText(const QFont &font, const QStringList &texts)
{
    const QFontMetricsF fm(font);
    qreal widest = 0;
    for (const QString &t : texts)
        widest = qMax(widest, fm.horizontalAdvance(t));
    return qCeil(widest);
}

} // namespace

void reserveWidthFor(QLineEdit *field, const QStringList &texts)
{
    if (!field)
        return;
    const QFontMetrics fm = field->fontMetrics();
    const QMargins tm = field->textMargins();
    const QSize text(widestText(field->font(), texts) + 2 * LineEditTextMargin + tm.left() + tm.right() + 1,
                     fm.height() + tm.top() + tm.bottom());
    QStyleOptionFrame opt;
    opt.initFrom(field);
    opt.rect = field->rect();
    opt.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, field) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QSize need = field->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, text, field);
    field->setMinimumWidth(need.width());
}

void showText(QLineEdit *field, const QString &text)
{
    if (!field)
        return;
    field->setText(text);
    field->setCursorPosition(0);
}

void fitColumnTo(QTableView *table, int column, int minimumWidth, const QStringList &texts)
{
    if (!table)
        return;
    // The item view draws a cell's text inside the focus frame margin plus
    // one pixel on each side, and the grid line takes one more.
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int grid = table->showGrid() ? 1 : 0;
    int width = widestText(table->font(), texts) + 2 * margin + grid;
    width = qMax(width, table->horizontalHeader()->sectionSizeHint(column));
    table->setColumnWidth(column, qMax(width, minimumWidth));
}

void fitTableToContents(QTableView *table, const QSize &minimum)
{
    if (!table)
        return;
    QHeaderView *top = table->horizontalHeader();
    QHeaderView *side = table->verticalHeader();
    const int frame = 2 * table->frameWidth();
    const int width = frame + (side->isHidden() ? 0 : side->sizeHint().width()) + top->length();
    const int height = frame + (top->isHidden() ? 0 : top->sizeHint().height()) + side->length();
    table->setMinimumSize(minimum.expandedTo(QSize(width, height)));
}

void fitColumnsTo(QTableView *table, const QVector<int> &minimumWidths, const QVector<QStringList> &texts,
                  const QSize &minimum)
{
    if (!table)
        return;
    // A stretched section keeps no width of its own: measured unstretched,
    // so that the table's minimum holds what the last column needs.
    QHeaderView *top = table->horizontalHeader();
    const bool stretch = top->stretchLastSection();
    top->setStretchLastSection(false);
    for (int c = 0; c < texts.size(); ++c)
        fitColumnTo(table, c, minimumWidths.value(c), texts.at(c));
    fitTableToContents(table, minimum);
    top->setStretchLastSection(stretch);
}
