#include "pdfcreator.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

// The report pictures live in this library's resources; a static library's
// resource initialiser is dropped by the linker unless named.
static void initReportResources()
{
    Q_INIT_RESOURCE(reportimages);
}

namespace {

const QColor PenColour(31, 31, 31);
constexpr int CheckImageSize = 200;
constexpr int PageNumberOffset = 8000;   // page number of a page left by a break, from x
constexpr int LastPageNumberInset = 1000; // page number of the last page, from the right edge
constexpr int MaxBodyWriters = 5;

} // namespace

// How a report's first page ends.
enum class FirstPage {
    Shared,            // the body follows the heading on page 1
    NumberedBreak,     // page 1 holds the heading and is numbered 1; the body starts on page 2
    UnnumberedBreak,   // page 1 holds the heading unnumbered; page 2 is numbered 1
};

struct PDFCreator::Frame
{
    test_id_t test;
    const char *title;
    FirstPage firstPage;
    void (PDFCreator::*body[MaxBodyWriters])(int x, int &y, const ReportFile &report);
};

// One row per test id that has a writer; the layout of its file is in
// reportlayout.h.
const PDFCreator::Frame PDFCreator::Frames[] = {
    {TestStatistics, QT_TRANSLATE_NOOP("PDFCreator", "Statistics report"), FirstPage::Shared,
     {&PDFCreator::drawStatisticsResults}},
    {TestTraffic, QT_TRANSLATE_NOOP("PDFCreator", "Traffic test report"), FirstPage::Shared,
     {&PDFCreator::drawTrafficSettings, &PDFCreator::drawTrafficResults}},
    {TestRfc2544, QT_TRANSLATE_NOOP("PDFCreator", "RFC 2544 test report"), FirstPage::NumberedBreak,
     {&PDFCreator::drawRfcCommonSettings, &PDFCreator::drawRfcThroughput, &PDFCreator::drawRfcLatency,
      &PDFCreator::drawRfcBackToBack, &PDFCreator::drawRfcFrameLoss}},
    {TestY1564, QT_TRANSLATE_NOOP("PDFCreator", "Y1564 test report"), FirstPage::Shared,
     {&PDFCreator::drawY1564Settings, &PDFCreator::drawY1564Results}},
    {TestJitter, QT_TRANSLATE_NOOP("PDFCreator", "Jitter test report"), FirstPage::Shared,
     {&PDFCreator::drawJitterSettings, &PDFCreator::drawJitterResults}},
    {TestCable, QT_TRANSLATE_NOOP("PDFCreator", "Cable test report"), FirstPage::Shared,
     {&PDFCreator::drawCableResults}},
    {TestOptical, QT_TRANSLATE_NOOP("PDFCreator", "Optical test report"), FirstPage::UnnumberedBreak,
     {&PDFCreator::drawOpticalReport}},
    {TestMdi, QT_TRANSLATE_NOOP("PDFCreator", "MDI test report"), FirstPage::Shared,
     {&PDFCreator::drawMdiSettings, &PDFCreator::drawMdiResults}},
    {TestBert, QT_TRANSLATE_NOOP("PDFCreator", "BERT report"), FirstPage::Shared,
     {&PDFCreator::drawBertSettings, &PDFCreator::drawBertResults}},
    {TestMultistream, QT_TRANSLATE_NOOP("PDFCreator", "Multistream test report"), FirstPage::Shared,
     {&PDFCreator::drawMultistreamSettings, &PDFCreator::drawMultistreamResults}},
    {TestAsymTraffic, QT_TRANSLATE_NOOP("PDFCreator", "Asymmetric traffic test report"), FirstPage::Shared,
     {&PDFCreator::drawAsymTrafficSettings, &PDFCreator::drawAsymTrafficResults}},
    {TestPing, QT_TRANSLATE_NOOP("PDFCreator", "Ping test report"), FirstPage::Shared,
     {&PDFCreator::drawPingSettings, &PDFCreator::drawPingResults}},
    {TestTraceRoute, QT_TRANSLATE_NOOP("PDFCreator", "Trace test report"), FirstPage::Shared,
     {&PDFCreator::drawTraceSettings, &PDFCreator::drawTraceResults}},
    {TestDns, QT_TRANSLATE_NOOP("PDFCreator", "DNS test report"), FirstPage::Shared,
     {&PDFCreator::drawDnsSettingsAndResults}},
    {TestIpScanner, QT_TRANSLATE_NOOP("PDFCreator", "IP scanner test report"), FirstPage::NumberedBreak,
     {&PDFCreator::drawIpScannerSettings, &PDFCreator::drawIpScannerResults}},
    {TestPtp, QT_TRANSLATE_NOOP("PDFCreator", "PTP test report"), FirstPage::Shared,
     {&PDFCreator::drawPtpSettings, &PDFCreator::drawPtpResults}},
    {TestSync, QT_TRANSLATE_NOOP("PDFCreator", "Synchronization report"), FirstPage::Shared,
     {&PDFCreator::drawSyncSettings, &PDFCreator::drawSyncResults}},
};

