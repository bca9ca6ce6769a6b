// Body of the optical test report (test id 13): per port, the SFP module's
// identification and, when it has them, its monitoring values.

#include "pdfcreator.h"

#include "sfpformat.h"
#include "sfprecords.h"
#include "textfunctions.h"

static_assert(sizeof(sfp_info_t) == testResultsSize(TestOptical), "SFP record in a report");

namespace {

constexpr int OpticalTableWidth = 4000;
const QColor NoModuleFill(255, 255, 255);

} // namespace

void PDFCreator::drawOpticalReport(int x, int &y, const ReportFile &report)
{
    // Port B's record is in every file; only a two-port tester has a module there.
    drawOpticalResults(x, y, report.results<sfp_info_t>(PortA), PortA);
    if (modelPortCount(m_device.deviceType) > 1)
        drawOpticalResults(x, y, report.results<sfp_info_t>(PortB), PortB);
}

void PDFCreator::drawOpticalResults(int x, int &y, const sfp_info_t &info, port_t port)
{
    const int savedWidth = m_tableWidth;
    m_tableWidth = OpticalTableWidth;
    const SfpInfoView v = sfpInfoView(info, {tr("nm"), tr("mW"), tr("dBm")});
    // Eleven rows: the title, six identification rows and the monitoring section.
    drawSectionTitle(x, y, tr("SFP module") + (port == PortA ? QStringLiteral(" A") : QStringLiteral(" B")), 11,
                     SectionFill);
    if (!v.present) {
        drawSectionTitle(x, y, tr("no SFP module"), 0, NoModuleFill);
    } else {
        drawTextRow(x, y, tr("Vendor"), v.vendor);
        drawTextRow(x, y, tr("Serial number"), v.serialNumber);
        drawTextRow(x, y, tr("Revision"), v.revision);
        drawTextRow(x, y, tr("Date"), v.date);
        drawTextRow(x, y, tr("Part number"), v.partNumber);
        drawTextRow(x, y, tr("Wavelength"), v.wavelength);
        if (v.ddm) {
            drawSectionTitle(x, y, tr("Monitoring (DDM)"), 0, SectionFill);
            const int third = m_tableWidth / 3;
            drawSizedColumnsRow(x, y, {tr("Temperature"), v.temperature}, {third, m_tableWidth - third});
            drawThreeColumnRow(x, y, tr("RX power"), v.rxPower, v.rxPowerDBm);
            drawThreeColumnRow(x, y, tr("TX power"), v.txPower, v.txPowerDBm);
        }
    }
    y += RowHeight;
    m_tableWidth = savedWidth;
}
