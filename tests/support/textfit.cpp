#include "textfit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QLayout>
#include <QtMath>
#include <QToolButton>
#include <QTranslator>

#include <climits>

namespace {

// The offscreen platform of the test runs has no desktop theme and gives the
// widgets a 12 pt font, larger than any desktop gives a Qt program: the
// generic theme of a Linux desktop uses 9 pt sans serif, Windows 9 pt Segoe
// UI (narrower still). Texts are measured in the font an operator sees, so
// every test that links the check starts with the desktop's font.
void useDesktopFont()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useDesktopFont)

namespace textfit {
namespace {

// Cells beyond these are not measured (a scanner table has 256 rows; the
// scroll check already covers what lies past the view).
constexpr int MaxRows = 300;
constexpr int MaxColumns = 64;

struct Finding
{
    QWidget *widget = nullptr;
    QString what;       // "text", "title", "tab 2", "header 3", ...
    QString text;
    QSize need;
    QSize have;
};

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

// The width a text takes as drawn: its advance in fractions of a pixel,
// rounded up. Item views and line edits elide or scroll a text whose exact
// width exceeds the room by the least fraction, which the rounded advance of
// QFontMetrics would hide.
int advance(const QFont &font, const QString &text)
{
    return qCeil(QFontMetricsF(font).horizontalAdvance(text));
}

// The size a text needs with the given flags (lines split at '\n'; '&'
// taken as a mnemonic where the widget shows it so).
QSize textSize(const QFontMetrics &fm, const QString &text, int flags)
{
    if (text.isEmpty())
        return QSize(0, 0);
    // Per line, without the trailing blanks nobody sees.
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (QString line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        width = qMax(width, fm.size(flags, line).width());
    }
    return QSize(width, fm.height() + (lines.size() - 1) * fm.lineSpacing());
}

// A text overflows its room vertically only by more than this: the last
// pixels of a line's height are leading and descent below the glyphs.
constexpr int VerticalSlack = 3;

// Rounds of layout requests settle() lets run.
constexpr int SettleRounds = 16;

bool roomFor(const QSize &need, const QSize &have)
{
    return need.width() <= have.width() && need.height() <= have.height() + VerticalSlack;
}

// Whether a text fits a rectangle of the given size, wrapped at words when
// wrap is set. need receives what it takes.
bool fits(const QFont &font, const QString &text, const QSize &have, bool wrap, int flags, QSize *need)
{
    const QFontMetrics fm(font);
    if (!wrap) {
        *need = textSize(fm, text, flags);
        return roomFor(*need, have);
    }
    // Wrapped: no single word may be wider than the room, and the wrapped
    // lines must fit its height.
    int widestWord = 0;
    for (const QString &word : text.split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widestWord = qMax(widestWord, advance(font, word));
    const QRect r = fm.boundingRect(QRect(0, 0, qMax(1, have.width()), INT_MAX / 4),
                                    flags | Qt::TextWordWrap, text);
    *need = QSize(qMax(widestWord, r.width()), r.height());
    return widestWord <= have.width() && r.height() <= have.height() + VerticalSlack;
}

class Checker
{
public:
    Checker(QWidget *root, const Options &options)
        : m_root(root), m_options(options)
    {
    }

    void run()
    {
        if (m_options.visitTabs)
            forEachTabPage(m_root, [this](QWidget *page) { checkTree(page); });
        else
            checkTree(m_root);
    }

    QStringList lines() const { return m_lines; }

private:
    void checkTree(QWidget *root)
    {
        check(root);
        for (QWidget *w : root->findChildren<QWidget *>())
            check(w);
    }

    void check(QWidget *w)
    {
        if (!w->isVisible())
            return;
        // Internals of composite widgets are measured through their owner.
        if (QWidget *p = w->parentWidget()) {
            if (qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QComboBox *>(p))
                return;
        }
        if (auto *label = qobject_cast<QLabel *>(w))
            checkLabel(label);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            checkButton(button);
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            checkGroupBox(box);
        else if (auto *bar = qobject_cast<QTabBar *>(w))
            checkTabBar(bar);
        else if (auto *header = qobject_cast<QHeaderView *>(w))
            checkHeader(header);
        else if (auto *table = qobject_cast<QTableView *>(w))
            checkTable(table);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            checkLineEdit(edit);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            checkCombo(combo);
    }

    bool hasText(QWidget *w) const
    {
        if (auto *l = qobject_cast<QLabel *>(w))
            return !l->text().isEmpty();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            return !b->text().isEmpty();
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return !g->title().isEmpty();
        return false;
    }

    // A widget larger than what its ancestors show is clipped at their
    // edges, whatever room it has itself. Scrolling areas clip by design.
    void checkClipped(QWidget *w, const QString &text)
    {
        QRect visible(w->mapTo(w->window(), QPoint(0, 0)), w->size());
        const QRect own = visible;
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
            if (qobject_cast<QAbstractScrollArea *>(p->parentWidget())
                && static_cast<QAbstractScrollArea *>(p->parentWidget())->viewport() == p)
                return;
            const QRect pr(p->mapTo(p->window(), QPoint(0, 0)), p->size());
            visible &= pr;
            if (p->isWindow())
                break;
        }
        if (visible != own)
            add(w, QStringLiteral("clipped by its parent"), text, own.size(), visible.size());
    }

    void add(QWidget *w, const QString &what, const QString &text, QSize need, QSize have)
    {
        const QString line = QStringLiteral("%1 %2 \"%3\": needs %4x%5 px, has %6x%7 px")
                                 .arg(widgetName(w), what, oneLine(text))
                                 .arg(need.width())
                                 .arg(need.height())
                                 .arg(have.width())
                                 .arg(have.height());
        if (!m_lines.contains(line))
            m_lines << line;
    }

    void checkLabel(QLabel *label)
    {
        const QString text = label->text();
        if (text.isEmpty() || label->hasScaledContents())
            return;
        const QFontMetrics fm = label->fontMetrics();
        QRect room = label->contentsRect();
        const int m = label->margin();
        room.adjust(m, m, -m, -m);
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0)
            indent = fm.horizontalAdvance(QLatin1Char('x')) / 2;
        if (indent > 0) {
            const Qt::Alignment a = label->alignment();
            if (a & Qt::AlignLeft)
                room.setLeft(room.left() + indent);
            else if (a & Qt::AlignRight)
                room.setRight(room.right() - indent);
            if (a & Qt::AlignTop)
                room.setTop(room.top() + indent);
            else if (a & Qt::AlignBottom)
                room.setBottom(room.bottom() - indent);
        }
        const bool rich = label->textFormat() == Qt::RichText
                          || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        QSize need;
        bool ok = true;
        if (rich) {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(text);
            if (doc.toPlainText().trimmed().isEmpty())
                return;   // a picture only
            if (label->wordWrap()) {
                doc.setTextWidth(room.width());
                need = QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
            } else {
                doc.setTextWidth(-1);
                need = QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
            }
            ok = roomFor(need, room.size());
        } else {
            const int flags = label->buddy() ? int(Qt::TextShowMnemonic) : 0;
            ok = fits(label->font(), text, room.size(), label->wordWrap(), flags, &need);
        }
        if (!ok)
            add(label, QStringLiteral("text"), rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text,
                need, room.size());
        else
            checkClipped(label, text);
    }

