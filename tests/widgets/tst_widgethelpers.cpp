#include "fieldstyle.h"
#include "textfit.h"
#include "widgethelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <functional>

// The change markers and field colours of the editing forms, and the room
// the helpers give a field, list, label or table for its texts (measured by
// the text-fit check).
class WidgetHelpersTest : public QObject
{
    Q_OBJECT
private slots:
    void markers_data();
    void markers();
    void markerReplacesStyleSheet();
    void unusedFieldIsGrey();
    void tableItemCreatesOnce();
    void callersComparison();
    void colourOfSeveralFields();

    void fieldHoldsItsLongestText();
    void listHoldsItsLongestEntry();
    void columnsKeepTheirLeastWidth();
    void stretchedTableDoesNotLockItsSize();
    void rowsFollowTheFont();
    void labelKeepsRoomForItsLines_data();
    void labelKeepsRoomForItsLines();
    void designedSizeGrowsWithItsContents_data();
    void designedSizeGrowsWithItsContents();
    void formRefitsAfterItsTablesRows();
};

// ---- change markers --------------------------------------------------------

namespace {
using fieldstyle::Black;
using fieldstyle::Blue;
}

void WidgetHelpersTest::markers_data()
{
    QTest::addColumn<int>("kind");  // 0 int, 1 double, 2 bool, 3 time, 4 string, 5 duration
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("differs");

    QTest::newRow("int equal") << 0 << QVariant(5) << QVariant(5) << false;
    QTest::newRow("int differs") << 0 << QVariant(5) << QVariant(-5) << true;
    QTest::newRow("double within tolerance") << 1 << QVariant(1.0) << QVariant(1.000001) << false;
    QTest::newRow("double differs") << 1 << QVariant(1.0) << QVariant(1.0001) << true;
    QTest::newRow("double nan") << 1 << QVariant(std::nan("")) << QVariant(std::nan("")) << true;
    QTest::newRow("bool equal") << 2 << QVariant(1) << QVariant(1) << false;
    QTest::newRow("bool low byte equal") << 2 << QVariant(0x101) << QVariant(1) << false;
    QTest::newRow("bool non-zero but different") << 2 << QVariant(2) << QVariant(1) << true;
    QTest::newRow("bool differs") << 2 << QVariant(0) << QVariant(1) << true;
    QTest::newRow("time equal, ms ignored") << 3 << QVariant(QTime(1, 2, 3, 999)) << QVariant(3723) << false;
    QTest::newRow("time differs") << 3 << QVariant(QTime(1, 2, 4)) << QVariant(3723) << true;
    QTest::newRow("string equal") << 4 << QVariant("abc") << QVariant("abc") << false;
    QTest::newRow("string case") << 4 << QVariant("abc") << QVariant("ABC") << true;
    QTest::newRow("duration equal") << 5 << QVariant(QTime(23, 59, 59)) << QVariant(86399u) << false;
    QTest::newRow("duration of a day") << 5 << QVariant(QTime(0, 0, 0)) << QVariant(86400u) << true;
    QTest::newRow("largest duration") << 5 << QVariant(QTime(0, 0, 0)) << QVariant(0xFFFFFFFFu) << true;
}

void WidgetHelpersTest::markers()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(bool, differs);

    QLabel label;
    bool result = !differs;
    switch (kind) {
    case 0: result = markChangedInt(&label, value.toInt(), stored.toInt()); break;
    case 1: result = markChangedDouble(&label, value.toDouble(), stored.toDouble()); break;
    case 2: result = markChangedBool(&label, value.toInt(), stored.toInt()); break;
    case 3: result = markChangedTime(&label, value.toTime(), stored.toInt()); break;
    case 4: result = markChangedString(&label, value.toString(), stored.toString()); break;
    case 5: result = markChangedDuration(&label, value.toTime(), stored.toUInt()); break;
    }
    QCOMPARE(result, differs);
    QCOMPARE(label.styleSheet(), differs ? Blue : Black);
}

void WidgetHelpersTest::markerReplacesStyleSheet()
{
    QLabel label;
    label.setStyleSheet(QStringLiteral("background-color: red;"));
    QVERIFY(markChangedInt(&label, 1, 2));
    QCOMPARE(label.styleSheet(), Blue);
    QVERIFY(!markChangedInt(&label, 2, 2));
    QCOMPARE(label.styleSheet(), Black);
}

void WidgetHelpersTest::unusedFieldIsGrey()
{
    QLabel label;
    setFieldColour(&label, fieldColourUnused());
    QCOMPARE(label.styleSheet(), fieldstyle::Grey);
}

void WidgetHelpersTest::tableItemCreatesOnce()
{
    QTableWidget table(2, 3);
    QCOMPARE(table.item(1, 2), nullptr);
    QTableWidgetItem *item = tableItem(&table, 1, 2);
    QVERIFY(item);
    QCOMPARE(table.item(1, 2), item);
    QVERIFY(item->text().isEmpty());
    item->setText(QStringLiteral("x"));
    QCOMPARE(tableItem(&table, 1, 2), item);
    QCOMPARE(tableItem(&table, 1, 2)->text(), QStringLiteral("x"));
    // Outside the table: no item (and nothing left behind to leak).
    QCOMPARE(tableItem(&table, 2, 0), nullptr);
    QCOMPARE(tableItem(&table, 0, -1), nullptr);
}

