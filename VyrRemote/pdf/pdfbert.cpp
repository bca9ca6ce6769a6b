// Body of the bit error rate test report (test id 19): the settings, then
// the counts of received and errored bits and of synchronisation losses.

#include "pdfcreator.h"

#include "bertformat.h"
#include "bertrecords.h"
#include "reportformat.h"
#include "textfunctions.h"

static_assert(sizeof(bert_settings_t) == testSettingsSize(TestBert), "BERT settings in a report");
static_assert(sizeof(bert_results_t) == testResultsSize(TestBert), "BERT results in a report");

void PDFCreator::drawBertSettings(int x, int &y, const ReportFile &report)
{
    const bert_settings_t s = report.settings<bert_settings_t>();
    static const char *const patterns[] = {"CRTP", "2e11-1", "2e15-1", "2e20-1", "2e23-1", "2e29-1", "2e31-1"};
    const bool predefined = s.pattern >= BertPatternCrtp && s.pattern <= BertPattern2e31;
    drawSectionTitle(x, y, tr("Test settings"), 9, SectionFill);
    drawTopology(x, y, report);
    drawTextRow(x, y, tr("Pattern type"), predefined ? QLatin1String(patterns[s.pattern - 1]) : tr("User"));
    // The user's word applies only to pattern 0; greyed for any other code.
    drawTextRow(x, y, tr("User pattern"), QStringLiteral("%1").arg(s.userPattern, 8, 16, QLatin1Char('0')),
                s.pattern != BertPatternUser);
    drawTextRow(x, y, tr("Frame size"), QString::number(s.frameSize));
    drawTextRow(x, y, tr("Rate units"), reportUnitText(s.rateUnit));
    drawTextRow(x, y, tr("Rate"), QString::number(s.rate));
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawTextRow(x, y, tr("Offset, bytes"), QString::number(s.patternOffset));
    drawTextRow(x, y, tr("Sync wait, ms"), QString::number(s.syncWait));
    y += RowHeight;
}

void PDFCreator::drawBertResults(int x, int &y, const ReportFile &report)
{
    const bert_settings_t s = report.settings<bert_settings_t>();
    const bert_results_t r = report.results<bert_results_t>();
    const double ber = r.bits ? double(r.errorBits) / double(r.bits) : 0.0;
    drawSectionTitle(x, y, tr("Measuring"), 10, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(r.elapsed));
    drawTextRow(x, y, tr("Remaining time"), secondsToString(s.duration > r.elapsed ? s.duration - r.elapsed : 0));
    drawTextRow(x, y, tr("Rx bits"), QString::number(quint64(r.bits)));
    drawTextRow(x, y, QStringLiteral("Rx Ebit"), QString::number(quint64(r.errorBits)));
    drawTextRow(x, y, QStringLiteral("BER"), QString::number(ber, 'e', 5));
    drawTextRow(x, y, QStringLiteral("LSS"), QString::number(r.lss));
    drawTextRow(x, y, QStringLiteral("LOS"), QString::number(r.los));
    // Events per elapsed second, as the form shows them.
    drawTextRow(x, y, QStringLiteral("LSS, %"), bertEventRate(r.lss, r.elapsed));
    drawTextRow(x, y, QStringLiteral("LOS, %"), bertEventRate(r.los, r.elapsed));
    y += RowHeight;
}
