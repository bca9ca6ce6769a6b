// Body of the traffic test report (test id 2): the settings with their frame
// header, then the results with a coefficient per error count.

#include "pdfcreator.h"

#include "devicetexts.h"
#include "reportformat.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "trafficrecords.h"

static_assert(sizeof(traffic_settings_t) == testSettingsSize(TestTraffic), "traffic settings in a report");
static_assert(sizeof(traffic_results_t) == testResultsSize(TestTraffic), "traffic results in a report");

void PDFCreator::drawTrafficSettings(int x, int &y, const ReportFile &report)
{
    const traffic_settings_t s = report.settings<traffic_settings_t>();
    drawSettingsWithHeader(x, y, report, 22, s.header);
    drawTextRow(x, y, tr("Rate units"), reportUnitText(s.rateUnit));
    drawTextRow(x, y, tr("Rate"), QString::number(s.rate));
    drawTextRow(x, y, tr("Threshold FLR"), QString::number(double(s.flrThreshold), 'f', 5));
    drawTextRow(x, y, tr("Packet length, B"), QString::number(s.packetLength));
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawTextRow(x, y, tr("Learning int., ms"), QString::number(s.learningInterval));
    drawTextRow(x, y, tr("Wait interval, ms"), QString::number(s.waitInterval));
    y += RowHeight;
}

void PDFCreator::drawTrafficResults(int x, int &y, const ReportFile &report)
{
    const traffic_results_t r = report.results<traffic_results_t>();
    drawSectionTitle(x, y, tr("Results"), 17, SectionFill);
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.estimatedTime, elapsed, remaining);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(elapsed));
    drawTextRow(x, y, tr("Remaining time"), secondsToString(remaining));
    drawTextRow(x, y, tr("Status"), trafficStatusText(r.status));

    const uint32_t tx = r.txFrames;
    // More frames received than sent (duplicates, a loop) is no loss.
    const uint32_t lost = r.rxFrames > tx ? 0u : tx - r.rxFrames;
    const uint64_t errors = uint64_t(r.runts) + r.jabber + r.crcErrors;
    auto row = [&](const QString &label, const QString &count, const QString &coefficient) {
        drawThreeColumnRow(x, y, label, count, coefficient);
    };
    // Rows named as on the form; "Runts", "Jabber" and "CRC" in every
    // language.
    row(QString(), tr("Count"), tr("Ratio"));
    row(tr("Tx frames"), QString::number(tx), QString());
    row(tr("Rx frames"), QString::number(r.rxFrames), QString());
    row(tr("Tx bytes"), QString::number(quint64(r.txBytes)), QString());
    row(tr("Vrt"), rateToString(r.rate), QString());
    row(tr("PDV"), nanosecondsToString(float(r.pdv)), QString());
    row(tr("Latency"), nanosecondsToString(float(r.latency)), QString());
    row(tr("Lost frames"), QString::number(lost), trafficCoefficient(lost, tx));
    row(QStringLiteral("Runts"), QString::number(r.runts), trafficCoefficient(r.runts, tx));
    row(QStringLiteral("Jabber"), QString::number(r.jabber), trafficCoefficient(r.jabber, tx));
    row(QStringLiteral("CRC"), QString::number(r.crcErrors), trafficCoefficient(r.crcErrors, tx));
    row(tr("Error frames"), QString::number(quint64(errors)), trafficCoefficient(errors, tx));
    row(tr("Pause"), QString::number(r.pause), QString());
    y += RowHeight;
}
