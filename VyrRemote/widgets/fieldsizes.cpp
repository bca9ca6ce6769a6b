#include "widgethelpers.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QtMath>

namespace {

// QLineEdit's own margin between its frame and its text, each side.
constexpr int LineEditTextMargin = 2;
// The margin a combo box's text field keeps beside its text, each side
// together (an editable one holds a line edit with its own margins).
constexpr int ComboTextMargin = 2;
constexpr int EditableComboTextMargin = 4;
// Between an entry's icon and its text.
constexpr int IconSpacing = 4;
// Beside a label's text, each side, so that it does not touch a coloured
// cell's edges.
constexpr int LabelTextPadding = 2;
// Above and below a line of text in a table cell.
constexpr int CellPadding = 2;

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

// What a column needs for the widest of texts: the item view draws a cell's
// text inside the focus frame margin plus one pixel on each side, and the
// grid line takes one more.
int columnWidthFor(const QTableView *table, const QStringList &texts)
{
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int grid = table->showGrid() ? 1 : 0;
    return widestText(table->font(), texts) + 2 * margin + grid;
}

// What a column's cells and header ask for.
int columnHint(const QTableView *table, int column)
{
    // QTableView keeps its override protected; the base class's is public.
    const QAbstractItemView *view = table;
    return qMax(view->sizeHintForColumn(column), table->horizontalHeader()->sectionSizeHint(column));
}

// Gives every column the width width(c), the stretched last one too (a
// stretched section keeps no width of its own), and the table the size of
// all of them; the last column stretches again afterwards.
void fitColumnsAndTable(QTableView *table, int columns, const std::function<int(int column)> &width,
                        const QSize &minimum)
{
    QHeaderView *top = table->horizontalHeader();
    const bool stretch = top->stretchLastSection();
    top->setStretchLastSection(false);
    for (int c = 0; c < columns; ++c)
        table->setColumnWidth(c, width(c));
    fitTableToContents(table, minimum);
    top->setStretchLastSection(stretch);
}

} // namespace

void reserveWidthFor(QLineEdit *field, const QStringList &texts)
{
    if (!field)
        return;
    const QFontMetrics fm = field->fontMetrics();
    const QMargins tm = field->textMargins();
    const QMargins cm = field->contentsMargins();
    // One pixel more for the text cursor, as QLineEdit measures itself.
    const QSize text(widestText(field->font(), texts) + 2 * LineEditTextMargin + tm.left() + tm.right() + cm.left()
                         + cm.right() + 1,
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

void reserveWidthFor(QLabel *label, const QStringList &texts, int atLeast)
{
    if (!label)
        return;
    QStringList lines;
    for (const QString &text : texts)
        lines << text.split(QLatin1Char('\n'));
    // Frame and contents margins do not depend on the label's width.
    const int around = label->width() - label->contentsRect().width() + 2 * label->margin();
    label->setMinimumWidth(qMax(atLeast, widestText(label->font(), lines) + around + 2 * LabelTextPadding));
}

void reserveLinesFor(QLabel *label, int lines)
{
    if (!label || lines < 1)
        return;
    // Measured as the label measures its own text.
    QStringList sample;
    for (int i = 0; i < lines; ++i)
        sample << QStringLiteral("X");
    const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                         int(label->alignment()), sample.join(QLatin1Char('\n')));
    const int around = label->height() - label->contentsRect().height() + 2 * label->margin();
    label->setMinimumHeight(text.height() + around);
}

void reserveRoomFor(QWidget *widget, const QSize &designed)
{
    if (widget)
        widget->setMinimumSize(designed.expandedTo(widget->minimumSizeHint()));
}

void reserveWidthFor(QComboBox *list)
{
    if (!list)
        return;
    // The room the style leaves around the text field (frame, arrow) does
    // not depend on the list's width; measured on its present size.
    QStyleOptionComboBox opt;
    opt.initFrom(list);
    opt.editable = list->isEditable();
    opt.frame = list->hasFrame();
    opt.iconSize = list->iconSize();
    opt.subControls = QStyle::SC_All;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list);
    const int around = opt.rect.width() - field.width();
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        int width = widestText(list->font(), {list->itemText(i)});
        if (!list->itemIcon(i).isNull())
            width += list->iconSize().width() + IconSpacing;
        widest = qMax(widest, width);
    }
    const int margin = list->isEditable() ? EditableComboTextMargin : ComboTextMargin;
    list->setMinimumWidth(widest + margin + around);
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
    const int width = qMax(columnWidthFor(table, texts), table->horizontalHeader()->sectionSizeHint(column));
    table->setColumnWidth(column, qMax(width, minimumWidth));
}

