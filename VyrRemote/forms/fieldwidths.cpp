#include "fieldwidths.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMetaObject>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>

namespace {

// QLineEdit keeps this much space on each side of its text.
constexpr int LineEditInnerMargin = 2;
// Room for the text cursor and rounding of the font's advances.
constexpr int Slack = 4;

} // namespace

void fitLineEditTo(QLineEdit *edit, const QString &longest)
{
    if (!edit)
        return;
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    const QMargins text = edit->textMargins();
    const QMargins contents = edit->contentsMargins();
    const int width = edit->fontMetrics().horizontalAdvance(longest) + 2 * LineEditInnerMargin + Slack
                      + text.left() + text.right() + contents.left() + contents.right();
    const QSize need = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &opt,
                                                       QSize(width, edit->fontMetrics().height()), edit);
    edit->setMinimumWidth(need.width());
}

void fitComboToEntries(QComboBox *combo)
{
    if (!combo)
        return;
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = qMax(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = combo->isEditable();
    opt.frame = combo->hasFrame();
    const QSize need = combo->style()->sizeFromContents(
        QStyle::CT_ComboBox, &opt, QSize(widest + Slack, combo->fontMetrics().height()), combo);
    combo->setMinimumWidth(need.width());
}

void fitTableTo(QTableView *table, const QString &longest, int rowHeight)
{
    if (!table)
        return;
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int width = table->fontMetrics().horizontalAdvance(longest) + 2 * margin + Slack;
    QHeaderView *columns = table->horizontalHeader();
    columns->setMinimumSectionSize(width);
    columns->setSectionResizeMode(QHeaderView::Stretch);

    // The height a row header needs in the header's own font.
    QHeaderView *rows = table->verticalHeader();
    QStyleOptionHeader opt;
    opt.initFrom(rows);
    opt.orientation = Qt::Vertical;
    opt.text = QStringLiteral("Xg");
    const int needed = rows->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), rows).height();
    const int height = qMax(rowHeight, needed);
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);

    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
}

void refitAfterFontChange(QWidget *form, QEvent *event, std::function<void()> fit)
{
    if (form && event && event->type() == QEvent::FontChange)
        QMetaObject::invokeMethod(form, std::move(fit), Qt::QueuedConnection);
}
