// The screen-fit check itself: windows that fit the 1366 x 740 area and
// windows that do not, controls in sight, beyond an edge, clipped by their
// parent, on a hidden tab page and inside scroll areas that can or cannot
// reach them; each finding names the widget and the pixels it lacks.

#include "screenfit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

bool mentions(const QStringList &found, const QString &what)
{
    for (const QString &line : found) {
        if (line.contains(what))
            return true;
    }
    return false;
}

// The client size of a window whose frame fills the area.
QSize clientOfArea()
{
    const QMargins f = screenfit::assumedFrame();
    return screenfit::laptopArea() - QSize(f.left() + f.right(), f.top() + f.bottom());
}

} // namespace

class TestScreenFit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;

    // A window of fixed size with one button placed by hand, no layout.
    QPushButton *placedButton(const QSize &windowSize, const QRect &button)
    {
        window.reset(new QWidget);
        window->setObjectName(QStringLiteral("wHost"));
        window->setFixedSize(windowSize);
        auto *b = new QPushButton(QStringLiteral("Start"), window.get());
        b->setObjectName(QStringLiteral("bStart"));
        b->setGeometry(button);
        window->show();
        textfit::settle(window.get());
        return b;
    }

    // The findings about the window's place and its controls' places, the
    // text-fit check left out.
    QStringList placeFindings()
    {
        screenfit::Options options;
        options.checkTexts = false;
        return screenfit::misfits(window.get(), options);
    }

    // A window whose scroll area holds contents of a fixed size with one
    // button placed by hand in them.
    QScrollArea *scrolledButton(const QSize &windowSize, const QSize &contentsSize, const QRect &button)
    {
        window.reset(new QWidget);
        auto *layout = new QVBoxLayout(window.get());
        auto *area = new QScrollArea;
        area->setObjectName(QStringLiteral("saForms"));
        auto *contents = new QWidget;
        contents->setFixedSize(contentsSize);
        auto *b = new QPushButton(QStringLiteral("Save Report"), contents);
        b->setObjectName(QStringLiteral("saveReportButton"));
        b->setGeometry(button);
        area->setWidget(contents);
        layout->addWidget(area);
        window->resize(windowSize);
        return area;
    }