void WidgetHelpersTest::callersComparison()
{
    QLabel label;
    QVERIFY(markChanged(&label, true));
    QCOMPARE(label.styleSheet(), Blue);
    QVERIFY(!markChanged(&label, false));
    QCOMPARE(label.styleSheet(), Black);
}

void WidgetHelpersTest::colourOfSeveralFields()
{
    QLabel a;
    QLineEdit b;
    setFieldColour({&a, &b, nullptr}, fieldColourChanged());
    QCOMPARE(a.styleSheet(), Blue);
    QCOMPARE(b.styleSheet(), Blue);
}

// ---- room for texts -----------------------------------------------------------
// Checked with the text-fit check every window test uses, at the widget's
// least size: the room given is enough, and one pixel less is not (no room
// is reserved beyond the text).

void WidgetHelpersTest::fieldHoldsItsLongestText()
{
    const QString longest = QStringLiteral("18446744073709551615 Inkompatible Firmwareversion");
    QLineEdit field;
    field.setReadOnly(true);
    reserveWidthFor(&field, {QStringLiteral("short"), longest});
    field.setText(longest);
    field.resize(field.minimumWidth(), field.sizeHint().height());
    field.show();
    QVERIFY2(textfit::cutTexts(&field).isEmpty(), qPrintable(textfit::cutTexts(&field).join('\n')));

    const int least = field.minimumWidth();
    field.setMinimumWidth(least - 1);
    field.resize(least - 1, field.height());
    QCOMPARE(textfit::cutTexts(&field).size(), 1);

    // A list of shorter texts gives a narrower field.
    reserveWidthFor(&field, {QStringLiteral("short")});
    QVERIFY(field.minimumWidth() < least);
}

void WidgetHelpersTest::listHoldsItsLongestEntry()
{
    QComboBox list;
    list.addItems({QStringLiteral("kbps"), QStringLiteral("Inkompatible Firmwareversion")});
    list.resize(40, list.sizeHint().height());
    reserveWidthFor(&list);
    list.resize(list.minimumWidth(), list.height());
    list.show();
    QVERIFY2(textfit::cutTexts(&list).isEmpty(), qPrintable(textfit::cutTexts(&list).join('\n')));

    const int least = list.minimumWidth();
    list.setMinimumWidth(least - 1);
    list.resize(least - 1, list.height());
    QCOMPARE(textfit::cutTexts(&list).size(), 1);

    list.removeItem(1);
    reserveWidthFor(&list);
    QVERIFY(list.minimumWidth() < least);
}

// Columns keep the designer's width unless a cell or header needs more;
// the stretched last column keeps its stretch, and the table holds them all.
void WidgetHelpersTest::columnsKeepTheirLeastWidth()
{
    QTableWidget table(2, 3);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setItem(0, 1, new QTableWidgetItem(QStringLiteral("18446744073709551615")));
    table.setItem(1, 2, new QTableWidgetItem(QStringLiteral("Inkompatible Firmwareversion")));
    table.resize(900, 200);
    fitColumnsToContents(&table, {100, 40}, QSize(50, 50));
    QCOMPARE(table.columnWidth(0), 100);
    QVERIFY(table.columnWidth(1) > QFontMetrics(table.font()).horizontalAdvance(table.item(0, 1)->text()));
    QVERIFY(table.horizontalHeader()->stretchLastSection());
    table.resize(table.minimumSize());
    table.show();
    QVERIFY2(textfit::cutTexts(&table).isEmpty(), qPrintable(textfit::cutTexts(&table).join('\n')));
}

// The least size of a table with a stretched last column holds its rows and
// columns, not the room the stretch has taken: measured again after the
// table was laid out wide, it does not keep the table from shrinking.
void WidgetHelpersTest::stretchedTableDoesNotLockItsSize()
{
    QTableWidget table(3, 2);
    table.horizontalHeader()->setStretchLastSection(true);
    table.setItem(2, 1, new QTableWidgetItem(QStringLiteral("18446744073709551615")));
    fitColumnsToContents(&table, {}, QSize(100, 50));
    const QSize least = table.minimumSize();
    table.resize(1200, 600);
    table.show();
    textfit::settle(&table);
    QVERIFY(table.horizontalHeader()->sectionSize(1) > 500);
    fitColumnsToContents(&table, {}, QSize(100, 50));
    QCOMPARE(table.minimumSize(), least);
    QVERIFY(table.horizontalHeader()->stretchLastSection());

    table.resize(least);
    textfit::settle(&table);
    QVERIFY2(textfit::cutTexts(&table).isEmpty(), qPrintable(textfit::cutTexts(&table).join('\n')));
}