PDFCreator::PDFCreator(QObject *parent)
    : QObject(parent)
{
    initReportResources();
    const QSize size(CheckImageSize, CheckImageSize);
    m_checkImage = QImage(QStringLiteral(":check.png")).scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation);
    m_uncheckImage = QImage(QStringLiteral(":uncheck.png")).scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation);
}

PDFCreator::~PDFCreator() = default;

const PDFCreator::Frame *PDFCreator::frameFor(unsigned testId)
{
    for (const Frame &frame : Frames) {
        if (frame.test == testId)
            return &frame;
    }
    return nullptr;
}

bool PDFCreator::hasWriter(unsigned testId)
{
    return frameFor(testId) != nullptr;
}

QString PDFCreator::reportTitle(unsigned testId)
{
    const Frame *frame = frameFor(testId);
    return frame ? tr(frame->title) : QString();
}

bool PDFCreator::breaksPage(int y, int keepRows, int pageHeight)
{
    return keepRows >= 1 && keepRows * RowHeight + y > pageHeight * 28 / 30;
}

QString PDFCreator::portName(unsigned port)
{
    switch (port) {
    case PortA: return tr("(Port A)");
    case PortB: return tr("(Port B)");
    case PortRC: return tr("(Remote control port)");
    default: return QStringLiteral("Invalid port %1").arg(port);
    }
}

PDFCreator::Outcome PDFCreator::render(const QString &pdfFileName, const QByteArray &report,
                                       const get_device_info_resp_t *info)
{
    const ReportFile file(report);
    // Byte 0 naming a test without a report is a report with nothing to
    // draw; one naming no test at all is a file of a format not known here.
    // An empty file has no byte 0: it is damaged, not a report of test 0.
    if (!report.isEmpty() && !file.layout() && file.testId() < unsigned(TestIdCount))
        return Outcome::NoReport;
    const Frame *frame = frameFor(file.testId());
    if (!frame || !file.readable()) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "report of test" << file.testId() << "("
                 << report.size() << "bytes, port" << file.header().port << ")"
                 << (file.layout() ? (frame ? "does not match its layout" : "has no writer") : "names no test")
                 << "; not written:" << pdfFileName;
        return Outcome::Unreadable;
    }
    m_device = info ? *info : get_device_info_resp_t{};
    const QString title = reportTitle(file.testId());
    if (!beginDocument(pdfFileName, title))
        return Outcome::WriteFailed;

    const int x = pageWidth() * 2 / 21;
    int y = pageHeight() / 15;
    drawReportHeader(x, y, title, file);
    m_pageNumber = 1;
    switch (frame->firstPage) {
    case FirstPage::Shared:
        y += RowHeight;
        break;
    case FirstPage::NumberedBreak:
        breakPage(y);
        break;
    case FirstPage::UnnumberedBreak:
        newPage();
        y = pageHeight() / 15;
        break;
    }
    for (auto writer : frame->body) {
        if (writer)
            (this->*writer)(x, y, file);
    }
    return endDocument() ? Outcome::Written : Outcome::WriteFailed;
}

