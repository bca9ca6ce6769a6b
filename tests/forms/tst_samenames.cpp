// One name for one counter or value, wherever it is shown: a row of the
// traffic form, of the asymmetric traffic form's flow statistics, of the
// statistics window, of the BERT, multistream and jitter forms and a field
// of the interface settings window reads in the PDF report of the same
// records with the same name and the same value, in Russian, English and
// German. The windows are filled from the simulated tester; the reports are
// rendered from those records through the real writer and read back with
// pdftotext.

#include "formrig.h"
#include "formtexts.h"
#include "../support/reportfixture.h"
#include "../support/widgetlookup.h"

#include "asymrecords.h"
#include "asymtrafficform.h"
#include "bertform.h"
#include "bertrecords.h"
#include "ifaceform.h"
#include "ifsetform.h"
#include "jitterform.h"
#include "jitterrecords.h"
#include "multiform.h"
#include "multirecords.h"
#include "statsform.h"
#include "statsrecords.h"
#include "trafficform.h"
#include "trafficrecords.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

namespace {

traffic_settings_t trafficSettings()
{
    traffic_settings_t s{};
    s.header = headerFixture();
    s.rateUnit = RateUnitKbps;
    s.rate = 750;
    s.flrThreshold = 0.001f;
    s.packetLength = 1518;
    s.duration = 600;
    s.learningInterval = 150;
    s.waitInterval = 2500;
    return s;
}

// Every count different, so that a value names its row.
traffic_results_t trafficResults(uint8_t status)
{
    traffic_results_t r{};
    r.startTime = 5000;
    r.currentTime = 5100;
    r.estimatedTime = 600;
    r.status = status;
    r.txFrames = 100000;
    r.rxFrames = 99988;
    r.lostFrames = 12;   // the report counts Tx - Rx
    r.txBytes = 5000000000ull;
    r.rate = 123374500;  // 986.996 Mbit/s
    r.pdv = 850;
    r.latency = 12500;
    r.runts = 5;
    r.jabber = 3;
    r.crcErrors = 2;
    r.pause = 7;
    return r;
}

stats_results_t statsResults(uint64_t base)
{
    stats_results_t r{};
    for (stats_counters_t *c : {&r.rx, &r.tx}) {
        const uint64_t b = base + (c == &r.tx ? 500 : 0);
        c->bytes = b + 1;
        c->frames = b + 2;
        c->broadcast = b + 3;
        c->multicast = b + 4;
        c->unicast = b + 5;
        c->crcErrors = b + 6;
        c->jabber = b + 7;
        for (int i = 0; i < StatsFrameSizeBins; ++i)
            c->sizes[i] = b + 10 + uint64_t(i);
        c->pause = b + 20;
        c->rateL1.bytesPerSecond = uint32_t(b) * 1000 + 21;
        c->rateL2.bytesPerSecond = uint32_t(b) * 1000 + 22;
        c->rateL3.bytesPerSecond = uint32_t(b) * 10 + 23;
    }
    return r;
}

eth_settings_t portSettings(uint8_t lastByte)
{
    eth_settings_t e{};
    e.linkModes = 0x3F;
    const uint8_t mac[6] = {0x02, 0x3a, 0x91, 0x6d, 0x47, lastByte};
    std::memcpy(e.mac, mac, sizeof mac);
    e.ip = ipv4(10, 10, 10, lastByte);
    e.mask = ipv4(255, 255, 255, 0);
    e.gateway = ipv4(10, 10, 10, 1);
    e.vlanCount = 2;
    e.tpid[0] = 0x8100;
    e.tagControl[0] = uint16_t(5 << 13 | 100);
    e.tpid[1] = 0x88a8;
    e.tagControl[1] = 4095;
    e.mplsCount = 2;
    // A label with leading zeros: five digits on screen and on paper.
    e.mpls[0] = 0x10u << 12 | 3u << 9 | 64u;
    e.mpls[1] = 0xabcdeu << 12 | 6u << 9 | 1u << 8 | 32u;
    return e;
}

flow_settings_t flow(uint8_t unit, uint16_t rate, uint16_t length)
{
    flow_settings_t f{};
    f.header = headerFixture();
    f.rateUnit = unit;
    f.rate = rate;
    f.packetLength = length;
    f.maxFlr = 0.001f;
    return f;
}

asym_settings_t asymSettings()
{
    asym_settings_t s{};
    s.direction = DirectionBoth;
    s.duration = 60;
    s.learningInterval = 2500;
    s.waitInterval = 1500;
    s.output = flow(RateUnitKbps, 5000, 1518);
    s.input = flow(RateUnitMbps, 800, 512);
    return s;
}

asym_results_t asymResults()
{
    asym_results_t r{};
    r.startTime = 1000;
    r.currentTime = 1060;
    r.duration = 60;
    r.status = StatusOk;
    r.output = flow_stats_t{40000, 39990, 625000, 1500, 11, 13, 17, 19};
    r.input = flow_stats_t{30000, 30000, 100000, 700, 21, 23, 27, 29};
    return r;
}

bert_settings_t bertSettings()
{
    bert_settings_t s{};
    s.pattern = BertPatternUser;
    // Digits only: the report writes the user pattern's hexadecimal digits
    // in lower case, the form in upper case.
    s.userPattern = 0x20240917;
    s.frameSize = 1024;
    s.rateUnit = RateUnitKbps;
    s.rate = 500;
    s.duration = 3600;
    s.syncWait = 250;
    s.patternOffset = 12;
    return s;
}

// Every value different, so that a value names its row.
bert_results_t bertResults()
{
    bert_results_t r{};
    r.bits = 7000000000ull;
    r.errorBits = 21;
    r.lss = 4;
    r.los = 9;
    r.elapsed = 90;
    return r;
}

jitter_settings_t jitterSettings()
{
    jitter_settings_t s{};
    s.header = headerFixture();
    s.rateUnit = RateUnitKbps;
    s.rate = 250;
    s.packetLength = 512;
    s.duration = 3600;
    // Not 10: until another threshold is shown the form keeps the bin labels
    // of its design ("0.000 - 1.250"), spaced unlike the ones it computes.
    s.threshold = 20;
    return s;
}

// Every bin a share of its own.
jitter_results_t jitterResults()
{
    jitter_results_t r{};
    r.passedTime = 100;
    r.rxAll = 2000;
    r.rxInOrder = 1500;
    const uint64_t bins[JitterBins] = {30, 250, 400, 120, 60, 20, 10, 5, 1105};
    std::copy(std::begin(bins), std::end(bins), std::begin(r.bins));
    return r;
}

// Streams 1, 4 and 5 active (a pair side by side and one below it), each
// with a unit, rate and length of its own.
multi_settings_t multiSettings()
{
    multi_settings_t s{};
    s.duration = 3600;
    s.learningTime = 150;
    // Under a second: the form counts the wait before and after the run
    // into the remaining time in whole seconds, the report does not.
    s.waitInterval = 500;
    const struct
    {
        int stream;
        uint8_t unit;
        uint16_t rate;
        uint16_t length;
    } active[] = {{0, RateUnitPercent, 50, 512}, {3, RateUnitMbps, 100, 1518}, {4, RateUnitKbps, 2500, 9600}};
    for (const auto &a : active) {
        stream_settings_t &stream = s.streams[a.stream];
        stream.active = 1;
        stream.rateUnit = a.unit;
        stream.rate = a.rate;
        stream.packetLength = a.length;
        stream.header = headerFixture();
    }
    s.streams[1].rate = 77;   // inactive: in no report
    return s;
}

multi_results_t multiResults()
{
    multi_results_t r{};
    r.elapsed = 600;
    r.streams[0] = stream_result_t{50.0f, 2000, 1990, 1500};
    r.streams[3] = stream_result_t{7.5f, 4000, 3996, 2500000};
    r.streams[4] = stream_result_t{12.5f, 6000, 6000, 3100};
    return r;
}

// A row of a report as pdftotext lays it out: the name as a whole cell (at
// the start of a line or of a column), then its values in order.
bool hasNamedRow(const QString &text, const QString &name, const QStringList &values)
{
    QString pattern = QStringLiteral("(^|\\s{2,})") + QRegularExpression::escape(name);
    for (const QString &value : values)
        pattern += QStringLiteral("\\s+") + QRegularExpression::escape(value);
    pattern += QStringLiteral("(\\s|$)");
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

// A title alone in its cell (a section title, a column header).
bool hasTitle(const QString &text, const QString &title)
{
    const QString pattern = QStringLiteral("(^|\\s{2,})") + QRegularExpression::escape(title) + QStringLiteral("(\\s{2,}|$)");
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

// What a field shows.
QString shown(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->text();
    if (auto *box = qobject_cast<QComboBox *>(field))
        return box->currentText();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        return spin->text();
    return QStringLiteral("<no field>");
}

QString itemText(const QTableWidgetItem *item)
{
    return item ? item->text() : QString();
}

// The labels of the fields in these containers, each with its field.
QList<QLabel *> fieldLabels(const QList<QWidget *> &containers)
{
    QList<QLabel *> labels;
    for (QWidget *container : containers) {
        for (QLabel *label : container->findChildren<QLabel *>()) {
            if (label->buddy())
                labels << label;
        }
    }
    return labels;
}

// What a form and its report must name alike: the labelled fields of some
// of the form's containers, its result tables and the titles of its groups;
// once for each page a selector shows (the multistream form's streams).
struct FormComparison
{
    QString report;                        // the report's text
    QList<QWidget *> labelled;
    int fields = 0;                        // how many labelled fields they hold
    QList<QTableWidget *> tables;
    std::function<QStringList()> titles;   // as on show
    QSpinBox *pages = nullptr;
    QList<int> pageValues;
};

} // namespace

class TestSameNames : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    TrafficForm *traffic = nullptr;
    AsymTrafficForm *asym = nullptr;
    StatsForm *stats = nullptr;
    IfsetForm *interfaces = nullptr;
    BertForm *bert = nullptr;
    MultiForm *multi = nullptr;
    JitterForm *jitter = nullptr;
    QTemporaryDir dir;
    QStringList faults;
    std::unique_ptr<TextFitLanguages> languages;

    void storeTrafficResults(uint8_t status)
    {
        rig->storeResults(PortA, TestTraffic, recordBytes(trafficResults(status)));
    }

    // The report of the records on the tester, in the language on show.
    QString report(const QByteArray &bytes, const QString &name)
    {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        if (!renderReport(bytes, pdf))
            return QString();
        return pdfText(pdf);
    }

    QString trafficReport(uint8_t status)
    {
        return report(ReportFixture(TestTraffic)
                          .interfaceSettings(PortA, portSettings(0x32))
                          .interfaceSettings(PortB, portSettings(0x33))
                          .settings(trafficSettings())
                          .results(trafficResults(status))
                          .bytes(),
                      QStringLiteral("traffic"));
    }

    // Every form re-texted and filled again in the language on show.
    void refill()
    {
        traffic->retranslate();
        traffic->activate();
        asym->retranslate();
        asym->activate();
        stats->retranslate();
        stats->activate();
        interfaces->retranslate();
        interfaces->activate();
        for (TestForm *form : {static_cast<TestForm *>(bert), static_cast<TestForm *>(multi),
                               static_cast<TestForm *>(jitter)}) {
            form->retranslate();
            form->activate();
        }
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    // Labelled fields: the label's text and the field's value make a row.
    void compareLabels(QWidget *form, const QStringList &labels, const QString &text, const QString &where)
    {
        QList<QLabel *> found;
        for (const QString &name : labels) {
            auto *label = findWidget<QLabel>(form, qPrintable(name));
            if (!label || !label->buddy())
                faults << QStringLiteral("%1: label %2 without its field").arg(where, name);
            else
                found << label;
        }
        compareFields(found, text, where);
    }

    void compareFields(const QList<QLabel *> &labels, const QString &text, const QString &where)
    {
        for (QLabel *label : labels) {
            const QString value = shown(label->buddy());
            if (!hasNamedRow(text, label->text(), {value}))
                faults << QStringLiteral("%1: \"%2\" \"%3\" not in the report").arg(where, label->text(), value);
        }
    }

    // A table's rows: the row header names the row, the cells its values.
    // suffix: what the window adds to every row header (the port), which the
    // report writes in a row of its own.
    void compareRows(QTableWidget *table, const QString &suffix, const QString &text, const QString &where)
    {
        for (int row = 0; row < table->rowCount(); ++row) {
            QString name = itemText(table->verticalHeaderItem(row));
            if (!suffix.isEmpty()) {
                if (!name.endsWith(suffix)) {
                    faults << QStringLiteral("%1: row \"%2\" does not end in \"%3\"").arg(where, name, suffix);
                    continue;
                }
                name.chop(suffix.size());
            }
            // A cell without a value ("-" where a row has no ratio) is a
            // blank cell in the report.
            QStringList values;
            for (int column = 0; column < table->columnCount(); ++column) {
                const QString value = itemText(table->item(row, column));
                if (!value.isEmpty() && value != QLatin1String("-"))
                    values << value;
            }
            if (!hasNamedRow(text, name, values))
                faults << QStringLiteral("%1: row \"%2\" %3 not in the report").arg(where, name, values.join(QLatin1Char(' ')));
        }
    }

    // A result table with or without row headers. With them, each row is
    // named by its header and the column headers stand over the values as
    // titles; without them, each row is named by its first cell, and the
    // column headers make a row of their own, as the report draws them.
    void compareTable(QTableWidget *table, const QString &text, const QString &where)
    {
        if (!table->verticalHeader()->isHidden()) {
            compareRows(table, QString(), text, where);
            QStringList headers;
            for (int column = 0; column < table->columnCount(); ++column)
                headers << tableColumnHeader(table, column);
            compareTitles(headers, text, where);
            return;
        }
        QTableWidget named;
        named.setColumnCount(table->columnCount() - 1);
        named.setRowCount(table->rowCount() + 1);
        for (int row = -1; row < table->rowCount(); ++row) {
            const auto cell = [&](int column) {
                return row < 0 ? tableColumnHeader(table, column) : itemText(table->item(row, column));
            };
            named.setVerticalHeaderItem(row + 1, new QTableWidgetItem(cell(0)));
            for (int column = 1; column < table->columnCount(); ++column)
                named.setItem(row + 1, column - 1, new QTableWidgetItem(cell(column)));
        }
        compareRows(&named, QString(), text, where);
    }

    // The comparison of a test's form with the report of the records it
    // shows, in the language on show.
    FormComparison comparison(int test)
    {
        FormComparison c;
        const auto group = [](QWidget *form, const char *name) { return findWidget<QGroupBox>(form, name); };
        switch (test) {
        case TestBert: {
            c.report = report(ReportFixture(TestBert).settings(bertSettings()).results(bertResults()).bytes(),
                              QStringLiteral("bert"));
            QGroupBox *settings = group(bert, "groupBox");
            QGroupBox *measuring = group(bert, "groupBox_2");
            c.labelled = {settings, measuring};
            c.fields = 17;
            c.titles = [=] { return QStringList{settings->title(), measuring->title()}; };
            break;
        }
        case TestMultistream: {
            c.report = report(ReportFixture(TestMultistream).settings(multiSettings()).results(multiResults()).bytes(),
                              QStringLiteral("multistream"));
            QGroupBox *advanced = group(multi, "groupBox");
            auto *active = findWidget<QCheckBox>(multi, "cActive");
            auto *stream = findWidget<QSpinBox>(multi, "sStreamSettings");
            c.labelled = {advanced, findWidget<QWidget>(multi, "tab_2")};
            c.fields = 8;
            c.tables = {findWidget<QTableWidget>(multi, "tRes")};
            c.titles = [=] { return QStringList{stream->text(), advanced->title(), active->text()}; };
            c.pages = stream;
            c.pageValues = {1, 4, 5};
            break;
        }
        case TestJitter: {
            c.report = report(ReportFixture(TestJitter).settings(jitterSettings()).results(jitterResults()).bytes(),
                              QStringLiteral("jitter"));
            QGroupBox *advanced = group(jitter, "groupBox_2");
            QGroupBox *result = group(jitter, "groupBox");
            QGroupBox *distribution = group(jitter, "groupBox_3");
            c.labelled = {advanced, result};
            c.fields = 7;
            c.tables = {findWidget<QTableWidget>(jitter, "tRes"), findWidget<QTableWidget>(jitter, "tDist")};
            c.titles = [=] { return QStringList{advanced->title(), result->title(), distribution->title()}; };
            break;
        }
        default:
            qFatal("no comparison for test %d", test);
        }
        return c;
    }

    void compareTitles(const QStringList &titles, const QString &text, const QString &where)
    {
        for (const QString &title : titles) {
            if (!hasTitle(text, title))
                faults << QStringLiteral("%1: \"%2\" not in the report").arg(where, title);
        }
    }

    QString tableColumnHeader(QTableWidget *table, int column)
    {
        return itemText(table->horizontalHeaderItem(column));
    }

    static void languageRows()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : TextFitLanguages::all())
            QTest::newRow(qPrintable(language)) << language;
    }