private slots:
    void cleanup() { window.reset(); }

    void frameAgainstArea_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("finding");
        const QSize fits = clientOfArea();
        QTest::newRow("fills the area") << fits << QString();
        QTest::newRow("small") << QSize(400, 300) << QString();
        QTest::newRow("one px too wide") << fits + QSize(1, 0) << QStringLiteral("(1 x 0 px too large");
        QTest::newRow("one px too high") << fits + QSize(0, 1) << QStringLiteral("(0 x 1 px too large");
        // The size the main window grew to before: 1236 x 809 with its frame.
        QTest::newRow("grown main window") << QSize(1234, 778)
                                           << QStringLiteral("frame needs 1236 x 809 px, the area has 1366 x 740 px");
    }
    void frameAgainstArea()
    {
        QFETCH(QSize, client);
        QFETCH(QString, finding);
        window.reset(new QWidget);
        window->setObjectName(QStringLiteral("MainForm"));
        window->setWindowTitle(QStringLiteral("Remote Control"));
        window->resize(client);
        window->show();
        const QStringList found = screenfit::misfits(window.get());
        if (finding.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        } else {
            QCOMPARE(found.size(), 1);
            QVERIFY2(found.first().startsWith(QLatin1String("window QWidget MainForm \"Remote Control\"")),
                     qPrintable(found.first()));
            QVERIFY2(found.first().contains(finding), qPrintable(found.first()));
        }
    }

    // A layout that needs more than the area: placing the window as a
    // maximized one cannot make it smaller, and the finding tells the
    // window's minimum.
    void minimumLargerThanArea()
    {
        window.reset(new QWidget);
        window->setObjectName(QStringLiteral("wTall"));
        auto *layout = new QVBoxLayout(window.get());
        auto *big = new QLabel;
        big->setMinimumSize(500, 800);
        layout->addWidget(big);
        screenfit::placeMaximized(window.get());
        const QStringList found = screenfit::misfits(window.get());
        QVERIFY2(mentions(found, QStringLiteral("window QWidget wTall")), qPrintable(found.join('\n')));
        QVERIFY2(mentions(found, QStringLiteral("the window's minimum is")), qPrintable(found.join('\n')));

        big->setMinimumSize(500, 600);
        screenfit::placeMaximized(window.get());
        QCOMPARE(window->size(), clientOfArea());
        QVERIFY(screenfit::misfits(window.get()).isEmpty());
    }

    void controlInSight_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QString>("finding");
        QTest::newRow("inside") << QSize(300, 200) << QRect(10, 10, 80, 30) << QString();
        QTest::newRow("at the corner") << QSize(300, 200) << QRect(220, 170, 80, 30) << QString();
        QTest::newRow("past the right edge") << QSize(300, 200) << QRect(250, 10, 80, 30)
                                             << QStringLiteral("30 x 0 px of its 80 x 30 px out of sight (beyond the edge of QWidget wHost)");
        QTest::newRow("below the bottom") << QSize(300, 200) << QRect(10, 190, 80, 30)
                                          << QStringLiteral("0 x 20 px of its 80 x 30 px");
        QTest::newRow("wholly outside") << QSize(300, 200) << QRect(400, 10, 80, 30)
                                        << QStringLiteral("all of its 80 x 30 px out of sight");
        QTest::newRow("squeezed to nothing") << QSize(300, 200) << QRect(10, 10, 0, 30)
                                             << QStringLiteral("shown with no room");
    }
    void controlInSight()
    {
        QFETCH(QSize, windowSize);
        QFETCH(QRect, button);
        QFETCH(QString, finding);
        placedButton(windowSize, button);
        const QStringList found = placeFindings();
        if (finding.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        } else {
            QCOMPARE(found.size(), 1);
            QVERIFY2(found.first().startsWith(QLatin1String("QPushButton bStart \"Start\": ")), qPrintable(found.first()));
            QVERIFY2(found.first().contains(finding), qPrintable(found.first()));
        }
    }

    // A window taller than the area: what lies below the area's edge is out
    // of sight though the window holds it.
    void beyondTheArea()
    {
        const QSize tall(600, clientOfArea().height() + 100);
        placedButton(tall, QRect(10, tall.height() - 50, 80, 30));
        const QStringList found = placeFindings();
        QVERIFY2(mentions(found, QStringLiteral("bStart \"Start\": all of its 80 x 30 px out of sight (beyond the edge of the area)")),
                 qPrintable(found.join('\n')));
        QVERIFY2(mentions(found, QStringLiteral("window QWidget wHost")), qPrintable(found.join('\n')));
    }

    void clippedByAParent()
    {
        window.reset(new QWidget);
        window->resize(400, 300);
        auto *frame = new QWidget(window.get());
        frame->setObjectName(QStringLiteral("fButtons"));
        frame->setGeometry(0, 0, 100, 40);
        auto *b = new QPushButton(QStringLiteral("Apply"), frame);
        b->setObjectName(QStringLiteral("bApply"));
        b->setGeometry(60, 5, 80, 30);
        window->show();
        const QStringList found = placeFindings();
        QVERIFY2(mentions(found, QStringLiteral("QPushButton bApply \"Apply\": 40 x 0 px of its 80 x 30 px out of sight (beyond the edge of QWidget fButtons)")),
                 qPrintable(found.join('\n')));
    }

    // Contents larger than the scroll area are fine while the scroll bars
    // reach them; a direction whose bar is always off reaches nothing.
    void scrollAreaReach_data()
    {
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<QString>("finding");
        QTest::newRow("both bars as needed") << int(Qt::ScrollBarAsNeeded) << int(Qt::ScrollBarAsNeeded) << QString();
        QTest::newRow("always on") << int(Qt::ScrollBarAlwaysOn) << int(Qt::ScrollBarAlwaysOn) << QString();
        QTest::newRow("no horizontal bar") << int(Qt::ScrollBarAlwaysOff) << int(Qt::ScrollBarAsNeeded)
                                           << QStringLiteral("QScrollArea saForms: contents of 900 x 700 px");
        QTest::newRow("no vertical bar") << int(Qt::ScrollBarAsNeeded) << int(Qt::ScrollBarAlwaysOff)
                                         << QStringLiteral("out of reach)");
    }
    void scrollAreaReach()
    {
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(QString, finding);
        QScrollArea *area = scrolledButton(QSize(400, 300), QSize(900, 700), QRect(780, 650, 110, 30));
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy(horizontal));
        area->setVerticalScrollBarPolicy(Qt::ScrollBarPolicy(vertical));
        window->show();
        const QStringList found = placeFindings();
        if (finding.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        } else {
            QVERIFY2(mentions(found, finding), qPrintable(found.join('\n')));
            // The button is where its contents put it: the scroll area is the
            // one that cannot reach it.
            QVERIFY2(!mentions(found, QStringLiteral("saveReportButton")), qPrintable(found.join('\n')));
        }
    }

    // A control inside a scroll area but clipped within its contents is
    // out of sight however far the area scrolls.
    void clippedInsideScrolledContents()
    {
        scrolledButton(QSize(200, 150), QSize(300, 200), QRect(250, 10, 80, 30));
        window->show();
        const QStringList found = placeFindings();
        QVERIFY2(mentions(found, QStringLiteral("saveReportButton \"Save Report\": 30 x 0 px")), qPrintable(found.join('\n')));
    }

    void hiddenTabPageVisited()
    {
        window.reset(new QWidget);
        window->resize(400, 300);
        auto *layout = new QVBoxLayout(window.get());
        auto *tabs = new QTabWidget;
        tabs->addTab(new QLabel(QStringLiteral("first")), QStringLiteral("Settings"));
        auto *page = new QWidget;
        auto *b = new QPushButton(QStringLiteral("Refresh status"), page);
        b->setObjectName(QStringLiteral("bRefresh"));
        b->setGeometry(350, 10, 120, 30);
        tabs->addTab(page, QStringLiteral("Measuring"));
        layout->addWidget(tabs);
        window->show();
        const QStringList found = placeFindings();
        QVERIFY2(mentions(found, QStringLiteral("QPushButton bRefresh \"Refresh status\"")), qPrintable(found.join('\n')));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    // Cut texts are findings too, unless the test checks texts its own way.
    void cutTextsIncluded()
    {
        placedButton(QSize(300, 200), QRect(10, 10, 30, 30))->setText(QStringLiteral("Синхронизация"));
        QVERIFY(mentions(screenfit::misfits(window.get()), QStringLiteral("QPushButton bStart text")));
        QVERIFY(placeFindings().isEmpty());
    }

    void placedAsMaximized()
    {
        window.reset(new QWidget);
        window->resize(200, 100);
        screenfit::placeMaximized(window.get());
        const QMargins f = screenfit::frameOf(window.get());
        QCOMPARE(window->size() + QSize(f.left() + f.right(), f.top() + f.bottom()), screenfit::laptopArea());
        QCOMPARE(window->pos(), QPoint(f.left(), f.top()));
    }

    void largeFontKeepsTheFamily()
    {
        const QFont large = screenfit::largeFormFont();
        QCOMPARE(large.pointSize(), 12);
        QCOMPARE(large.family(), QApplication::font().family());
    }

    // A view named as one that must show all it holds: its lines out of
    // sight are a finding, with the pixels it lacks; another view may scroll.
    void wholeContentsWithoutScrolling_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("finding");
        QTest::newRow("all lines shown") << 3 << true << false;
        QTest::newRow("lines out of sight") << 25 << true << true;
        QTest::newRow("a view that may scroll") << 25 << false << false;
    }
    void wholeContentsWithoutScrolling()
    {
        QFETCH(int, lines);
        QFETCH(bool, named);
        QFETCH(bool, finding);
        window.reset(new QWidget);
        auto *layout = new QVBoxLayout(window.get());
        auto *log = new QTextEdit;
        log->setObjectName(QStringLiteral("teStatus"));
        log->setReadOnly(true);
        for (int i = 0; i < lines; ++i)
            log->append(QStringLiteral("Line %1").arg(i + 1));
        layout->addWidget(log);
        window->resize(300, 200);
        window->show();
        screenfit::Options options;
        options.checkTexts = false;
        if (named)
            options.wholeContents = QStringList{QStringLiteral("teStatus")};
        const QStringList found = screenfit::misfits(window.get(), options);
        if (!finding) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
            return;
        }
        QCOMPARE(found.size(), 1);
        QVERIFY2(found.first().startsWith(QLatin1String("QTextEdit teStatus: shows ")), qPrintable(found.first()));
        QVERIFY2(found.first().contains(QLatin1String(" px more needed)")), qPrintable(found.first()));
        // Room for every line: nothing more to say.
        window->resize(300, 200 + log->verticalScrollBar()->maximum() + 50);
        const QStringList after = screenfit::misfits(window.get(), options);
        QVERIFY2(after.isEmpty(), qPrintable(after.join('\n')));
    }

    void notShownIsAFinding()
    {
        QWidget w;
        QCOMPARE(screenfit::misfits(&w).size(), 1);
    }

    void reportNamesWhatWasChecked()
    {
        const QString r = screenfit::report(QStringLiteral("\"de\", Statistics shown"), {QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY2(r.contains(QLatin1String("\"de\", Statistics shown (2)")), qPrintable(r));
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
