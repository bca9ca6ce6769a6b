// The text-fit check itself: each kind of widget it measures, once with a
// text that fits and once with one that is cut, and the report naming the
// widget.

#include "textfit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QString LongText = QStringLiteral("Синхронизация времени и частоты");

bool mentions(const QStringList &cut, const QString &name)
{
    for (const QString &line : cut) {
        if (line.contains(name))
            return true;
    }
    return false;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;

    // A window of the given widget in a layout, shown.
    template <class T>
    T *host(T *w)
    {
        window.reset(new QWidget);
        auto *layout = new QVBoxLayout(window.get());
        layout->addWidget(w);
        layout->addStretch();
        window->resize(400, 300);
        window->show();
        textfit::settle(window.get());
        return w;
    }

private slots:
    void cleanup() { window.reset(); }

    void fixedButtonIsNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short") << QStringLiteral("OK") << false << false;
        QTest::newRow("long") << LongText << false << true;
        QTest::newRow("icon pushes text") << QStringLiteral("Synchronization") << true << true;
        QTest::newRow("two lines fit") << QStringLiteral("Передача\nфайлов") << false << false;
    }
    void fixedButtonIsNamed()
    {
        QFETCH(QString, text);
        QFETCH(bool, withIcon);
        QFETCH(bool, cut);
        auto *b = host(new QPushButton(text));
        b->setObjectName(QStringLiteral("bSync"));
        if (withIcon) {
            QPixmap pm(32, 32);
            pm.fill(Qt::red);
            b->setIcon(QIcon(pm));
            b->setIconSize(QSize(32, 32));
        }
        const int width = b->fontMetrics().horizontalAdvance(QStringLiteral("Передача")) + 24;
        b->setFixedSize(width, 2 * b->fontMetrics().lineSpacing() + 14);
        const QStringList found = textfit::cutTexts(window.get());
        QCOMPARE(mentions(found, QStringLiteral("QPushButton bSync")), cut);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("cut");
        QTest::newRow("fits") << QStringLiteral("Rate") << false << 200 << false;
        QTest::newRow("clipped") << LongText << false << 60 << true;
        QTest::newRow("wrapped fits") << LongText << true << 180 << false;
        QTest::newRow("wrapped word too wide") << QStringLiteral("18446744073709551615") << true << 40 << true;
        QTest::newRow("rich clipped") << QStringLiteral("<b>%1</b>").arg(LongText) << false << 60 << true;
    }
    void labels()
    {
        QFETCH(QString, text);
        QFETCH(bool, wrap);
        QFETCH(int, width);
        QFETCH(bool, cut);
        auto *l = host(new QLabel(text));
        l->setObjectName(QStringLiteral("lValue"));
        l->setWordWrap(wrap);
        l->setFixedWidth(width);
        if (wrap)
            l->setFixedHeight(l->fontMetrics().lineSpacing() * 6);
        const QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("QLabel lValue")) == cut, qPrintable(found.join(QLatin1Char('\n'))));
    }

    void groupBoxTitle()
    {
        auto *g = host(new QGroupBox(LongText));
        g->setObjectName(QStringLiteral("gSync"));
        g->setCheckable(true);
        g->setFixedWidth(390);
        const QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(!mentions(found, QStringLiteral("gSync")), qPrintable(found.join(QLatin1Char('\n'))));
        g->setFixedWidth(80);
        QVERIFY(mentions(textfit::cutTexts(window.get()), QStringLiteral("QGroupBox gSync title")));
    }

    void comboEntriesAllChecked()
    {
        auto *c = host(new QComboBox);
        c->setObjectName(QStringLiteral("cbUnits"));
        c->addItems({QStringLiteral("bps"), LongText});
        c->setCurrentIndex(0);
        c->setFixedWidth(80);
        const QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("QComboBox cbUnits entry 1")), qPrintable(found.join('\n')));
        QVERIFY(!mentions(found, QStringLiteral("entry 0")));
    }

    void readOnlyEdit()
    {
        auto *e = host(new QLineEdit(QStringLiteral("Неизвестное состояние")));
        e->setObjectName(QStringLiteral("lStatus"));
        e->setReadOnly(true);
        e->setFixedWidth(60);
        QVERIFY(mentions(textfit::cutTexts(window.get()), QStringLiteral("QLineEdit lStatus")));
        textfit::Options scrolls;
        scrolls.scrollingAllowed << QStringLiteral("lStatus");
        QVERIFY(textfit::cutTexts(window.get(), scrolls).isEmpty());
        e->setReadOnly(false);
        QVERIFY(textfit::cutTexts(window.get()).isEmpty());
        textfit::Options editable;
        editable.editableLineEdits = true;
        QVERIFY(mentions(textfit::cutTexts(window.get(), editable), QStringLiteral("QLineEdit lStatus")));
    }

    void tableScrollsHeadersAndCells()
    {
        auto *t = host(new QTableWidget(3, 2));
        t->setObjectName(QStringLiteral("tRes"));
        t->setHorizontalHeaderLabels({QStringLiteral("Tx"), QStringLiteral("Ratio")});
        t->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1")));
        t->setFixedSize(400, 200);
        QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));

        t->setItem(1, 1, new QTableWidgetItem(QStringLiteral("18446744073709551615")));
        t->setColumnWidth(1, 50);
        t->setColumnWidth(0, 20);
        t->horizontalHeaderItem(0)->setText(LongText);
        found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("cell 1,1")), qPrintable(found.join('\n')));
        QVERIFY2(mentions(found, QStringLiteral("QHeaderView")), qPrintable(found.join('\n')));

        t->setRowCount(100);
        t->setColumnWidth(0, 300);
        t->horizontalHeaderItem(0)->setText(QStringLiteral("Tx"));
        found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("QTableWidget tRes scrolls")), qPrintable(found.join('\n')));
        textfit::Options scrolls;
        scrolls.scrollingAllowed << QStringLiteral("tRes");
        QVERIFY(!mentions(textfit::cutTexts(window.get(), scrolls), QStringLiteral("scrolls")));
    }

    // A view elides a text whose exact width exceeds the cell by a fraction
    // of a pixel; the rounded advance of QFontMetrics would call it fitting.
    void fractionOfAPixelTooNarrowIsCut()
    {
        const QString count = QStringLiteral("18446744073709551615");
        auto *t = host(new QTableWidget(1, 1));
        t->setObjectName(QStringLiteral("tCounts"));
        t->setItem(0, 0, new QTableWidgetItem(count));
        const qreal exact = QFontMetricsF(t->font()).horizontalAdvance(count);
        const int rounded = t->fontMetrics().horizontalAdvance(count);
        if (exact <= rounded)
            QSKIP("this font draws the text at a whole pixel width");
        const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
        const int grid = 1;
        t->setColumnWidth(0, rounded + 2 * margin + grid);
        QVERIFY2(mentions(textfit::cutTexts(window.get()), QStringLiteral("tCounts cell 0,0")), "not reported");
        t->setColumnWidth(0, rounded + 1 + 2 * margin + grid);
        QVERIFY(!mentions(textfit::cutTexts(window.get()), QStringLiteral("tCounts cell 0,0")));
    }

    void hiddenTabPagesAreVisited()
    {
        auto *tabs = host(new QTabWidget);
        tabs->addTab(new QLabel(QStringLiteral("first")), QStringLiteral("Settings"));
        auto *page = new QWidget;
        auto *b = new QPushButton(LongText, page);
        b->setObjectName(QStringLiteral("bOnSecondPage"));
        b->setGeometry(0, 0, 50, 30);
        tabs->addTab(page, QStringLiteral("Measuring"));
        tabs->setCurrentIndex(0);
        const QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("bOnSecondPage")), qPrintable(found.join('\n')));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void tabTextsAndScrollingBar()
    {
        auto *tabs = host(new QTabWidget);
        tabs->setObjectName(QStringLiteral("tabs"));
        for (int i = 0; i < 8; ++i)
            tabs->addTab(new QWidget, LongText);
        tabs->setFixedWidth(300);
        const QStringList found = textfit::cutTexts(window.get(), {{}, false});
        QVERIFY2(mentions(found, QStringLiteral("QTabBar")), qPrintable(found.join('\n')));
    }

    void childOutsideParentIsClipped()
    {
        auto *frame = host(new QWidget);
        frame->setFixedSize(100, 40);
        auto *l = new QLabel(QStringLiteral("Short"), frame);
        l->setObjectName(QStringLiteral("lOutside"));
        l->setGeometry(80, 0, 100, 30);
        l->show();
        const QStringList found = textfit::cutTexts(window.get());
        QVERIFY2(mentions(found, QStringLiteral("lOutside clipped")), qPrintable(found.join('\n')));
    }

    // At its least size a window gives a button only its least width: one
    // set below what the text needs cuts the text there, though the window
    // shows it whole at the size it starts with.
    void leastSize_data()
    {
        QTest::addColumn<int>("leastWidth"); // 0: the button's own
        QTest::addColumn<bool>("cut");
        QTest::newRow("own least width") << 0 << false;
        QTest::newRow("least width below the text") << 40 << true;
    }
    void leastSize()
    {
        QFETCH(int, leastWidth);
        QFETCH(bool, cut);
        window.reset(new QWidget);
        auto *row = new QHBoxLayout(window.get());
        auto *b = new QPushButton(LongText);
        b->setObjectName(QStringLiteral("bConnect"));
        if (leastWidth > 0)
            b->setMinimumWidth(leastWidth);
        row->addWidget(b);
        row->addWidget(new QLineEdit); // gives up its room first
        window->show();
        textfit::settle(window.get());
        window->resize(window->sizeHint());
        QVERIFY(!mentions(textfit::cutTexts(window.get()), QStringLiteral("bConnect")));

        const QStringList found = textfit::cutTextsAtLeastSize(window.get());
        QCOMPARE(window->size(), window->minimumSize());
        QVERIFY2(mentions(found, QStringLiteral("QPushButton bConnect")) == cut, qPrintable(found.join('\n')));
    }

    // One report per language with cut texts, naming the language; a
    // language that cannot be installed is a report of its own.
    void eachLanguageReported()
    {
        QStringList seen;
        const QStringList reports = textFitInEachLanguage(
            [&](const QString &language) {
                seen << language;
                return language != QLatin1String("de");
            },
            [&] { return seen.last() == QLatin1String("en") ? QStringList{QStringLiteral("QLabel lCut")} : QStringList(); });
        QCOMPARE(seen, TextFitLanguages::all());
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports.at(0).contains(QLatin1String("\"en\"")) && reports.at(0).contains(QLatin1String("lCut")),
                 qPrintable(reports.at(0)));
        QVERIFY2(reports.at(1).contains(QLatin1String("\"de\" catalogues did not load")), qPrintable(reports.at(1)));
    }

    // Windows built anew per language are shown before they are measured.
    void newWindowPerLanguage()
    {
        TextFitLanguages none({});
        int built = 0;
        const QStringList reports = textFitOfNewWindows(none, [&] {
            ++built;
            auto w = std::make_unique<QPushButton>(LongText);
            w->setObjectName(QStringLiteral("bNarrow"));
            w->setFixedWidth(40);
            return std::unique_ptr<QWidget>(std::move(w));
        });
        QCOMPARE(built, 3);
        QCOMPARE(reports.size(), 3);
        QVERIFY2(reports.first().contains(QLatin1String("QPushButton bNarrow")), qPrintable(reports.first()));
    }

    void notShownIsAnError()
    {
        QWidget w;
        QCOMPARE(textfit::cutTexts(&w).size(), 1);
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