bool PDFCreator::createReport(const QString &pdfFileName, const QByteArray &report,
                              const get_device_info_resp_t *info)
{
    return succeeded(render(pdfFileName, report, info));
}

bool PDFCreator::succeeded(Outcome outcome)
{
    return outcome == Outcome::Written || outcome == Outcome::NoReport;
}

// ---- document --------------------------------------------------------------

bool PDFCreator::beginDocument(const QString &pdfFileName, const QString &title)
{
    // Written beside the target and renamed over it only when complete: a
    // report that fails half-way leaves no file, and an older one stays.
    m_file.reset(new QSaveFile(pdfFileName));
    if (!m_file->open(QIODevice::WriteOnly)) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "cannot create" << pdfFileName << m_file->errorString();
        m_file.reset();
        return false;
    }
    m_writer.reset(new QPdfWriter(m_file.get()));
    // A viewer lists and titles the document by the report it is.
    m_writer->setTitle(title);
    m_writer->setResolution(Resolution);
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_painter.reset(new QPainter);
    if (!m_painter->begin(m_writer.get())) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "cannot paint on" << pdfFileName;
        m_painter.reset();
        m_writer.reset();
        m_file.reset();   // not committed: removed
        return false;
    }
    m_painter->setPen(QPen(PenColour));
    m_painter->setFont(QFont(QStringLiteral("Arial"), 11));
    m_tableWidth = DefaultTableWidth;
    m_pageNumber = 1;
    return true;
}

bool PDFCreator::endDocument()
{
    m_painter->drawText(pageWidth() - LastPageNumberInset, pageHeight() - PageNumberRise,
                        QString::number(m_pageNumber++));
    bool finished = m_painter->end();
    m_painter.reset();
    m_writer.reset();
    // QSaveFile::commit() does not see a failed flush of its own buffer
    // (a full disk): flush first and look.
    finished = finished && m_file->flush() && m_file->error() == QFileDevice::NoError;
    if (!finished)
        m_file->cancelWriting();
    finished = m_file->commit() && finished;
    if (!finished)
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "cannot finish" << m_file->fileName()
                 << m_file->errorString();
    m_file.reset();
    m_tableWidth = DefaultTableWidth;
    return finished;
}

void PDFCreator::newPage()
{
    m_writer->newPage();
}

void PDFCreator::breakPage(int &y)
{
    // From the left margin whichever column broke the page, so that the
    // number stays on the sheet.
    const int x = pageWidth() * 2 / 21;
    m_painter->drawText(x + PageNumberOffset, pageHeight() - PageNumberRise, QString::number(m_pageNumber++));
    newPage();
    y = pageHeight() / 15;
}

int PDFCreator::pageWidth() const
{
    return m_painter->viewport().width();
}

int PDFCreator::pageHeight() const
{
    return m_painter->viewport().height();
}

// ---- rows --------------------------------------------------------------------

void PDFCreator::drawSectionTitle(int x, int &y, const QString &title, int keepRows, const QColor &fill)
{
    if (breaksPage(y, keepRows, pageHeight()))
        breakPage(y);
    const QRect box(x, y, m_tableWidth, RowHeight);
    m_painter->fillRect(box, fill);
    m_painter->drawRect(box);
    drawCellText(x, m_tableWidth, y, title);
    y += RowHeight;
}

int PDFCreator::drawBlock(int x, int &y, const QString &title, int keepRows, const QColor &fill,
                          const std::function<void(int x, int &y)> &rows)
{
    drawSectionTitle(x, y, title, keepRows, fill);
    const int top = y - RowHeight;
    rows(x, y);
    return top;
}

