// The RFC 2544 form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread: settings
// in and out byte for byte, the start sequence, the four results tables, the
// items of the four graph scenes, the language switch and the text fit.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "rfcform.h"
#include "rfcformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimeEdit>
#include <QtTest>

namespace {

const QString Black = fieldstyle::Black;
const QString Blue = fieldstyle::Blue;
const QString Grey = fieldstyle::Grey;

// Frame sizes 64, 512 and 9600 on (rows 0, 3, 7), the other rows off; every
// field within the widgets' ranges; patterns in the gaps.
rfc_settings_t fixture()
{
    rfc_settings_t s;
    memset(&s, 0, sizeof s);
    // No priority marking.
    s.header = headerFixture();
    s.header.qosMode = 0;
    s.header.tos = 0;
    s.header.dscp = 0;
    s.reserved1[0] = 0xA1;
    s.reserved1[1] = 0xA2;
    s.study = 250;
    s.interval = 0;
    s.throughputOn = 1;
    s.latencyOn = 1;
    s.frameLossOn = 1;
    s.backToBackOn = 0;
    s.throughputTime = 3661;
    s.throughputMax = 100;
    s.throughputMin = 10;
    s.reserved2[0] = 0xA3;
    s.reserved2[1] = 0xA4;
    s.latencyTime = 120;
    s.latencyCount = 20;
    for (int k = 0; k < RfcFrameRows; ++k)
        s.userLoad[k] = uint8_t(100 - 5 * k);
    s.userLoading = 0;
    s.reserved3[0] = 0xA5;
    s.reserved3[1] = 0xA6;
    s.reserved3[2] = 0xA7;
    s.frameLossTime = 59;
    s.frameLossMax = 100;
    s.frameLossMin = 10;
    s.frameLossStep = 10;
    s.reserved4 = 0xA8;
    s.backToBackMin = 2;
    s.backToBackMax = 5;
    s.backToBackCount = 50;
    const uint16_t sizes[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
    for (int i = 0; i < RfcFrameRows; ++i) {
        s.frame[i].enabled = (i == 0 || i == 3 || i == 7) ? 1 : 0;
        s.frame[i].reserved = uint8_t(0xB0 + i);
        s.frame[i].size = sizes[i];
    }
    s.reserved5[0] = 0xC1;
    s.reserved5[1] = 0xC2;
    return s;
}

// The fixture with values no widget can show: below or beyond a box's
// range, durations of a day or more.
rfc_settings_t outsideTheWidgets()
{
    rfc_settings_t s = fixture();
    s.frameLossStep = 0;
    s.throughputMax = 0;
    s.frame[0].size = 10000;
    s.latencyCount = 100000;
    s.throughputTime = 86400;
    s.userLoading = 1;
    s.userLoad[0] = 200;
    s.study = 5;
    s.frameLossTime = 0xFFFFFFFFu;
    return s;
}

// Values in every row, also in the rows the settings switch off.
rfc_results_t resultsFixture()
{
    rfc_results_t r;
    memset(&r, 0, sizeof r);
    const uint16_t lengths[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
    for (int i = 0; i < RfcFrameRows; ++i) {
        r.frameLength[i].length = lengths[i];
        r.throughput[i] = {StatusOk, {}, 80.0f, 800.0f, 700.0f};
        r.latency[i].status = StatusOk;
        r.latency[i].latency = 1000;
        r.backToBack[i].status = StatusOk;
        r.backToBack[i].time = 1;
        r.backToBack[i].quantity = 1000;
        r.frameLoss[i].status = StatusOk;
        for (int j = 0; j < 4; ++j) {
            r.frameLoss[i].load[j] = uint8_t(100 - 10 * j);
            r.frameLoss[i].loss[j] = 0;
        }
    }
    r.throughput[0] = {StatusRunning, {}, 99.87654f, 998.7654f, 761.9048f};
    r.throughput[3].load = 50.5f;
    r.throughput[7] = {StatusOk, {}, 100.0f, 1000.0f, 997.9f};
    r.latency[0].latency = 500;
    r.latency[3].latency = 5000;
    r.latency[7].latency = 5e6;
    r.latency[3].status = StatusWait;
    r.backToBack[0].time = 2;
    r.backToBack[0].quantity = 1e6f;
    r.backToBack[3].time = 4;
    r.backToBack[7].status = StatusOff;
    const int loads[] = {100, 90, 80, 70, 0};
    const float losses[] = {3, 1, 0, -1};
    for (int j = 0; j < 5; ++j)
        r.frameLoss[0].load[j] = uint8_t(loads[j]);
    for (int j = 0; j < 4; ++j)
        r.frameLoss[0].loss[j] = losses[j];
    r.frameLoss[3].loss[0] = 0.5f;
    r.frameLoss[3].loss[1] = 0.25f;
    r.frameLoss[7].loss[1] = -1;
    return r;
}

QList<QRectF> barsOf(QGraphicsScene *scene)
{
    QList<QRectF> out;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            out << rect->rect();
    }
    return out;
}

// Lines of the scene in a colour other than the axes' black.
QList<QLineF> colouredLines(QGraphicsScene *scene, QColor *colour = nullptr)
{
    QList<QLineF> out;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
        auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item);
        if (line && line->pen().color() != Qt::black) {
            out << line->line();
            if (colour)
                *colour = line->pen().color();
        }
    }
    return out;
}

