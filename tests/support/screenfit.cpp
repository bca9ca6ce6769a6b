#include "screenfit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace screenfit {
namespace {

constexpr int AssumedTitleBar = 30;
constexpr int AssumedBorder = 1;
constexpr int LargeFontPoints = 12;

// The text a control is known by in a finding; empty where it has none.
QString controlText(const QWidget *w)
{
    QString text;
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(w))
        text = g->title();
    else if (auto *e = qobject_cast<const QLineEdit *>(w))
        text = e->text();
    else if (auto *c = qobject_cast<const QComboBox *>(w))
        text = c->currentText();
    else if (w->isWindow())
        text = w->windowTitle();
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

QString described(const QWidget *w)
{
    const QString text = controlText(w);
    const QString name = textfit::widgetName(w);
    return text.isEmpty() ? name : QStringLiteral("%1 \"%2\"").arg(name, text);
}

// The scroll area whose viewport w is, if any.
QAbstractScrollArea *scrollAreaOfViewport(QWidget *w)
{
    auto *area = w ? qobject_cast<QAbstractScrollArea *>(w->parentWidget()) : nullptr;
    return area && area->viewport() == w ? area : nullptr;
}

// Parts of a composite widget (the line edit of a spin box, the arrows of a
// tab bar, the scroll bars and corner of a scroll area, a view's headers)
// are reached through their owner.
bool isPart(const QWidget *w)
{
    for (const QWidget *p = w->isWindow() ? nullptr : w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox *>(p) || qobject_cast<const QComboBox *>(p)
            || qobject_cast<const QTabBar *>(p))
            return true;
        if (p->isWindow())
            break;
    }
    auto *area = qobject_cast<const QAbstractScrollArea *>(w->parentWidget());
    return area && area->viewport() != w;
}

bool isControl(const QWidget *w)
{
    if (qobject_cast<const QScrollBar *>(w))
        return false;
    const bool control = qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QGroupBox *>(w)
                         || qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QTabWidget *>(w)
                         || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
                         || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSlider *>(w)
                         || qobject_cast<const QProgressBar *>(w);
    return control && !isPart(w);
}

class Checker
{
public:
    Checker(QWidget *window, const Options &options)
        : m_window(window), m_options(options)
    {
        const QMargins f = frameOf(window);
        // What of the window the area can show when the window stands in it.
        m_inSight = QRect(0, 0, options.area.width() - f.left() - f.right(),
                          options.area.height() - f.top() - f.bottom());
    }

    void run()
    {
        checkFrame();
        textfit::forEachTabPage(m_window, [this](QWidget *page) {
            checkWidget(page);
            for (QWidget *w : page->findChildren<QWidget *>())
                checkWidget(w);
        });
    }

    QStringList lines() const { return m_lines; }

private:
    void add(const QString &line)
    {
        if (!m_lines.contains(line))
            m_lines << line;
    }

    void checkFrame()
    {
        const QMargins f = frameOf(m_window);
        const QSize frame = m_window->size() + QSize(f.left() + f.right(), f.top() + f.bottom());
        const QSize area = m_options.area;
        if (frame.width() <= area.width() && frame.height() <= area.height())
            return;
        const QSize minimum = m_window->minimumSize();
        add(QStringLiteral("window %1: frame needs %2 x %3 px, the area has %4 x %5 px (%6 x %7 px too large; "
                           "the window's minimum is %8 x %9 px)")
                .arg(described(m_window))
                .arg(frame.width())
                .arg(frame.height())
                .arg(area.width())
                .arg(area.height())
                .arg(qMax(0, frame.width() - area.width()))
                .arg(qMax(0, frame.height() - area.height()))
                .arg(minimum.width())
                .arg(minimum.height()));
    }

    void checkWidget(QWidget *w)
    {
        if (!w->isVisible())
            return;
        if (auto *area = qobject_cast<QScrollArea *>(w))
            checkReach(area);
        if (auto *view = qobject_cast<QAbstractScrollArea *>(w)) {
            if (m_options.wholeContents.contains(view->objectName()))
                checkWhole(view);
        }
        if (w != m_window && isControl(w))
            checkInSight(w);
    }

    // A scroll area reaches all of its contents when its scroll bars cover
    // what the contents have beyond the viewport.
    void checkReach(QScrollArea *area)
    {
        const QWidget *contents = area->widget();
        if (!contents || !contents->isVisible())
            return;
        const QSize have = area->viewport()->size();
        const QSize need = contents->size();
        const auto reach = [](const QScrollBar *bar, Qt::ScrollBarPolicy policy) {
            return policy == Qt::ScrollBarAlwaysOff ? 0 : bar->maximum() - bar->minimum();
        };
        const int lackW = need.width() - have.width() - reach(area->horizontalScrollBar(), area->horizontalScrollBarPolicy());
        const int lackH = need.height() - have.height() - reach(area->verticalScrollBar(), area->verticalScrollBarPolicy());
        if (lackW > 0 || lackH > 0)
            add(QStringLiteral("%1: contents of %2 x %3 px, it shows and scrolls to %4 x %5 px (%6 x %7 px out of reach)")
                    .arg(described(area))
                    .arg(need.width())
                    .arg(need.height())
                    .arg(need.width() - qMax(0, lackW))
                    .arg(need.height() - qMax(0, lackH))
                    .arg(qMax(0, lackW))
                    .arg(qMax(0, lackH)));
    }