void fitColumnsTo(QTableView *table, const QVector<int> &minimumWidths, const QVector<QStringList> &texts,
                  const QSize &minimum)
{
    if (!table)
        return;
    fitColumnsAndTable(table, texts.size(), [&](int c) {
        const int width = qMax(columnWidthFor(table, texts.at(c)), table->horizontalHeader()->sectionSizeHint(c));
        return qMax(width, minimumWidths.value(c));
    }, minimum);
}

void fitColumnsToContents(QTableView *table, const QVector<int> &minimumWidths, const QSize &minimum)
{
    if (!table)
        return;
    const QHeaderView *top = table->horizontalHeader();
    fitColumnsAndTable(table, top->count(), [&](int c) {
        return qMax(minimumWidths.value(c, top->defaultSectionSize()), columnHint(table, c));
    }, minimum);
}
void stretchColumnsFor(QTableView *table, const QStringList &texts)
{
    if (!table)
        return;
    QHeaderView *top = table->horizontalHeader();
    top->setMinimumSectionSize(columnWidthFor(table, texts));
    top->setSectionResizeMode(QHeaderView::Stretch);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
}

void fitRowsTo(QTableView *table, int rowHeight)
{
    if (!table)
        return;
    QHeaderView *rows = table->verticalHeader();
    int need = table->fontMetrics().height() + CellPadding;
    if (!rows->isHidden()) {
        // A row header's section in the header's own font.
        QStyleOptionHeader opt;
        opt.initFrom(rows);
        opt.orientation = Qt::Vertical;
        opt.text = QStringLiteral("Xg");
        need = qMax(need, rows->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), rows).height());
    }
    const int height = qMax(rowHeight, need);
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);
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
namespace {

// Lives as a child of its table and refits the rows when the table takes a
// new font (the font dialog's style sheet reaches every widget of the
// window, shown or not, when it is polished).
class RowFontKeeper : public QObject
{
public:
    static constexpr const char *Name = "vyr_rowFontKeeper";

    RowFontKeeper(QTableView *table, int rowHeight)
        : QObject(table), m_table(table), m_rowHeight(rowHeight)
    {
        setObjectName(QLatin1String(Name));
        table->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Once the headers have the new font too.
        if (watched == m_table && event->type() == QEvent::FontChange) {
            QTableView *table = m_table;
            const int rowHeight = m_rowHeight;
            QMetaObject::invokeMethod(table, [table, rowHeight] { fitRowsTo(table, rowHeight); }, Qt::QueuedConnection);
        }
        return false;
    }

    void refit() { fitRowsTo(m_table, m_rowHeight); }

    // Rows of every kept table under root fitted now, in the font they have.
    static void refitUnder(QWidget *root)
    {
        for (QObject *keeper : root->findChildren<QObject *>(QLatin1String(Name)))
            static_cast<RowFontKeeper *>(keeper)->refit();
    }

private:
    QTableView *m_table;
    int m_rowHeight;
};

} // namespace

void keepRowsFitToFont(QTableView *table)
{
    if (!table || table->findChild<QObject *>(QLatin1String(RowFontKeeper::Name), Qt::FindDirectChildrenOnly))
        return;
    new RowFontKeeper(table, table->verticalHeader()->defaultSectionSize());
}

void refitAfterFontChange(QWidget *form, QEvent *event, std::function<void()> fit)
{
    if (form && event && event->type() == QEvent::FontChange) {
        // The rows of the form's tables first (whichever queued refit comes
        // first), since the tables' sizes follow them.
        QMetaObject::invokeMethod(
            form, [form, fit = std::move(fit)] {
                RowFontKeeper::refitUnder(form);
                fit();
            },
            Qt::QueuedConnection);
    }
}