    void checkButton(QAbstractButton *button)
    {
        const QString text = button->text();
        if (text.isEmpty())
            return;
        if (qobject_cast<QTabBar *>(button->parentWidget()))
            return;   // scroll arrows and close buttons of a tab bar
        const QFontMetrics fm = button->fontMetrics();
        const QSize textNeed = textSize(fm, text, Qt::TextShowMnemonic);
        const bool icon = !button->icon().isNull();
        QSize need = textNeed;
        QSize have;
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            QStyleOptionButton opt;
            opt.initFrom(push);
            opt.features = QStyleOptionButton::None;
            if (push->isFlat())
                opt.features |= QStyleOptionButton::Flat;
            if (push->menu())
                opt.features |= QStyleOptionButton::HasMenu;
            if (push->autoDefault())
                opt.features |= QStyleOptionButton::AutoDefaultButton;
            if (push->isDefault())
                opt.features |= QStyleOptionButton::DefaultButton;
            opt.text = text;
            opt.icon = push->icon();
            opt.iconSize = push->iconSize();
            QRect r = push->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, push);
            if (push->menu())
                r.setWidth(r.width() - push->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &opt, push));
            if (icon) {
                // The icon and the text are centred together: a text too
                // wide pushes the icon off the left edge.
                need.rwidth() += push->iconSize().width() + 4;
                need.setHeight(qMax(need.height(), push->iconSize().height()));
            }
            have = r.size();
        } else if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = text;
            opt.icon = button->icon();
            opt.iconSize = button->iconSize();
            const QStyle::SubElement se = qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
                                                                           : QStyle::SE_RadioButtonContents;
            const QRect r = button->style()->subElementRect(se, &opt, button);
            if (icon)
                need.rwidth() += button->iconSize().width() + 4;
            have = r.size();
        } else if (auto *tool = qobject_cast<QToolButton *>(button)) {
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && icon)
                return;
            need = tool->sizeHint();
            have = tool->size();
        } else {
            need = button->sizeHint();
            have = button->size();
        }
        if (!roomFor(need, have))
            add(button, QStringLiteral("text"), text, need, have);
        else
            checkClipped(button, text);
    }

    void checkGroupBox(QGroupBox *box)
    {
        const QString title = box->title();
        if (title.isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = title;
        opt.lineWidth = 1;
        opt.midLineWidth = 0;
        opt.textAlignment = Qt::Alignment(box->alignment());
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        if (box->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        QRect used = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        if (box->isCheckable())
            used |= box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxCheckBox, box);
        if (!box->rect().contains(used))
            add(box, QStringLiteral("title"), title, QSize(used.right() + 1, used.height()), box->size());
        else
            checkClipped(box, title);
    }

    void checkTabBar(QTabBar *bar)
    {
        const bool vertical = bar->shape() == QTabBar::RoundedWest || bar->shape() == QTabBar::RoundedEast
                              || bar->shape() == QTabBar::TriangularWest || bar->shape() == QTabBar::TriangularEast;
        const QFontMetrics fm = bar->fontMetrics();
        bool scrolled = false;
        for (QToolButton *arrow : bar->findChildren<QToolButton *>()) {
            if (arrow->isVisible())
                scrolled = true;
        }
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i))
                continue;
            const QString text = bar->tabText(i);
            if (text.isEmpty())
                continue;
            QStyleOptionTab opt;
            opt.initFrom(bar);
            opt.text = text;
            opt.icon = bar->tabIcon(i);
            opt.iconSize = bar->iconSize();
            opt.shape = bar->shape();
            opt.documentMode = bar->documentMode();
            const int hframe = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, bar);
            const int vframe = bar->style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, bar);
            const int iconWidth = opt.icon.isNull() ? 0 : opt.iconSize.width() + 4;
            const int tw = fm.size(Qt::TextShowMnemonic, text).width();
            QSize contents(tw + iconWidth + hframe, qMax(fm.height(), opt.icon.isNull() ? 0 : opt.iconSize.height()) + vframe);
            if (vertical)
                contents.transpose();
            QSize need = bar->style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contents, bar);
            const QRect r = bar->tabRect(i);
            QSize have = r.size();
            const bool outside = vertical ? (r.top() < 0 || r.bottom() >= bar->height())
                                          : (r.left() < 0 || r.right() >= bar->width());
            const bool narrow = vertical ? have.height() < need.height() : have.width() < need.width();
            if (narrow || outside || scrolled)
                add(bar, QStringLiteral("tab %1%2").arg(i).arg(scrolled ? QStringLiteral(" (bar scrolls)") : QString()),
                    text, need, have);
        }
    }

    void checkHeader(QHeaderView *header)
    {
        QAbstractItemModel *model = header->model();
        if (!model)
            return;
        const Qt::Orientation o = header->orientation();
        const int count = header->count();
        for (int i = 0; i < count && i < (o == Qt::Horizontal ? MaxColumns : MaxRows); ++i) {
            if (header->isSectionHidden(i))
                continue;
            const QString text = model->headerData(i, o, Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            QStyleOptionHeader opt;
            opt.initFrom(header);
            const QVariant font = model->headerData(i, o, Qt::FontRole);
            if (font.isValid() && font.canConvert<QFont>()) {
                QFont f = qvariant_cast<QFont>(font);
                f.resolve(header->font());
                opt.fontMetrics = QFontMetrics(f);
            }
            opt.text = text;
            opt.section = i;
            opt.orientation = o;
            opt.icon = qvariant_cast<QIcon>(model->headerData(i, o, Qt::DecorationRole));
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i)
                opt.sortIndicator = QStyleOptionHeader::SortDown;
            const QSize need = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), header);
            const QSize have = o == Qt::Horizontal ? QSize(header->sectionSize(i), header->height())
                                                   : QSize(header->width(), header->sectionSize(i));
            if (!roomFor(need, have))
                add(header, QStringLiteral("section %1").arg(i), text, need, have);
        }
    }

    void checkTable(QTableView *table)
    {
        QAbstractItemModel *model = table->model();
        if (!model)
            return;
        const bool mayScroll = m_options.scrollingAllowed.contains(table->objectName());
        if (!mayScroll) {
            const QScrollBar *h = table->horizontalScrollBar();
            const QScrollBar *v = table->verticalScrollBar();
            if (h->maximum() > h->minimum() || v->maximum() > v->minimum())
                add(table, QStringLiteral("scrolls"), QStringLiteral("%1 rows x %2 columns")
                                                          .arg(model->rowCount())
                                                          .arg(model->columnCount()),
                    table->viewport()->size() + QSize(h->maximum(), v->maximum()), table->viewport()->size());
        }
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
        const int rows = qMin(model->rowCount(), MaxRows);
        const int columns = qMin(model->columnCount(), MaxColumns);
        for (int r = 0; r < rows; ++r) {
            if (table->isRowHidden(r))
                continue;
            for (int c = 0; c < columns; ++c) {
                if (table->isColumnHidden(c))
                    continue;
                const QModelIndex index = model->index(r, c);
                if (table->indexWidget(index))
                    continue;   // the widget is checked on its own
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty())
                    continue;
                QFont f = table->font();
                const QVariant font = index.data(Qt::FontRole);
                if (font.isValid() && font.canConvert<QFont>())
                    f = qvariant_cast<QFont>(font).resolve(table->font());
                QRect cell = table->visualRect(index);
                cell.adjust(margin, 0, -margin, 0);
                if (index.data(Qt::CheckStateRole).isValid())
                    cell.setLeft(cell.left() + table->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2 * margin);
                if (!index.data(Qt::DecorationRole).isNull())
                    cell.setLeft(cell.left() + table->iconSize().width() + 2 * margin);
                QSize need;
                if (!fits(f, text, cell.size(), table->wordWrap(), 0, &need))
                    add(table, QStringLiteral("cell %1,%2").arg(r).arg(c), text, need, cell.size());
            }
        }
    }

    void checkLineEdit(QLineEdit *edit)
    {
        if (edit->isEnabled() && !edit->isReadOnly() && !m_options.editableLineEdits)
            return;   // what the operator types scrolls as he types
        if (edit->echoMode() != QLineEdit::Normal || edit->displayText().isEmpty())
            return;
        if (m_options.scrollingAllowed.contains(edit->objectName()))
            return;
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.rect = edit->rect();
        opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
        opt.midLineWidth = 0;
        opt.state |= QStyle::State_Sunken;
        QRect r = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
        const QMargins tm = edit->textMargins();
        r = r.marginsRemoved(tm);
        const int innerMargin = 2;   // QLineEdit's own, each side
        const QSize have(r.width() - 2 * innerMargin, r.height());
        const QFontMetrics fm = edit->fontMetrics();
        // QLineEdit scrolls once the text and one pixel more exceed its room.
        const QSize need(advance(edit->font(), edit->displayText()) + 1, fm.height());
        if (!roomFor(need, have))
            add(edit, QStringLiteral("shows"), edit->displayText(), need, have);
    }

    void checkCombo(QComboBox *combo)
    {
        if (combo->count() == 0)
            return;
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.editable = combo->isEditable();
        opt.frame = combo->hasFrame();
        opt.currentText = combo->currentText();
        opt.iconSize = combo->iconSize();
        opt.subControls = QStyle::SC_All;
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
        const QFontMetrics fm = combo->fontMetrics();
        const int inner = combo->isEditable() ? 4 : 2;
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            if (text.isEmpty())
                continue;
            int need = advance(combo->font(), text);
            if (!combo->itemIcon(i).isNull())
                need += combo->iconSize().width() + 4;
            const QSize haveSize(field.width() - inner, field.height());
            if (!roomFor(QSize(need, fm.height()), haveSize))
                add(combo, QStringLiteral("entry %1").arg(i), text, QSize(need, fm.height()), haveSize);
        }
    }

    QWidget *m_root;
    Options m_options;
    QStringList m_lines;
};

} // namespace