    // A view that scrolls holds more than it shows; its scroll bars' ranges
    // are what it lacks (pixels for a text edit).
    void checkWhole(QAbstractScrollArea *view)
    {
        const QSize have = view->viewport()->size();
        const int lackW = view->horizontalScrollBar()->maximum() - view->horizontalScrollBar()->minimum();
        const int lackH = view->verticalScrollBar()->maximum() - view->verticalScrollBar()->minimum();
        if (lackW > 0 || lackH > 0)
            add(QStringLiteral("%1: shows %2 x %3 px of its %4 x %5 px of contents without scrolling (%6 x %7 px more needed)")
                    .arg(described(view))
                    .arg(have.width())
                    .arg(have.height())
                    .arg(have.width() + lackW)
                    .arg(have.height() + lackH)
                    .arg(lackW)
                    .arg(lackH));
    }

    // The part of w that its ancestors and the area let be seen, in the
    // coordinates of the first of them that shows it whole or scrolls it.
    void checkInSight(QWidget *w)
    {
        const QSize own = w->size();
        if (own.isEmpty()) {
            add(QStringLiteral("%1: shown with no room (%2 x %3 px)").arg(described(w)).arg(own.width()).arg(own.height()));
            return;
        }
        QRect seen(QPoint(0, 0), own);
        QString clipper;
        for (QWidget *cur = w; !cur->isWindow();) {
            QWidget *parent = cur->parentWidget();
            if (!parent)
                break;
            if (scrollAreaOfViewport(parent))
                break;   // scrolled into view: its reach is the scroll area's
            seen.translate(cur->pos());
            const QRect before = seen;
            seen &= parent->rect();
            if (parent == m_window) {
                if (seen != before && clipper.isEmpty())
                    clipper = QStringLiteral("the edge of %1").arg(textfit::widgetName(m_window));
                const QRect inArea = seen & m_inSight;
                if (inArea != seen && clipper.isEmpty())
                    clipper = QStringLiteral("the edge of the area");
                seen = inArea;
                break;
            }
            if (seen != before && clipper.isEmpty())
                clipper = QStringLiteral("the edge of %1").arg(textfit::widgetName(parent));
            cur = parent;
        }
        const int hiddenW = own.width() - seen.width();
        const int hiddenH = own.height() - seen.height();
        if (seen.isEmpty()) {
            add(QStringLiteral("%1: all of its %2 x %3 px out of sight (beyond %4)")
                    .arg(described(w))
                    .arg(own.width())
                    .arg(own.height())
                    .arg(clipper));
        } else if (hiddenW > 0 || hiddenH > 0) {
            add(QStringLiteral("%1: %2 x %3 px of its %4 x %5 px out of sight (beyond %6)")
                    .arg(described(w))
                    .arg(hiddenW)
                    .arg(hiddenH)
                    .arg(own.width())
                    .arg(own.height())
                    .arg(clipper));
        }
    }

    QWidget *m_window;
    Options m_options;
    QRect m_inSight;
    QStringList m_lines;
};

} // namespace

QMargins assumedFrame()
{
    return QMargins(AssumedBorder, AssumedTitleBar, AssumedBorder, AssumedBorder);
}

QMargins frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    // The offscreen platform draws a thin border and no title bar.
    if (frame == inner || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return assumedFrame();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

void placeMaximized(QWidget *window, const QSize &area)
{
    window->showNormal();
    // The window's minimum follows its layout once that has settled.
    textfit::settle(window);
    const QMargins f = frameOf(window);
    window->move(f.left(), f.top());
    window->resize(area.width() - f.left() - f.right(), area.height() - f.top() - f.bottom());
    textfit::settle(window);
}

QStringList misfits(QWidget *window, const Options &options)
{
    if (!window)
        return {QStringLiteral("no window")};
    if (!window->isVisible())
        return {QStringLiteral("%1 is not shown; nothing can be measured").arg(textfit::widgetName(window))};
    textfit::settle(window);
    Checker checker(window, options);
    checker.run();
    QStringList lines = checker.lines();
    if (options.checkTexts)
        lines << textfit::cutTexts(window, options.text);
    return lines;
}

QString report(const QString &what, const QStringList &misfits)
{
    return QStringLiteral("does not fit the screen, %1 (%2):\n  %3")
        .arg(what)
        .arg(misfits.size())
        .arg(misfits.join(QLatin1String("\n  ")));
}

QFont largeFormFont()
{
    QFont font = QApplication::font();
    font.setPointSize(LargeFontPoints);
    return font;
}

} // namespace screenfit