    void verifyNoFaults(const QString &language, const QString &text)
    {
        if (!faults.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1:\n  %2\nreport:\n%3").arg(language, faults.join(QStringLiteral("\n  ")), text)));
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(dir.isValid());
        rig.reset(new FormRig(0));
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = false;
            r.resultsValid = 1;
        });
        rig->storeSettings(PortA, TestInterfaceSettings, recordBytes(portSettings(0x32)));
        rig->storeSettings(PortB, TestInterfaceSettings, recordBytes(portSettings(0x33)));
        rig->storeSettings(PortA, TestTraffic, recordBytes(trafficSettings()));
        storeTrafficResults(StatusStop);
        rig->storeSettings(PortA, TestAsymTraffic, recordBytes(asymSettings()));
        rig->storeResults(PortA, TestAsymTraffic, recordBytes(asymResults()));
        rig->storeResults(PortA, TestStatistics, recordBytes(statsResults(1000)));
        rig->storeResults(PortB, TestStatistics, recordBytes(statsResults(7000)));
        rig->storeSettings(PortA, TestBert, recordBytes(bertSettings()));
        rig->storeResults(PortA, TestBert, recordBytes(bertResults()));
        rig->storeSettings(PortA, TestMultistream, recordBytes(multiSettings()));
        rig->storeResults(PortA, TestMultistream, recordBytes(multiResults()));
        rig->storeSettings(PortA, TestJitter, recordBytes(jitterSettings()));
        rig->storeResults(PortA, TestJitter, recordBytes(jitterResults()));
        QVERIFY(rig->connectDevice());
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        traffic = new TrafficForm(rig->device);
        asym = new AsymTrafficForm(rig->device);
        stats = new StatsForm(rig->device);
        interfaces = new IfsetForm(rig->device);
        bert = new BertForm(rig->device);
        multi = new MultiForm(rig->device);
        jitter = new JitterForm(rig->device);
        for (QWidget *w : {static_cast<QWidget *>(traffic), static_cast<QWidget *>(asym), static_cast<QWidget *>(stats),
                           static_cast<QWidget *>(interfaces), static_cast<QWidget *>(bert),
                           static_cast<QWidget *>(multi), static_cast<QWidget *>(jitter)}) {
            w->resize(1300, 700);
            w->show();
        }
    }

    void cleanupTestCase()
    {
        delete traffic;
        delete asym;
        delete stats;
        delete interfaces;
        delete bert;
        delete multi;
        delete jitter;
        rig.reset();
    }

    // Each test runs in the language of its data row, the windows re-texted
    // and filled again in it.
    void init()
    {
        faults.clear();
        languages.reset(new TextFitLanguages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")}));
        // The language is the data tag's last word.
        QVERIFY(languages->use(QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), -1)));
        refill();
    }

    void cleanup() { languages.reset(); }

    // The traffic form and its report: settings and results rows, the
    // frame-error rows ("Runts", "Jabber", "CRC" in every language), the
    // rate and times in one notation, the state in the form's words.
    void trafficFormAndReport()
    {
        QFETCH(QString, language);
        for (uint8_t status : {uint8_t(StatusStop), uint8_t(StatusError), uint8_t(StatusOk)}) {
            storeTrafficResults(status);
            refill();
            const QString text = trafficReport(status);
            QVERIFY(!text.isEmpty());
            const QString where = QStringLiteral("traffic, status %1").arg(status);
            compareLabels(traffic, {"label_13", "label_14", "label_15"}, text, where);
            if (status != StatusStop)
                continue;
            compareLabels(traffic, {"label_3", "label_10", "label", "label_11", "label_12", "label_2", "label_4"}, text,
                          where);
            auto *table = findWidget<QTableWidget>(traffic, "tRes");
            compareRows(table, QString(), text, where);
            compareTitles({tableColumnHeader(table, 0), tableColumnHeader(table, 1)}, text, where);
            verifyNoFaults(language, text);
        }
        verifyNoFaults(language, QString());
    }
    void trafficFormAndReport_data() { languageRows(); }

    // The asymmetric traffic form's flow statistics and the report's.
    void asymmetricFlowAndReport()
    {
        QFETCH(QString, language);
        const QString text = report(ReportFixture(TestAsymTraffic)
                                        .interfaceSettings(PortA, portSettings(0x32))
                                        .interfaceSettings(PortB, portSettings(0x33))
                                        .settings(asymSettings())
                                        .results(asymResults())
                                        .bytes(),
                                    QStringLiteral("asym"));
        QVERIFY(!text.isEmpty());
        for (const char *widget : {"outputStatsWidget", "inputStatsWidget"}) {
            QWidget *stats = findWidget<QWidget>(asym, widget);
            QVERIFY(stats);
            compareLabels(stats, {"label"}, text, QLatin1String(widget));
            compareRows(findWidget<QTableWidget>(stats, "tRes"), QString(), text, QLatin1String(widget));
        }
        verifyNoFaults(language, text);
    }
    void asymmetricFlowAndReport_data() { languageRows(); }

    // The statistics window and the statistics report: section titles, the
    // rows of every table (the window adds the port to a row's name, the
    // report heads each port's rows with it) and their values.
    void statisticsWindowAndReport()
    {
        QFETCH(QString, language);
        const QString text = report(ReportFixture(TestStatistics)
                                        .results(statsResults(1000), PortA)
                                        .results(statsResults(7000), PortB)
                                        .bytes(),
                                    QStringLiteral("statistics"));
        QVERIFY(!text.isEmpty());
        const QString portA = findWidget<QGroupBox>(stats, "gPortA")->title();
        const QString portB = findWidget<QGroupBox>(stats, "gPortB")->title();
        QStringList titles;
        for (QGroupBox *group : stats->findChildren<QGroupBox *>()) {
            const QString name = group->objectName();
            if (name != QLatin1String("groupBox") && name != QLatin1String("gPortA") && name != QLatin1String("gPortB"))
                titles << group->title();
        }
        QCOMPARE(titles.size(), 5);
        compareTitles(titles, text, QStringLiteral("statistics"));
        const QString rx = tableColumnHeader(findWidget<QTableWidget>(stats, "tCommon"), 0);
        const QString tx = tableColumnHeader(findWidget<QTableWidget>(stats, "tCommon"), 1);
        for (const QString &port : {portA, portB}) {
            if (!hasNamedRow(text, port, {rx, tx}))
                faults << QStringLiteral("statistics: port row \"%1\" %2 %3 not in the report").arg(port, rx, tx);
        }
        // Tables whose rows carry both ports, Port A's first.
        for (const char *name : {"tCommon", "tFrameTypes", "tSpeed", "tFrameErrors"}) {
            auto *table = findWidget<QTableWidget>(stats, name);
            const int half = table->rowCount() / 2;
            for (int row = 0; row < table->rowCount(); ++row)
                table->setRowHidden(row, false);
            QTableWidget portRows;
            for (int p = 0; p < 2; ++p) {
                portRows.setRowCount(half);
                portRows.setColumnCount(table->columnCount());
                for (int row = 0; row < half; ++row) {
                    portRows.setVerticalHeaderItem(row, new QTableWidgetItem(itemText(table->verticalHeaderItem(p * half + row))));
                    for (int column = 0; column < table->columnCount(); ++column)
                        portRows.setItem(row, column, new QTableWidgetItem(itemText(table->item(p * half + row, column))));
                }
                const QString suffix = QStringLiteral(" (%1)").arg(p == 0 ? portA : portB);
                compareRows(&portRows, suffix, text, QStringLiteral("statistics %1").arg(QLatin1String(name)));
            }
        }
        compareRows(findWidget<QTableWidget>(stats, "tFrameSizesA"), QString(), text, QStringLiteral("statistics"));
        compareRows(findWidget<QTableWidget>(stats, "tFrameSizesB"), QString(), text, QStringLiteral("statistics"));
        verifyNoFaults(language, text);
    }
    void statisticsWindowAndReport_data() { languageRows(); }

    // Port A's interface settings in the window and in a report's heading:
    // names, addresses, TPIDs in four digits and MPLS labels in five.
    void interfaceWindowAndReport()
    {
        QFETCH(QString, language);
        const QString text = trafficReport(StatusStop);
        QVERIFY(!text.isEmpty());
        IFaceForm *editor = nullptr;
        for (IFaceForm *e : interfaces->findChildren<IFaceForm *>()) {
            if (e->port() == PortA)
                editor = e;
        }
        QVERIFY(editor);
        const auto field = [&](const char *name) { return shown(findWidget<QWidget>(editor, name)); };
        const auto label = [&](const char *name) { return findWidget<QLabel>(editor, name)->text(); };
        const QList<QPair<QString, QString>> rows = {
            {label("labelMac"), field("lMAC")},        {label("labelIp"), field("lIP")},
            {label("labelMask"), field("lMask")},      {label("labelGate"), field("lGate")},
            {label("labelVlanCount"), field("sVLAN")}, {label("labelMplsCount"), field("sMPLS")},
        };
        for (const auto &row : rows) {
            if (!hasNamedRow(text, row.first, {row.second}))
                faults << QStringLiteral("interface: \"%1\" \"%2\" not in the report").arg(row.first, row.second);
        }
        // The tag and label tables, numbered from 0 in the report.
        for (int i = 0; i < 2; ++i) {
            const QByteArray n = QByteArray::number(i + 1);
            const QStringList tag = {field("lTPID" + n), field("sPCP" + n), field("sVID" + n)};
            const QStringList mpls = {field("lValue" + n), field("sQoS" + n), field("sTTL" + n)};
            if (!hasNamedRow(text, QString::number(i), tag))
                faults << QStringLiteral("interface: VLAN tag %1 not in the report").arg(tag.join(QLatin1Char(' ')));
            if (!hasNamedRow(text, QString::number(i), mpls))
                faults << QStringLiteral("interface: MPLS label %1 not in the report").arg(mpls.join(QLatin1Char(' ')));
        }
        const QString value = label("labelValue");
        if (!hasNamedRow(text, QStringLiteral("#"), {QStringLiteral("TPID")})
            || !hasNamedRow(text, QStringLiteral("#"), {value, QStringLiteral("QoS"), QStringLiteral("TTL")}))
            faults << QStringLiteral("interface: the tables' headers (%1) not in the report").arg(value);
        verifyNoFaults(language, text);
    }
    void interfaceWindowAndReport_data() { languageRows(); }

    // The BERT, multistream (each active stream in turn) and jitter forms
    // and their reports: every labelled field, the rows and column headers
    // of the result tables and the titles of the groups.
    void formAndReport()
    {
        QFETCH(QString, language);
        QFETCH(int, test);
        const FormComparison c = comparison(test);
        QVERIFY(!c.report.isEmpty());
        const QList<QLabel *> labels = fieldLabels(c.labelled);
        QCOMPARE(labels.size(), c.fields);
        const QList<int> pages = c.pages ? c.pageValues : QList<int>{0};
        for (int page : pages) {
            QString where = QString::fromLatin1(QTest::currentDataTag());
            if (c.pages) {
                c.pages->setValue(page);
                where += QStringLiteral(", page %1").arg(page);
            }
            compareFields(labels, c.report, where);
            for (QTableWidget *table : c.tables)
                compareTable(table, c.report, where);
            compareTitles(c.titles(), c.report, where);
        }
        verifyNoFaults(language, c.report);
    }
    void formAndReport_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("test");
        const QList<QPair<const char *, int>> forms = {
            {"BERT", TestBert}, {"multistream", TestMultistream}, {"jitter", TestJitter}};
        for (const auto &form : forms) {
            for (const QString &language : TextFitLanguages::all())
                QTest::addRow("%s %s", form.first, qPrintable(language)) << language << form.second;
        }
    }
};

QTEST_MAIN(TestSameNames)
#include "tst_samenames.moc"