QString widgetName(const QWidget *w)
{
    QString name = w->objectName();
    if (name.isEmpty()) {
        // An unnamed widget is told by its nearest named ancestor.
        for (const QObject *p = w->parent(); p; p = p->parent()) {
            if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_"))) {
                name = QStringLiteral("(in %1)").arg(p->objectName());
                break;
            }
        }
    }
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), name);
}

void forEachTabPage(QWidget *root, const std::function<void(QWidget *page)> &visit)
{
    visit(root);
    QList<QTabWidget *> tabs;
    for (QTabWidget *tw : root->findChildren<QTabWidget *>()) {
        if (tw->isVisible())
            tabs << tw;
    }
    for (QTabWidget *tw : tabs) {
        const int current = tw->currentIndex();
        for (int i = 0; i < tw->count(); ++i) {
            if (i == current || !tw->isTabEnabled(i) || !tw->isTabVisible(i))
                continue;
            tw->setCurrentIndex(i);
            settle(root);
            if (QWidget *page = tw->widget(i))
                forEachTabPage(page, visit);
        }
        tw->setCurrentIndex(current);
        settle(root);
    }
}

void settle(QWidget *root)
{
    // A layout request raised while the posted ones are sent waits for the
    // next round, and a new size need climbs one widget level a round: from
    // a page of a tab widget in a form in the main window's scroll area up
    // to the window takes about a dozen.
    for (int i = 0; i < SettleRounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
    if (root && root->window()->layout())
        root->window()->layout()->activate();
    QCoreApplication::processEvents();
}

bool savePicture(QWidget *window, const QString &fileName)
{
    const QString folder = qEnvironmentVariable("VYR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return true;
    settle(window);
    QDir().mkpath(folder);
    return window->grab().save(QDir(folder).filePath(fileName), "PNG");
}

QStringList cutTexts(QWidget *root, const Options &options)
{
    if (!root)
        return {QStringLiteral("no window")};
    if (!root->isVisible())
        return {QStringLiteral("%1 %2 is not shown; nothing can be measured")
                    .arg(QLatin1String(root->metaObject()->className()), root->objectName())};
    settle(root);
    Checker checker(root, options);
    checker.run();
    return checker.lines();
}

QStringList cutTextsAtLeastSize(QWidget *root, const Options &options)
{
    if (root && root->isVisible()) {
        QWidget *window = root->window();
        settle(window); // the least size of the texts it has now
        window->resize(window->minimumSize().expandedTo(window->minimumSizeHint()));
    }
    return cutTexts(root, options);
}

QString report(const QString &language, const QStringList &cut)
{
    return QStringLiteral("cut texts in \"%1\" (%2):\n  %3").arg(language).arg(cut.size()).arg(cut.join(QLatin1String("\n  ")));
}

QString logged(const QStringList &reports)
{
    const QString all = reports.join(QLatin1Char('\n'));
    if (!reports.isEmpty())
        qWarning().noquote() << all;
    return all;
}

} // namespace textfit

TextFitLanguages::TextFitLanguages(const QStringList &bases)
    : m_bases(bases)
{
}

TextFitLanguages::~TextFitLanguages()
{
    removeAll();
}

QStringList TextFitLanguages::all()
{
    return {QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("de")};
}

void TextFitLanguages::removeAll()
{
    for (auto &t : m_installed)
        QCoreApplication::removeTranslator(t.get());
    m_installed.clear();
}

bool TextFitLanguages::use(const QString &language)
{
    removeAll();
    if (language == QLatin1String("en"))
        return true;
    bool ok = true;
    for (const QString &base : qAsConst(m_bases)) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(base + QLatin1Char('_') + language)) {
            ok = false;
            continue;
        }
        QCoreApplication::installTranslator(t.get());
        m_installed.push_back(std::move(t));
    }
    return ok;
}