QMultiMap<QString, QPointF> textsOf(QGraphicsScene *scene)
{
    QMultiMap<QString, QPointF> out;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
        if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item))
            out.insert(text->toPlainText(), text->pos());
    }
    return out;
}

// The graphs are laid out for texts of at most 11 pixels.
constexpr int ChartTextPixels = 11;

// The texts of a scene drawn larger than that, with their sizes; texts the
// scene holds go to *count.
QStringList oversizedTexts(QGraphicsScene *scene, int *count)
{
    QStringList out;
    *count = 0;
    for (QGraphicsItem *item : scene->items()) {
        if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item)) {
            ++*count;
            const int pixels = QFontInfo(text->font()).pixelSize();
            if (pixels > ChartTextPixels)
                out << QStringLiteral("\"%1\": %2 px").arg(text->toPlainText()).arg(pixels);
        }
    }
    return out;
}

} // namespace

class TestRfcForm : public QObject, private FormUnderTest<RfcForm>
{
    Q_OBJECT

private:
    QGraphicsScene *scene(const char *view)
    {
        return child<QGraphicsView>(view)->scene();
    }

    // Every graph holds texts, none larger than the graphs are laid out for.
    void verifyChartTextSizes()
    {
        for (const char *view : {"grapThr", "grapLat", "grapFrl", "graphBtb"}) {
            int count = 0;
            const QStringList large = oversizedTexts(scene(view), &count);
            QVERIFY2(count > 0, view);
            QVERIFY2(large.isEmpty(), qPrintable(QString::fromLatin1(view) + ": " + large.join(", ")));
        }
    }