void WidgetHelpersTest::rowsFollowTheFont()
{
    QTableWidget table(4, 1);
    fitRowsTo(&table, 17);
    const int normal = table.rowHeight(0);
    QVERIFY(normal >= 17);
    QFont large = table.font();
    large.setPointSize(large.pointSize() * 3);
    table.setFont(large);
    table.verticalHeader()->setFont(large);
    fitRowsTo(&table, 17);
    QVERIFY(table.rowHeight(3) > normal);
    QVERIFY(table.rowHeight(3) >= QFontMetrics(large).height());
}

// A label keeps the room of its lines whatever it shows now (an empty
// information label before the tester has answered, a short one).
void WidgetHelpersTest::labelKeepsRoomForItsLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("one line") << 1 << 9;
    QTest::newRow("four lines") << 4 << 8;
    QTest::newRow("four lines, 12 points") << 4 << 12;
    QTest::newRow("four lines, 20 points") << 4 << 20;
}

void WidgetHelpersTest::labelKeepsRoomForItsLines()
{
    QFETCH(int, lines);
    QFETCH(int, pointSize);
    QLabel label;
    QFont font = label.font();
    font.setPointSize(pointSize);
    label.setFont(font);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    reserveLinesFor(&label, lines);
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Gjy: 2.7.13");
    label.setText(text.join(QLatin1Char('\n')));
    label.resize(label.sizeHint().width(), label.minimumHeight());
    label.show();
    QVERIFY2(textfit::cutTexts(&label).isEmpty(), qPrintable(textfit::cutTexts(&label).join('\n')));

    // Just the room the label asks for its lines: one line less cuts them.
    const int least = label.minimumHeight();
    QCOMPARE(least, label.sizeHint().height());
    const int lineLess = least - label.fontMetrics().lineSpacing();
    label.setMinimumHeight(lineLess);
    label.resize(label.width(), lineLess);
    QCOMPARE(textfit::cutTexts(&label).size(), 1);

    // The room stays when the text is shorter or gone.
    label.clear();
    reserveLinesFor(&label, lines);
    QCOMPARE(label.minimumHeight(), least);
}

// A designed least size stays while the contents need less, and gives way
// to what they need when a larger font or a longer text comes.
void WidgetHelpersTest::designedSizeGrowsWithItsContents_data()
{
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("grows");
    QTest::newRow("designed room is enough") << QSize(400, 300) << 9 << false;
    QTest::newRow("a larger font needs more") << QSize(60, 20) << 24 << true;
    QTest::newRow("no designed height") << QSize(400, 0) << 9 << false;
}

void WidgetHelpersTest::designedSizeGrowsWithItsContents()
{
    QFETCH(QSize, designed);
    QFETCH(int, pointSize);
    QFETCH(bool, grows);
    QGroupBox box(QStringLiteral("Servers list"));
    auto *layout = new QVBoxLayout(&box);
    auto *button = new QPushButton(QStringLiteral("Refresh status"));
    layout->addWidget(button);
    box.setMinimumSize(designed);
    QFont font = box.font();
    font.setPointSize(pointSize);
    box.setFont(font);
    button->setFont(font);
    reserveRoomFor(&box, designed);
    const QSize need = box.minimumSizeHint();
    QCOMPARE(box.minimumSize(), designed.expandedTo(need));
    QCOMPARE(box.minimumWidth() > designed.width(), grows);
    box.resize(box.minimumSize());
    box.show();
    QVERIFY2(textfit::cutTexts(&box).isEmpty(), qPrintable(textfit::cutTexts(&box).join('\n')));
}

// On a font change a form refits its fields and tables once its tables'
// rows have the new font's height, whichever was told first: a table sized
// to its rows before they grew would scroll.
void WidgetHelpersTest::formRefitsAfterItsTablesRows()
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *table = new QTableWidget(6, 1);
    layout->addWidget(table);
    fitRowsTo(table, 20);
    keepRowsFitToFont(table);
    int rowsSeen = 0;
    int fits = 0;
    struct Watcher : QObject
    {
        std::function<bool(QObject *, QEvent *)> f;
        bool eventFilter(QObject *o, QEvent *e) override { return f(o, e); }
    } watcher;
    watcher.f = [&](QObject *, QEvent *e) {
        refitAfterFontChange(&form, e, [&] {
            ++fits;
            rowsSeen = table->rowHeight(5);
        });
        return false;
    };
    form.installEventFilter(&watcher);
    form.show();
    // The form told first, as a window's style sheet tells its widgets from
    // the top down; the table takes the font after it.
    QEvent change(QEvent::FontChange);
    QCoreApplication::sendEvent(&form, &change);
    QFont large = table->font();
    large.setPointSize(30);
    table->setFont(large);
    table->verticalHeader()->setFont(large);
    QTRY_COMPARE(fits, 1);
    QVERIFY(rowsSeen >= QFontMetrics(large).height());
    QCOMPARE(rowsSeen, table->rowHeight(5));
}

QTEST_MAIN(WidgetHelpersTest)
#include "tst_widgethelpers.moc"
