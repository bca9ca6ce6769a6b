// The heading every report opens with, and the sections several report
// bodies share.

#include "pdfcreator.h"

#include "deviceidentity.h"
#include "headersettings.h"
#include "interfaceformat.h"
#include "reportformat.h"
#include "textfunctions.h"

#include <QPainter>

namespace {

constexpr int TitlePointSize = 16;
constexpr int TitleRise = 30;                // title baseline above the first row
constexpr int DeviceTableWidth = 6000;
constexpr int InterfaceColumnWidth = 4000;
constexpr int InterfaceColumnGap = 100;

QString number(qulonglong value)
{
    return QString::number(value);
}

QString portLetter(port_t port)
{
    return port == PortB ? QStringLiteral("B") : QStringLiteral("A");
}

} // namespace

void PDFCreator::drawReportHeader(int x, int &y, const QString &title, const ReportFile &report)
{
    QFont font = m_painter->font();
    const int pointSize = font.pointSize();
    font.setPointSize(TitlePointSize);
    m_painter->setFont(font);
    m_painter->drawText(x, y - TitleRise, title);
    y += RowHeight;
    font.setPointSize(pointSize);
    m_painter->setFont(font);

    m_tableWidth = DeviceTableWidth;
    drawSectionTitle(x, y, tr("Device information"), 5, SectionFill);
    drawTextRow(x, y, tr("Manufactured by"), manufacturerName(m_device.deviceType));
    drawTextRow(x, y, tr("Device"), deviceModelName(m_device.deviceType));
    drawTextRow(x, y, tr("Serial number"), number(m_device.serialNumber));
    y += RowHeight;

    if (report.layout() && report.layout()->interfaceBlock) {
        // One column for the port the test ran on when it looped, else Port A
        // and, on a two-port tester, Port B beside it at the same height.
        m_tableWidth = InterfaceColumnWidth;
        const int top = y;
        const port_t first = report.looped() ? report.port() : PortA;
        drawInterfaceSettings(x, y, report, first);
        drawInterfaceStatus(x, y, report, first);
        if (!report.looped() && modelPortCount(m_device.deviceType) >= 2) {
            y = top;
            const int second = x + m_tableWidth + InterfaceColumnGap;
            drawInterfaceSettings(second, y, report, PortB);
            drawInterfaceStatus(second, y, report, PortB);
        }
    }
    m_tableWidth = DefaultTableWidth;
}

void PDFCreator::drawInterfaceSettings(int x, int &y, const ReportFile &report, port_t port)
{
    const eth_settings_t eth = report.interfaceSettings(port);
    drawSectionTitle(x, y, tr("Interface settings") + QLatin1Char(' ') + portName(port), 0, SectionFill);
    // Names and values read as in the interface settings window: TPIDs in
    // four hexadecimal digits, MPLS labels in five.
    drawCheckRow(x, y, QStringLiteral("10"), eth.linkModes & LinkModes10);
    drawCheckRow(x, y, QStringLiteral("100"), eth.linkModes & LinkModes100);
    drawCheckRow(x, y, QStringLiteral("1000"), eth.linkModes & LinkModes1000);
    drawTextRow(x, y, tr("MAC address"), macToString(eth.mac));
    drawCheckRow(x, y, QStringLiteral("DHCP"), eth.dhcp);
    // With DHCP on the port used the addresses it obtained, kept in the header.
    const port_addresses_t dhcp = report.header().dhcp[port == PortB ? 1 : 0];
    drawTextRow(x, y, tr("IP address"), ipToString(eth.dhcp ? dhcp.ip : eth.ip));
    drawTextRow(x, y, tr("Subnet mask"), ipToString(eth.dhcp ? dhcp.mask : eth.mask));
    drawTextRow(x, y, tr("Gateway"), ipToString(eth.dhcp ? dhcp.gateway : eth.gateway));
    y += RowHeight;

    drawTextRow(x, y, tr("VLAN tags"), number(eth.vlanCount));
    drawFourColumnRow(x, y, QStringLiteral("#"), QStringLiteral("TPID"), QStringLiteral("PCP"), QStringLiteral("VID"));
    // Always every row the record holds, whatever the count.
    for (int i = 0; i < MaxVlanTags; ++i) {
        const uint16_t tag = eth.tagControl[i];
        drawFourColumnRow(x, y, number(i), tpidText(eth.tpid[i]), number(tagPcp(tag)), number(tagVid(tag)));
    }
    y += RowHeight;

    drawTextRow(x, y, tr("MPLS labels"), number(eth.mplsCount));
    drawFourColumnRow(x, y, QStringLiteral("#"), tr("Value"), QStringLiteral("QoS"), QStringLiteral("TTL"));
    for (int i = 0; i < MaxMplsEntries; ++i) {
        const uint32_t entry = eth.mpls[i];
        drawFourColumnRow(x, y, number(i), mplsLabelText(mplsLabel(entry)), number(mplsTrafficClass(entry)),
                          number(mplsTtl(entry)));
    }
    y += RowHeight;
}

