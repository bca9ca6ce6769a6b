// One name for one counter or value, wherever it is shown: a row of the
// traffic form, of the asymmetric traffic form's flow statistics, of the
// statistics window and a field of the interface settings window reads in
// the PDF report of the same records with the same name and the same value,
// in Russian, English and German. The windows are filled from the simulated
// tester; the reports are rendered from those records through the real
// writer and read back with pdftotext.

#include "formrig.h"
#include "formtexts.h"
#include "../support/reportfixture.h"
#include "../support/widgetlookup.h"

#include "asymrecords.h"
#include "asymtrafficform.h"
#include "ifaceform.h"
#include "ifsetform.h"
#include "statsform.h"
#include "statsrecords.h"
#include "trafficform.h"
#include "trafficrecords.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

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
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    // Labelled fields: the label's text and the field's value make a row.
    void compareLabels(QWidget *form, const QStringList &labels, const QString &text, const QString &where)
    {
        for (const QString &name : labels) {
            auto *label = findWidget<QLabel>(form, qPrintable(name));
            if (!label || !label->buddy()) {
                faults << QStringLiteral("%1: label %2 without its field").arg(where, name);
                continue;
            }
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
        QVERIFY(rig->connectDevice());
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        traffic = new TrafficForm(rig->device);
        asym = new AsymTrafficForm(rig->device);
        stats = new StatsForm(rig->device);
        interfaces = new IfsetForm(rig->device);
        for (QWidget *w : {static_cast<QWidget *>(traffic), static_cast<QWidget *>(asym), static_cast<QWidget *>(stats),
                           static_cast<QWidget *>(interfaces)}) {
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
        rig.reset();
    }

    // Each test runs in the language of its data row, the windows re-texted
    // and filled again in it.
    void init()
    {
        faults.clear();
        languages.reset(new TextFitLanguages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")}));
        QVERIFY(languages->use(QString::fromLatin1(QTest::currentDataTag())));
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
};

QTEST_MAIN(TestSameNames)
#include "tst_samenames.moc"
