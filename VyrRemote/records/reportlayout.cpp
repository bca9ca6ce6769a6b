#include "reportlayout.h"

ReportFile::ReportFile(const QByteArray &bytes)
    : m_bytes(bytes)
    , m_layout(reportLayout(testId()))
{
}

bool ReportFile::readable() const
{
    if (!m_layout || m_bytes.size() < m_layout->end)
        return false;
    // Only the reports with an interface block use the header's port: it
    // picks the interface column and the topology letters.
    return !m_layout->interfaceBlock || header().port <= PortB;
}