    // Each graph as a whole within its 310 x 310 view, which has no scroll
    // bars. (A text item's bounds include an empty margin of a few pixels
    // around the text.)
    void verifyChartsFit(const QString &language)
    {
        for (const char *name : {"grapThr", "grapLat", "grapFrl", "graphBtb"}) {
            auto *view = child<QGraphicsView>(name);
            QCOMPARE(view->size(), QSize(310, 310));
            const QRectF bounds = view->scene()->itemsBoundingRect();
            const QSize room = view->size();
            QVERIFY2(bounds.width() <= room.width() && bounds.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 in %2: %3 x %4 in %5 x %6")
                                    .arg(QLatin1String(name), language)
                                    .arg(bounds.width())
                                    .arg(bounds.height())
                                    .arg(room.width())
                                    .arg(room.height())));
            // No text runs into another: the lines of text (their item less
            // the document margin) of every two texts are apart, measured in
            // the font the graph is drawn in.
            QList<QPair<QString, QRectF>> lines;
            for (QGraphicsItem *item : view->scene()->items(Qt::AscendingOrder)) {
                if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item)) {
                    const qreal m = text->document()->documentMargin();
                    const QFontMetricsF metrics(text->font());
                    const QRectF line(text->scenePos() + QPointF(m, m),
                                      QSizeF(metrics.horizontalAdvance(text->toPlainText()), metrics.ascent()));
                    for (const auto &other : qAsConst(lines))
                        QVERIFY2(!line.intersects(other.second),
                                 qPrintable(QStringLiteral("%1 in %2: \"%3\" runs into \"%4\"")
                                                .arg(QLatin1String(name), language, text->toPlainText(), other.first)));
                    lines.append({text->toPlainText(), line});
                }
            }
        }
    }

    QString cell(const char *table, int row, int column)
    {
        QTableWidgetItem *item = child<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }

    void storeOnTester(const rfc_settings_t &s, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &r) { r.settingsBlock(port, TestRfc2544) = recordBytes(s); });
    }

    void storeResults(const rfc_results_t &res, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &r) {
            r.results[SimRemoteResponder::key(port, TestRfc2544)] = recordBytes(res);
        });
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // Results are read again on activation.
    void refreshResults()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    QList<QByteArray> sentSettings(port_t port = PortA)
    {
        return rig->sentSettings(port, TestRfc2544);
    }

    rfc_settings_t lastSent(port_t port = PortA)
    {
        const QList<QByteArray> sent = sentSettings(port);
        return sent.isEmpty() ? rfc_settings_t{} : recordFrom<rfc_settings_t>(sent.last());
    }

    bool waitForSettingsSent(port_t port = PortA)
    {
        return QTest::qWaitFor([&] { return !sentSettings(port).isEmpty(); }, EventuallyMs) && rig->drain();
    }

    QStringList rateList()
    {
        auto *box = child<QComboBox>("cbFrlRate");
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(1000, 700), [this](FormRig &) {
            rig->setPortAddress(PortB, ipv4(10, 0, 0, 2));
            storeOnTester(fixture());
            storeResults(resultsFixture());
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeOnTester(fixture());
        storeResults(resultsFixture());
        QVERIFY(resetForm());
    }

    void constructionState()
    {
        RfcForm fresh(rig->device);
        for (const char *one : {"sThrMinrate", "sFrlStep", "sFrlMinrate", "sLatCount", "sBtbCount", "sBtbMin", "sBtbMax"})
            QCOMPARE(findWidget<QSpinBox>(&fresh, one)->value(), 1);
        for (const char *hundred : {"sThrMaxrate", "sFrlMaxrate", "spinBox", "spinBox_8", "sStudy", "sInterval"})
            QCOMPARE(findWidget<QSpinBox>(&fresh, hundred)->value(), 100);
        QCOMPARE(findWidget<QSpinBox>(&fresh, "sf5")->value(), 64);
        QCOMPARE(findWidget<QSpinBox>(&fresh, "sThrMinrate")->suffix(), QString("%"));
        QVERIFY(!findWidget<QPushButton>(&fresh, "bApply")->isEnabled());
        QCOMPARE(fresh.selectedLossStep(), 0);
        QCOMPARE(fresh.selectedLossFrame(), 0);
        for (const char *view : {"grapThr", "grapLat", "grapFrl", "graphBtb"}) {
            auto *v = findWidget<QGraphicsView>(&fresh, view);
            QVERIFY(v->scene());
            QCOMPARE(v->minimumSize(), QSize(310, 310));
            QCOMPARE(v->maximumSize(), QSize(310, 310));
            QCOMPARE(v->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        }
        auto *table = findWidget<QTableWidget>(&fresh, "tThrRes");
        QCOMPARE(table->rowCount(), 8);
        QCOMPARE(table->columnWidth(3), 140);
        QCOMPARE(table->columnWidth(4), 140);
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(table->verticalHeader()->isHidden());
    }

    void fillShowsTheRecord()
    {
        QCOMPARE(child<QGroupBox>("gRFC")->title(), QString("RFC 2544 test (Port A)"));
        const bool on[RfcFrameRows] = {true, false, false, true, false, false, false, true};
        const int sizes[RfcFrameRows] = {64, 128, 256, 512, 1024, 1280, 1518, 9600};
        for (int i = 0; i < RfcFrameRows; ++i) {
            const QByteArray cf = "cf" + QByteArray::number(i + 1);
            const QByteArray sf = "sf" + QByteArray::number(i + 1);
            QCOMPARE(child<QCheckBox>(cf.constData())->isChecked(), on[i]);
            QCOMPARE(child<QSpinBox>(sf.constData())->value(), sizes[i]);
            // Loss-frame buttons: frame sizes, enabled for the rows that are on.
            const QByteArray fr = "fr" + QByteArray::number(i);
            QCOMPARE(child<QRadioButton>(fr.constData())->text(), QString::number(sizes[i]));
            QCOMPARE(child<QRadioButton>(fr.constData())->isEnabled(), on[i]);
            // User loads: disabled while User loading is off, but filled.
            const QByteArray label = "label_" + QByteArray::number(20 + i);
            QCOMPARE(child<QLabel>(label.constData())->text(), QString::number(sizes[i]));
            QVERIFY(!child<QLabel>(label.constData())->isEnabled());
        }
        QVERIFY(child<QRadioButton>("fr0")->isChecked());
        QCOMPARE(child<QSpinBox>("spinBox_3")->value(), 90);
        QVERIFY(!child<QSpinBox>("spinBox")->isEnabled());
        QVERIFY(child<QCheckBox>("cThr")->isChecked());
        QVERIFY(!child<QCheckBox>("cBtb")->isChecked());
        QCOMPARE(child<QTimeEdit>("tThrDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QTimeEdit>("tLatDur")->time(), QTime(0, 2, 0));
        QCOMPARE(child<QTimeEdit>("tFrlDur")->time(), QTime(0, 0, 59));
        QCOMPARE(child<QSpinBox>("sThrMinrate")->value(), 10);
        QCOMPARE(child<QSpinBox>("sLatCount")->value(), 20);
        QCOMPARE(child<QSpinBox>("sStudy")->value(), 250);
        QCOMPARE(child<QSpinBox>("sInterval")->value(), 0);
        QCOMPARE(child<QSpinBox>("sBtbMax")->value(), 5);
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.9"));
        QCOMPARE(rateList(), (QStringList{"100 %", "90 %", "80 %", "70 %", "60 %", "50 %", "40 %", "30 %", "20 %", "10 %"}));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        for (QWidget *w : form->findChildren<QWidget *>())
            QVERIFY2(w->styleSheet() != Blue, qPrintable(w->objectName()));
    }

    void fixtureRoundTripsUnchanged()
    {
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().size(), 112);
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    void startSendsSettingsTopologyAndStart_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("topology");
        QTest::newRow("A->B") << "bStartXY" << int(TopologyToOtherPort);
        QTest::newRow("A->A") << "bStartXX" << int(TopologySamePort);
    }
    void startSendsSettingsTopologyAndStart()
    {
        QFETCH(QString, button);
        QFETCH(int, topology);
        QPushButton *start = child<QPushButton>(qPrintable(button));
        QVERIFY(start->isEnabled());
        start->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestRfc2544));
        QCOMPARE(seq.at(0).size(), 6 + 112);
        QCOMPARE(seq.at(0).mid(6).toHex(' '), recordBytes(fixture()).toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(topology));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestRfc2544));
        QCOMPARE(command(seq.at(3)), quint8(0x13));
        QCOMPARE(quint8(seq.at(3).at(5)), quint8(TestRfc2544));

        QPushButton *stop = child<QPushButton>("bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        stop->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stopRequest = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stopRequest.at(1)), quint8(0));
        QCOMPARE(quint8(stopRequest.at(6)), quint8(TestRfc2544));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    void autoDestinationRefusesLoopedStart()
    {
        child<QCheckBox>("cIPAuto")->setChecked(true);
        MessageBoxCloser closer;
        child<QPushButton>("bStartXX")->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.at(0).text,
                 QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
        QVERIFY(waitForSettingsSent());
        QCOMPARE(int(lastSent().header.autoIpDest), 1);
        QVERIFY(rig->requestsOf(0x09).isEmpty());
        QVERIFY(!form->canStartXX());
        child<QCheckBox>("cIPAuto")->setChecked(false);
    }

    void resultsFillTheTables()
    {
        refreshResults();
        // Row 0: throughput running with six significant digits.
        QCOMPARE(cell("tThrRes", 0, 0), QString("Running"));
        QCOMPARE(cell("tThrRes", 0, 1), QString("64"));
        QCOMPARE(cell("tThrRes", 0, 2), QString("99.8765"));
        QCOMPARE(cell("tThrRes", 0, 3), QString("998.765 Mbps"));
        QCOMPARE(cell("tThrRes", 0, 4), QString("761.905 Mbps"));
        // Latency: the throughput load of the row; a waiting row shows dashes.
        QCOMPARE(cell("tLatRes", 0, 2), QString("99.8765"));
        QCOMPARE(cell("tLatRes", 0, 3), QString("500 ns"));
        QCOMPARE(cell("tLatRes", 3, 0), QString("Wait"));
        QCOMPARE(cell("tLatRes", 3, 2), QString("-"));
        QCOMPARE(cell("tLatRes", 3, 3), QString("-"));
        QCOMPARE(cell("tLatRes", 7, 3), QString("5.000 ms"));
        QCOMPARE(cell("tBtbRes", 0, 2), QString("1000000"));
        QCOMPARE(cell("tBtbRes", 0, 3), QString("2"));
        QCOMPARE(cell("tBtbRes", 7, 0), QString("Off"));
        QCOMPARE(cell("tBtbRes", 7, 2), QString("-"));
        // Frame loss at the first load step, then at the second.
        QCOMPARE(cell("tFrlRes", 0, 2), QString("3.0000"));
        QCOMPARE(cell("tFrlRes", 3, 2), QString("0.5000"));
        QCOMPARE(cell("tFrlRes", 7, 2), QString("0.0000"));
        child<QComboBox>("cbFrlRate")->setCurrentIndex(1);
        QCOMPARE(form->selectedLossStep(), 1);
        QCOMPARE(cell("tFrlRes", 0, 2), QString("1.0000"));
        QCOMPARE(cell("tFrlRes", 3, 2), QString("0.2500"));
        QCOMPARE(cell("tFrlRes", 7, 2), QString("-"));
        // Rows the settings switch off are still listed with their results.
        QCOMPARE(cell("tThrRes", 1, 1), QString("128"));

        // User loading shows the user loads in the latency table.
        rfc_settings_t s = fixture();
        s.userLoading = 1;
        s.userLoad[0] = 75;
        storeOnTester(s);
        reload();
        QCOMPARE(cell("tLatRes", 0, 2), QString("75"));
        // The reload went back to the first load step.
        QCOMPARE(form->selectedLossStep(), 0);
        QCOMPARE(child<QComboBox>("cbFrlRate")->currentIndex(), 0);
        QCOMPARE(cell("tFrlRes", 0, 2), QString("3.0000"));
    }

    void scenesHoldTheGraphs()
    {
        refreshResults();
        // Throughput: one bar per frame size that is on, height from the load.
        const QList<QRectF> thr = barsOf(scene("grapThr"));
        QCOMPARE(thr.size(), 3);
        QCOMPARE(thr.at(0), QRectF(-95, -20 - 220 * double(99.87654f) / 100, 23, 220 * double(99.87654f) / 100));
        QCOMPARE(thr.at(1), QRectF(-67, -20 - 220 * 0.505, 23, 220 * 0.505));
        QCOMPARE(thr.at(2), QRectF(-39, -240, 23, 220));
        const QMultiMap<QString, QPointF> thrTexts = textsOf(scene("grapThr"));
        QCOMPARE(thrTexts.value("99%"), QPointF(-95, -277));
        QCOMPARE(thrTexts.value("50%"), QPointF(-67, -277));
        QCOMPARE(thrTexts.value("100%"), QPointF(-39, -277));
        QVERIFY(!thrTexts.contains("80%"));   // the rows that are off
        QVERIFY(thrTexts.contains("Throughput"));
        QVERIFY(!thrTexts.contains("128"));

        // Latency: scaled to the largest of all rows, axis in ms.
        const QList<QRectF> lat = barsOf(scene("grapLat"));
        QCOMPARE(lat.size(), 3);
        QCOMPARE(lat.at(2).height(), 220.0);
        QCOMPARE(lat.at(0).height(), 220 * 500 / 5e6);
        const QMultiMap<QString, QPointF> latTexts = textsOf(scene("grapLat"));
        // One unit, ms, for the ticks and the bars' labels.
        QVERIFY(latTexts.contains("ms"));
        QVERIFY(!latTexts.contains("%"));
        QCOMPARE(latTexts.value("0.0005"), QPointF(-95, -277));
        QCOMPARE(latTexts.value("0.005"), QPointF(-67, -264));
        QVERIFY(latTexts.values("5").contains(QPointF(-39, -277)));
        QVERIFY(latTexts.values("5").contains(QPointF(-113, -250)));   // the top tick

        // Back-to-back: times 2, 4 and 1 on an axis of 5 s.
        const QList<QRectF> btb = barsOf(scene("graphBtb"));
        QCOMPARE(btb.size(), 3);
        // On an axis of 5 s.
        QCOMPARE(btb.at(0).height(), 88.0);
        QCOMPARE(btb.at(1).height(), 176.0);
        QCOMPARE(btb.at(2).height(), 44.0);
        for (QGraphicsItem *item : scene("graphBtb")->items()) {
            if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item)) {
                QCOMPARE(rect->brush().color(), QColor(0, 255, 0));
                QCOMPARE(rect->brush().style(), Qt::SolidPattern);
                QCOMPARE(rect->pen().color(), QColor(0, 0, 0));
            }
        }

        // Frame loss of the first frame size on: a red polyline through the
        // steps, resting on the axis after the zero loss, on an axis of 5 %
        // for its largest loss of 3 %.
        QColor colour;
        QCOMPARE(colouredLines(scene("grapFrl"), &colour),
                 (QList<QLineF>{QLineF(140, -152, 117, -64), QLineF(117, -64, 94, -20), QLineF(94, -20, 71, -20)}));
        QVERIFY(textsOf(scene("grapFrl")).contains("5"));
        QCOMPARE(colour, QColor(255, 0, 0));
        QVERIFY(barsOf(scene("grapFrl")).isEmpty());

        // Another frame size: its own colour; a click arrives queued.
        child<QRadioButton>("fr3")->click();
        QCOMPARE(form->selectedLossFrame(), 0);
        QTRY_COMPARE(form->selectedLossFrame(), 3);
        // Losses of half a per cent and less fill an axis of 0.5 %.
        QCOMPARE(colouredLines(scene("grapFrl"), &colour),
                 (QList<QLineF>{QLineF(140, -240, 117, -130), QLineF(117, -130, 94, -20), QLineF(94, -20, 71, -20)}));
        QVERIFY(textsOf(scene("grapFrl")).contains("0.5"));
        QVERIFY(textsOf(scene("grapFrl")).contains("0.05"));
        QCOMPARE(colour, QColor(0, 255, 255));
        QVERIFY(!child<QRadioButton>("fr1")->isEnabled());

        // Graph texts stay within 11 pixels, also in a larger form font.
        verifyChartTextSizes();
        if (QTest::currentTestFailed())
            return;
        QFont large = form->font();
        large.setPixelSize(16);
        form->setFont(large);
        QCOMPARE(QFontInfo(child<QGraphicsView>("grapThr")->font()).pixelSize(), 16);
        refreshResults();
        verifyChartTextSizes();
        form->setFont(QFont());
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(form->font(), QApplication::font());
    }

    // A row that is off is not drawn even when it is the selected loss frame;
    // a fill that turns it off moves the selection to the first row on.
    void rowsThatAreOffAreNotDrawn()
    {
        refreshResults();
        child<QRadioButton>("fr7")->click();
        QTRY_COMPARE(form->selectedLossFrame(), 7);
        QCOMPARE(colouredLines(scene("grapFrl")).size(), 3);

        rfc_settings_t s = fixture();
        s.frame[0].enabled = 0;
        s.frame[7].enabled = 0;
        storeOnTester(s);
        reload();
        QCOMPARE(form->selectedLossFrame(), 3);
        QVERIFY(child<QRadioButton>("fr3")->isChecked());
        QCOMPARE(barsOf(scene("grapThr")).size(), 1);
        QCOMPARE(barsOf(scene("grapThr")).first().x(), -95.0);
        QCOMPARE(colouredLines(scene("grapFrl")).size(), 3);

        // A selected frame size that is off draws no curve.
        QMetaObject::invokeMethod(form, "lossFrame1");
        QVERIFY(colouredLines(scene("grapFrl")).isEmpty());
        QVERIFY(!textsOf(scene("grapFrl")).isEmpty());
    }

    void noResultsShowDashesAndEmptyScenes()
    {
        refreshResults();
        QVERIFY(!scene("grapThr")->items().isEmpty());
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        refreshResults();
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        for (const char *table : {"tThrRes", "tLatRes", "tFrlRes", "tBtbRes"}) {
            auto *t = child<QTableWidget>(table);
            for (int row = 0; row < t->rowCount(); ++row) {
                for (int column = 0; column < t->columnCount(); ++column)
                    QCOMPARE(cell(table, row, column), QString("-"));
            }
        }
        for (const char *view : {"grapThr", "grapLat", "grapFrl", "graphBtb"})
            QVERIFY2(scene(view)->items().isEmpty(), view);
    }

    void editedFieldsTurnBlueApplyTurnsThemBlack()
    {
        auto *apply = child<QPushButton>("bApply");
        auto *minLoad = child<QSpinBox>("sThrMinrate");
        auto *size = child<QSpinBox>("sf4");
        auto *sample = child<QTimeEdit>("tFrlDur");
        auto *btb = child<QCheckBox>("cBtb");
        minLoad->setValue(20);
        QCOMPARE(minLoad->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        size->setValue(1500);
        sample->setTime(QTime(0, 1, 0));
        btb->setChecked(true);
        QCOMPARE(size->styleSheet(), Blue);
        QCOMPARE(sample->styleSheet(), Blue);
        QCOMPARE(btb->styleSheet(), Blue);
        minLoad->setValue(10);                   // equal again: black, Apply stays
        QCOMPARE(minLoad->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        minLoad->setValue(20);

        apply->click();
        QVERIFY(!apply->isEnabled());
        for (QWidget *w : {static_cast<QWidget *>(minLoad), static_cast<QWidget *>(size),
                           static_cast<QWidget *>(sample), static_cast<QWidget *>(btb)})
            QCOMPARE(w->styleSheet(), Black);
        QCOMPARE(child<QSpinBox>("spinBox")->styleSheet(), Grey);
        QVERIFY(waitForSettingsSent());
        rfc_settings_t expected = fixture();
        expected.throughputMin = 20;
        expected.frame[3].size = 1500;
        expected.frameLossTime = 60;
        expected.backToBackOn = 1;
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(expected).toHex(' '));
        // The new frame size reached the loss-frame button and the user-load label.
        QCOMPARE(child<QRadioButton>("fr3")->text(), QString("1500"));
        QCOMPARE(child<QLabel>("label_23")->text(), QString("1500"));
    }

    void userLoadingEnablesTheTickedRows()
    {
        child<QCheckBox>("cf2")->setChecked(true);     // ticked, not yet applied
        child<QCheckBox>("cLatRateman")->setChecked(true);
        QCOMPARE(child<QCheckBox>("cLatRateman")->styleSheet(), Blue);
        const char *boxes[RfcFrameRows] = {"spinBox",   "spinBox_2", "spinBox_3", "spinBox_4",
                                           "spinBox_5", "spinBox_6", "spinBox_7", "spinBox_8"};
        const bool enabled[RfcFrameRows] = {true, true, false, true, false, false, false, true};
        for (int k = 0; k < RfcFrameRows; ++k)
            QCOMPARE(child<QSpinBox>(boxes[k])->isEnabled(), enabled[k]);
        // The labels stay as the last fill left them.
        QVERIFY(!child<QLabel>("label_21")->isEnabled());
        child<QSpinBox>("spinBox_4")->setValue(42);
        QCOMPARE(child<QSpinBox>("spinBox_4")->styleSheet(), Blue);

        child<QPushButton>("bApply")->click();
        QCOMPARE(child<QSpinBox>("spinBox_4")->styleSheet(), Black);
        QVERIFY(waitForSettingsSent());
        const rfc_settings_t sent = lastSent();
        QCOMPARE(int(sent.userLoading), 1);
        QCOMPARE(int(sent.userLoad[3]), 42);
        QCOMPARE(int(sent.frame[1].enabled), 1);
        QVERIFY(child<QLabel>("label_21")->isEnabled());

        child<QCheckBox>("cLatRateman")->setChecked(false);
        for (const char *box : boxes)
            QVERIFY(!child<QSpinBox>(box)->isEnabled());
    }

    void lastFrameSizeStaysOn()
    {
        rfc_settings_t s = fixture();
        for (rfc_frame_size_t &row : s.frame)
            row.enabled = 0;
        s.frame[3].enabled = 1;
        storeOnTester(s);
        reload();
        auto *only = child<QCheckBox>("cf4");
        QVERIFY(only->isChecked());
        // Nothing left marked from earlier edits.
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        only->setChecked(false);
        QVERIFY(only->isChecked());
        QCOMPARE(only->styleSheet(), Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // One of two goes off and is marked.
        child<QCheckBox>("cf1")->setChecked(true);
        only->setChecked(false);
        QVERIFY(!only->isChecked());
        QCOMPARE(only->styleSheet(), Blue);
    }

    // Values no widget can show: shown as near as the widget allows, marked,
    // and the list of frame-loss loads built without looping for a step of 0.
    void valuesOutsideTheWidgets()
    {
        rfc_settings_t s = outsideTheWidgets();
        storeOnTester(s);
        reload();
        QCOMPARE(rateList(), (QStringList{"100 %", "10 %"}));
        QCOMPARE(child<QSpinBox>("sFrlStep")->value(), 1);
        QCOMPARE(child<QSpinBox>("sFrlStep")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("sThrMaxrate")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("sf1")->value(), 9600);
        QCOMPARE(child<QSpinBox>("sf1")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("sLatCount")->value(), 999);
        QCOMPARE(child<QSpinBox>("sLatCount")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("spinBox")->value(), 100);
        QCOMPARE(child<QSpinBox>("spinBox")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("sStudy")->value(), 10);
        QCOMPARE(child<QSpinBox>("sStudy")->styleSheet(), Blue);
        QCOMPARE(child<QTimeEdit>("tThrDur")->time(), QTime(1, 1, 1));   // kept from the last fill
        QCOMPARE(child<QTimeEdit>("tThrDur")->styleSheet(), Blue);
        QCOMPARE(child<QTimeEdit>("tFrlDur")->styleSheet(), Blue);
        QCOMPARE(child<QSpinBox>("sFrlMaxrate")->styleSheet(), Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // Untouched, every value goes back as the tester sent it.
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));

        // Once applied, an edit of the time is the reference: the time the
        // fill had left is an edit now.
        child<QTimeEdit>("tThrDur")->setTime(QTime(0, 0, 30));
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(lastSent().throughputTime, 30u);
        child<QTimeEdit>("tThrDur")->setTime(QTime(1, 1, 1));
        QCOMPARE(child<QTimeEdit>("tThrDur")->styleSheet(), Blue);
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(lastSent().throughputTime, 3661u);
        QCOMPARE(lastSent().frameLossTime, 0xFFFFFFFFu);

        // A step list longer than the results hold: steps from 100 on have
        // no value and are shown as such.
        s = fixture();
        s.frameLossMax = 255;
        s.frameLossMin = 0;
        s.frameLossStep = 1;
        storeOnTester(s);
        reload();
        QCOMPARE(rateList().size(), 256);
        child<QComboBox>("cbFrlRate")->setCurrentIndex(150);
        QCOMPARE(form->selectedLossStep(), 150);
        QCOMPARE(cell("tFrlRes", 0, 2), QString("-"));
        QCOMPARE(cell("tFrlRes", 0, 0), QString("OK"));
    }

    // A value no widget can show goes out as the operator edits its field;
    // the other such values stay as stored.
    void editedValueOutsideTheWidgetsGoesOut_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");   // seconds for a time edit
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *field, int value, void (*edit)(rfc_settings_t &)) {
            rfc_settings_t expected = outsideTheWidgets();
            edit(expected);
            QTest::newRow(field) << QString(field) << value << recordBytes(expected);
        };
        row("sFrlStep", 5, [](rfc_settings_t &r) { r.frameLossStep = 5; });
        row("sThrMaxrate", 90, [](rfc_settings_t &r) { r.throughputMax = 90; });
        row("sf1", 1500, [](rfc_settings_t &r) { r.frame[0].size = 1500; });
        row("sLatCount", 500, [](rfc_settings_t &r) { r.latencyCount = 500; });
        row("spinBox", 50, [](rfc_settings_t &r) { r.userLoad[0] = 50; });
        row("sStudy", 20, [](rfc_settings_t &r) { r.study = 20; });
        row("tThrDur", 30, [](rfc_settings_t &r) { r.throughputTime = 30; });
        row("tFrlDur", 7200, [](rfc_settings_t &r) { r.frameLossTime = 7200; });
    }
    void editedValueOutsideTheWidgetsGoesOut()
    {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QByteArray, expected);
        storeOnTester(outsideTheWidgets());
        reload();
        QWidget *w = form->findChild<QWidget *>(field);
        QVERIFY(w);
        QVERIFY(w->isEnabled());
        if (auto *time = qobject_cast<QTimeEdit *>(w)) {
            time->setTime(QTime(0, 0).addSecs(value));
        } else {
            auto *box = qobject_cast<QSpinBox *>(w);
            QVERIFY(box);
            box->setValue(value);
        }
        QCOMPARE(w->styleSheet(), Blue);
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().toHex(' '), expected.toHex(' '));
        QCOMPARE(w->styleSheet(), Black);
    }

    void portBTitles()
    {
        storeOnTester(fixture(), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gRFC")->title(), QString("RFC 2544 test (Port B)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->B"));
        QCOMPARE(child<QPushButton>("bStartXY")->text(), QString("Start B->A"));
    }

    // A running test on the simulated tester fills the tables row by row
    // and ends by itself.
    void simulatedRunFillsTheTables()
    {
        rfc_settings_t s = fixture();
        s.frameLossOn = 0;
        s.latencyOn = 0;
        storeOnTester(s);
        reload();
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = true;
            r.results.remove(SimRemoteResponder::key(PortA, TestRfc2544));
        });
        auto *start = child<QPushButton>("bStartXY");
        start->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        QVERIFY(rig->waitForPolls(1));
        QCOMPARE(cell("tThrRes", 0, 0), QString("OK"));
        QCOMPARE(cell("tThrRes", 7, 0), QString("OK"));
        QCOMPARE(cell("tThrRes", 3, 2), QString("100"));
        QCOMPARE(cell("tThrRes", 1, 0), QString("Off"));
        QCOMPARE(cell("tLatRes", 0, 0), QString("Off"));
        QCOMPARE(barsOf(scene("grapThr")).size(), 3);
    }

    void languageSwitchRedrawsResultsAndTextsFit()
    {
        refreshResults();
        child<QRadioButton>("fr3")->click();
        QTRY_COMPARE(form->selectedLossFrame(), 3);
        // Long values: the largest frame sizes, the longest status texts.
        rfc_settings_t s = fixture();
        for (rfc_frame_size_t &row : s.frame) {
            row.enabled = 1;
            row.size = 9600;
        }
        s.throughputTime = 86399;
        s.userLoading = 1;
        storeOnTester(s);
        rfc_results_t r = resultsFixture();
        for (int i = 0; i < RfcFrameRows; ++i) {
            r.frameLength[i].length = 9600;
            r.throughput[i] = {StatusIncompatibleFw, {}, 99.87654f, 999.9999f, 999.9999f};
            r.latency[i].status = StatusRemoteDeviceError;
            r.latency[i].latency = 999999.9;
            r.backToBack[i].status = StatusIncompatibleFw;
            r.backToBack[i].quantity = 1.23456e9f;
            r.backToBack[i].time = 999;
            r.frameLoss[i].status = StatusRemoteDeviceError;
            r.frameLoss[i].loss[0] = 99.9999f;
        }
        storeResults(r);
        reload();
        refreshResults();
        form->show();

        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList cut = textFitInAllLanguages(form, languages, [this] { form->retranslate(); });
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        const auto chartsFitInEveryLanguage = [&] {
            for (const QString &language : TextFitLanguages::all()) {
                if (!languages.use(language))
                    return false;
                form->retranslate();
                verifyChartsFit(language);
                if (QTest::currentTestFailed())
                    return false;
            }
            return true;
        };
        QVERIFY(chartsFitInEveryLanguage());
        // Losses of thousandths of a per cent: the loss axis at its finest,
        // ticks of five characters, and still no text runs into another.
        for (rfc_frame_loss_row_t &row : r.frameLoss) {
            row.loss[0] = 0.003f;
            row.loss[1] = 0.0014f;
        }
        storeResults(r);
        refreshResults();
        QVERIFY(textsOf(scene("grapFrl")).contains("0.001"));
        QVERIFY(textsOf(scene("grapFrl")).contains("0.01"));
        QVERIFY(chartsFitInEveryLanguage());

        // In Russian: the results were redrawn in the new language, the
        // user-load labels keep their frame sizes.
        QVERIFY(languages.use("ru"));
        form->retranslate();
        const QString russianStatus = QCoreApplication::translate("Device", "Incompatible FW version");
        QVERIFY(russianStatus != QLatin1String("Incompatible FW version"));
        QCOMPARE(cell("tThrRes", 0, 0), russianStatus);
        // Unit words of the shared text functions come from the catalogue too.
        // (999999.9 ns is 1e6 as a float: 1 ms.)
        const QString milliseconds = QCoreApplication::translate("QApplication", "ms");
        QVERIFY(milliseconds != QLatin1String("ms"));
        QCOMPARE(cell("tLatRes", 0, 3), QString("1.000 ") + milliseconds);
        QVERIFY(textsOf(scene("grapThr")).contains(QCoreApplication::translate("RfcForm", "Throughput")));
        QVERIFY(QCoreApplication::translate("RfcForm", "Throughput") != QLatin1String("Throughput"));
        QCOMPARE(child<QLabel>("label_20")->text(), QString("9600"));
        QCOMPARE(child<QRadioButton>("fr0")->text(), QString("9600"));

        QVERIFY(saveFormPages(form, QStringLiteral("rfc")));
        languages.use("en");
        form->retranslate();
        form->hide();
    }
};

QTEST_MAIN(TestRfcForm)
#include "tst_rfcform.moc"
