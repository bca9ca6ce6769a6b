#include "pdfcreator.h"

#include <QDebug>

PDFCreator::PDFCreator(QObject *parent)
    : QObject(parent)
{
}

bool PDFCreator::hasWriter(unsigned testId)
{
    switch (testId) {
    case TestStatistics:
    case TestTraffic:
    case TestRfc2544:
    case TestY1564:
    case TestMultistream:
    case TestJitter:
    case TestPtp:
    case TestPing:
    case TestTraceRoute:
    case TestDns:
    case TestIpScanner:
    case TestCable:
    case TestOptical:
    case TestMdi:
    case TestAsymTraffic:
    case TestSync:
    case TestBert:
        return true;
    default:
        return false;
    }
}

PDFCreator::Outcome PDFCreator::render(const QString &pdfFileName, const QByteArray &report,
                                       const get_device_info_resp_t *info)
{
    Q_UNUSED(info)
    const unsigned testId = report.isEmpty() ? 0u : uchar(report.at(0));
    if (!hasWriter(testId))
        return Outcome::NoReport;
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "no writer built for test" << testId
             << "; not written:" << pdfFileName;
    return Outcome::Failed;
}

bool PDFCreator::createReport(const QString &pdfFileName, const QByteArray &report,
                              const get_device_info_resp_t *info)
{
    return render(pdfFileName, report, info) != Outcome::Failed;
}