QStringList textFitInEachLanguage(const std::function<bool(const QString &)> &use,
                                  const std::function<QStringList()> &cutTextsNow, const QStringList &languages)
{
    QStringList reports;
    for (const QString &lang : languages) {
        if (!use(lang)) {
            reports << QStringLiteral("the \"%1\" catalogues did not load").arg(lang);
            continue;
        }
        const QStringList cut = cutTextsNow();
        if (!cut.isEmpty())
            reports << textfit::report(lang, cut);
    }
    return reports;
}

QStringList textFitInAllLanguages(QWidget *root, TextFitLanguages &languages,
                                  const std::function<void()> &retranslate, const textfit::Options &options)
{
    return textFitInEachLanguage(
        [&](const QString &lang) {
            if (!languages.use(lang))
                return false;
            if (retranslate)
                retranslate();
            return true;
        },
        [&] { return textfit::cutTexts(root, options); });
}

QStringList textFitOfNewWindows(TextFitLanguages &languages, const std::function<std::unique_ptr<QWidget>()> &make,
                                const textfit::Options &options)
{
    const QStringList reports = textFitInEachLanguage(
        [&](const QString &lang) { return languages.use(lang); },
        [&] {
            const std::unique_ptr<QWidget> window = make();
            if (!window)
                return QStringList{QStringLiteral("no window was built")};
            window->show();
            return textfit::cutTexts(window.get(), options);
        });
    languages.removeAll();
    return reports;
}