void PDFCreator::drawCellText(int left, int width, int top, const QString &text)
{
    // A text wider than its cell (a long translation, a 20-digit counter) is
    // drawn smaller rather than across the next cell.
    const QFont font = m_painter->font();
    m_painter->setFont(fontToFit(font, text, width - 2 * TextInset));
    m_painter->drawText(left + TextInset, top + TextBaseline, text);
    m_painter->setFont(font);
}

QFont PDFCreator::fontToFit(const QFont &font, const QString &text, qreal room) const
{
    qreal advance = QFontMetricsF(font, m_writer.get()).horizontalAdvance(text);
    if (advance <= room || room <= 0)
        return font;
    QFont smaller = font;
    for (int step = 0; step < 20 && advance > room; ++step) {
        smaller.setPointSizeF(smaller.pointSizeF() * room / advance * 0.99);
        advance = QFontMetricsF(smaller, m_writer.get()).horizontalAdvance(text);
    }
    return smaller;
}

void PDFCreator::drawCells(int &y, const QList<Cell> &cells, bool greyed)
{
    if (cells.isEmpty())
        return;
    if (greyed) {
        const Cell &first = cells.first();
        m_painter->fillRect(QRect(first.left, y, m_tableWidth, RowHeight), GreyFill);
    }
    for (int i = 0; i < cells.size(); ++i) {
        const Cell &cell = cells.at(i);
        const QRect box(cell.left, y, cell.width, RowHeight);
        if (i == 0)
            m_painter->fillRect(box, GreyFill);
        m_painter->drawRect(box);
        if (cell.image)
            m_painter->drawImage(cell.left + 1, y - 1, *cell.image);
        else
            drawCellText(cell.left, cell.width, y, cell.text);
    }
    y += RowHeight;
}

void PDFCreator::drawTextRow(int x, int &y, const QString &label, const QString &value, bool greyed)
{
    const int half = m_tableWidth / 2;
    drawCells(y, {{x, half, label, nullptr}, {x + half, half, value, nullptr}}, greyed);
}

void PDFCreator::drawRatioTextRow(int x, int &y, const QString &label, const QString &value, float ratio)
{
    const int l = int(m_tableWidth * ratio);
    drawCells(y, {{x, l, label, nullptr}, {x + l, m_tableWidth - l, value, nullptr}});
}

void PDFCreator::drawCheckRow(int x, int &y, const QString &label, bool flag)
{
    const int half = m_tableWidth / 2;
    drawCells(y, {{x, half, label, nullptr}, {x + half, half, QString(), flag ? &m_checkImage : &m_uncheckImage}});
}

void PDFCreator::drawRatioCheckRow(int x, int &y, const QString &label, bool flag, float ratio)
{
    const int l = int(m_tableWidth * ratio);
    drawCells(y, {{x, l, label, nullptr},
                  {x + l, m_tableWidth - l, QString(), flag ? &m_checkImage : &m_uncheckImage}});
}

void PDFCreator::drawThreeColumnRow(int x, int &y, const QString &a, const QString &b, const QString &c)
{
    drawColumnsRow(x, y, {a, b, c});
}

void PDFCreator::drawFourColumnRow(int x, int &y, const QString &a, const QString &b, const QString &c,
                                   const QString &d)
{
    drawColumnsRow(x, y, {a, b, c, d});
}

void PDFCreator::drawColumnsRow(int x, int &y, const QStringList &texts)
{
    const int n = texts.size();
    QList<Cell> cells;
    for (int i = 0; i < n; ++i)
        cells.append({x + i * m_tableWidth / n, m_tableWidth / n, texts.at(i), nullptr});
    drawCells(y, cells);
}

void PDFCreator::drawSizedColumnsRow(int x, int &y, const QStringList &texts, const QList<int> &widths)
{
    QList<Cell> cells;
    int left = x;
    for (int i = 0; i < texts.size() && i < widths.size(); ++i) {
        cells.append({left, widths.at(i), texts.at(i), nullptr});
        left += widths.at(i);
    }
    drawCells(y, cells);
}