void PDFCreator::drawInterfaceStatus(int x, int &y, const ReportFile &report, port_t port)
{
    const InterfaceStatusTexts texts = interfaceStatusTexts(report.header().link[port == PortB ? 1 : 0]);
    drawSectionTitle(x, y, tr("Interface status") + QLatin1Char(' ') + portName(port), 0, SectionFill);
    drawTextRow(x, y, tr("Speed"), texts.speed);
    drawTextRow(x, y, tr("Type"), texts.type);
    drawTextRow(x, y, tr("Duplex"), texts.duplex);
    y += RowHeight;
}

void PDFCreator::drawHeaderSettings(int x, int &y, const header_settings_t &header, bool showMac)
{
    // Always the same height (rows that do not apply are left blank), so that
    // sections drawn side by side stay level.
    const QString level = tr("Header level") + QLatin1Char(' ');
    drawSectionTitle(x, y, level + QLatin1Char('2'), 13, GreyFill);
    drawCheckRow(x, y, tr("ARP enable"), header.arp);
    if (showMac)
        drawTextRow(x, y, tr("MAC destination"), header.arp ? QString() : macToString(header.macDest));
    drawCheckRow(x, y, level + QLatin1Char('3'), header.level3);
    if (!header.level3) {
        y += 10 * RowHeight;
        return;
    }
    drawTextRow(x, y, tr("IP destination"), ipToString(header.ipDest));
    drawCheckRow(x, y, QStringLiteral("ToS/Precedence"), header.qosMode == QosTos);
    drawTextRow(x, y, QStringLiteral("ToS"), tosToBinaryText((header.tos >> TosBitsShift) & TosBitsMask));
    drawTextRow(x, y, QStringLiteral("Precedence"), number(header.tos >> TosPrecedenceShift));
    drawCheckRow(x, y, QStringLiteral("DSCP"), header.qosMode == QosDscp);
    drawTextRow(x, y, QString(), dscpReportName(header.dscp >> DscpShift));
    drawTextRow(x, y, QStringLiteral("TTL"), number(header.ttl));
    drawCheckRow(x, y, level + QLatin1Char('4'), header.level4);
    if (!header.level4) {
        y += 2 * RowHeight;
        return;
    }
    drawTextRow(x, y, tr("UDP source"), number(header.udpSrc));
    drawTextRow(x, y, tr("UDP destination"), number(header.udpDst));
}

void PDFCreator::drawSettingsWithHeader(int x, int &y, const ReportFile &report, int keepRows,
                                        const header_settings_t &header)
{
    drawSectionTitle(x, y, tr("Settings"), keepRows, SectionFill);
    drawTopology(x, y, report);
    drawHeaderSettings(x, y, header, true);
    drawSectionTitle(x, y, tr("Advanced"), 0, GreyFill);
}

void PDFCreator::drawTopology(int x, int &y, const ReportFile &report)
{
    const port_t port = report.port();
    const port_t to = report.looped() ? port : (port == PortA ? PortB : PortA);
    drawTextRow(x, y, tr("Topology"), QStringLiteral("%1 >> %2").arg(portLetter(port), portLetter(to)));
}

void PDFCreator::drawPort(int x, int &y, const ReportFile &report)
{
    drawTextRow(x, y, tr("Port"), portLetter(report.port()));
}
