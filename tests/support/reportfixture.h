#pragma once

// Report files built in the test from the layout table and the records, the
// PDF writer run on them, and the rendered text read back with poppler's
// pdftotext (plain text in layout mode, or words with their boxes).

#include "pdfcreator.h"
#include "reportlayout.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVector>

#include <algorithm>
#include <cstring>

// A report file of a test id, as long as its layout, all zero but the test
// id: the tester's own layout (ReportImage) with records of their types.
class ReportFixture
{
public:
    explicit ReportFixture(test_id_t test)
        : m_image(test)
    {
    }

    // The whole header but the test id, which stays the fixture's.
    ReportFixture &header(const report_header_t &header)
    {
        m_image.header(header);
        return *this;
    }
    ReportFixture &interfaceSettings(port_t port, const eth_settings_t &settings)
    {
        Q_ASSERT(m_image.layout() && m_image.layout()->interfaceBlock);
        m_image.interfaceSettings(port, ReportImage::bytesOf(settings));
        return *this;
    }
    template <class T>
    ReportFixture &settings(const T &record)
    {
        Q_ASSERT(int(sizeof(T)) == testSettingsSize(m_image.layout()->test));
        m_image.settings(ReportImage::bytesOf(record));
        return *this;
    }
    template <class T>
    ReportFixture &results(const T &record, port_t port = PortA)
    {
        Q_ASSERT(int(sizeof(T)) == testResultsSize(m_image.layout()->test));
        m_image.results(ReportImage::bytesOf(record), port);
        return *this;
    }
    // The header's port and loop flag, keeping the rest.
    ReportFixture &topology(port_t port, bool looped)
    {
        report_header_t h = ReportFile(m_image.bytes()).header();
        h.port = uint8_t(port);
        h.loop = looped ? 1 : 0;
        m_image.header(h);
        return *this;
    }

    QByteArray bytes() const { return m_image.bytes(); }

private:
    ReportImage m_image;
};

// The tester a report is rendered for.
inline get_device_info_resp_t testerInfo(uint8_t deviceType = 8, uint16_t serial = 4321)
{
    get_device_info_resp_t info{};
    info.deviceType = deviceType;
    info.serialNumber = serial;
    return info;
}

inline QString runPoppler(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF in layout mode (columns kept apart by blanks); pages are
// separated by a form feed.
inline QString pdfText(const QString &pdf)
{
    return runPoppler({QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The title a PDF carries in its document information (what a viewer shows
// as the document's name); empty when it has none.
inline QString pdfDocumentTitle(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Title:")))
            return line.mid(int(qstrlen("Title:"))).trimmed();
    }
    return QString();
}

// One word on a page, its box in device units of the report (1200 dpi).
struct PdfWord
{
    int page;   // from 1
    QString text;
    double left;
    double right;
    double top;
    double bottom;
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    constexpr double UnitsPerPoint = PDFCreator::Resolution / 72.0;
    QList<PdfWord> words;
    const QString html = runPoppler({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        words << PdfWord{page, text, m.captured(1).toDouble() * UnitsPerPoint, m.captured(3).toDouble() * UnitsPerPoint,
                         m.captured(2).toDouble() * UnitsPerPoint, m.captured(4).toDouble() * UnitsPerPoint};
    }
    return words;
}

// The words of each line of each page, left to right (the cells of a table
// row are one line).
inline QList<QList<PdfWord>> pdfLines(const QList<PdfWord> &words)
{
    QMap<QPair<int, long>, QList<PdfWord>> lines;
    for (const PdfWord &w : words)
        lines[qMakePair(w.page, qRound64(w.top))] << w;
    QList<QList<PdfWord>> out;
    for (QList<PdfWord> line : lines) {
        std::sort(line.begin(), line.end(), [](const PdfWord &a, const PdfWord &b) { return a.left < b.left; });
        out << line;
    }
    return out;
}

// The first word of each place where the phrase's words follow one another
// on one line.
inline QList<PdfWord> findPhrase(const QList<PdfWord> &words, const QString &phrase)
{
    const QStringList parts = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<PdfWord> found;
    for (const QList<PdfWord> &line : pdfLines(words)) {
        for (int i = 0; i + parts.size() <= line.size(); ++i) {
            bool match = true;
            for (int k = 0; k < parts.size() && match; ++k)
                match = line.at(i + k).text == parts.at(k);
            if (match)
                found << line.at(i);
        }
    }
    return found;
}

// A table row as pdftotext lays it out: its cells in order on one line.
inline bool hasRow(const QString &text, const QStringList &cells)
{
    QStringList parts;
    for (const QString &cell : cells)
        parts << QRegularExpression::escape(cell);
    const QRegularExpression row(QStringLiteral("(^|\\s)") + parts.join(QStringLiteral("\\s+")) + QStringLiteral("(\\s|$)"),
                                 QRegularExpression::MultilineOption);
    return row.match(text).hasMatch();
}

using Rows = QList<QStringList>;

// The lines of a text that hold exactly these cells.
inline int linesWith(const QString &text, const QStringList &cells)
{
    int n = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        n += line.simplified() == cells.join(QLatin1Char(' '));
    return n;
}

inline int pdfPageCount(const QList<PdfWord> &words)
{
    int pages = 0;
    for (const PdfWord &w : words)
        pages = qMax(pages, w.page);
    return pages;
}

// Every page carries its number 500 units above the sheet's foot (8000
// right of the left margin on a page left by a break, 1000 from the right
// edge on the last page), and no other word reaches down to it. Empty when
// so, else what is wrong.
inline QString pageNumbersWrong(const QList<PdfWord> &words)
{
    constexpr int PageWidth = 9917;
    constexpr int PageHeight = 14033;
    constexpr int Left = PageWidth * 2 / 21;
    constexpr double NumberTop = PageHeight - 500 - 200;
    const int pages = pdfPageCount(words);
    QVector<int> numbers(pages + 1);
    for (const PdfWord &w : words) {
        if (w.bottom < NumberTop)
            continue;
        if (w.top < NumberTop)
            return QStringLiteral("\"%1\" on page %2 reaches the page number").arg(w.text).arg(w.page);
        const double left = w.page == pages ? PageWidth - 1000 : Left + 8000;
        if (w.text != QString::number(w.page) || qAbs(w.left - left) > 8)
            return QStringLiteral("\"%1\" at %2 at the foot of page %3").arg(w.text).arg(w.left).arg(w.page);
        ++numbers[w.page];
    }
    for (int page = 1; page <= pages; ++page) {
        if (numbers.at(page) != 1)
            return QStringLiteral("page %1 carries %2 numbers").arg(page).arg(numbers.at(page));
    }
    return QString();
}

// Renders a report through the real writer. With VYR_REPORT_PDFS set to a
// folder, a copy of each PDF written is kept there for a person to look at.
inline bool renderReport(const QByteArray &report, const QString &pdf, uint8_t deviceType = 8)
{
    PDFCreator creator;
    const get_device_info_resp_t info = testerInfo(deviceType);
    const bool written = creator.createReport(pdf, report, &info);
    const QString keep = qEnvironmentVariable("VYR_REPORT_PDFS");
    if (written && !keep.isEmpty() && QFile::exists(pdf)) {
        QString name = QStringLiteral("%1 %2.pdf").arg(QTest::currentTestFunction(), QTest::currentDataTag());
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.,-]+")), QStringLiteral("_"));
        QFile::remove(keep + QLatin1Char('/') + name);
        QFile::copy(pdf, keep + QLatin1Char('/') + name);
    }
    return written;
}

// The rows a report's text lacks and the absent ones it holds, one a line;
// empty when the text is as expected.
inline QString unexpectedRows(const QString &text, const Rows &rows, const Rows &absent = {})
{
    QString faults;
    for (const QStringList &row : rows) {
        if (!hasRow(text, row))
            faults += QStringLiteral("missing: ") + row.join(QLatin1Char('|')) + QLatin1Char('\n');
    }
    for (const QStringList &row : absent) {
        if (hasRow(text, row))
            faults += QStringLiteral("not expected: ") + row.join(QLatin1Char('|')) + QLatin1Char('\n');
    }
    return faults;
}

// Page p carries the number p at its foot and nothing else there; every
// other word ends above lowest (device units). Empty when all is well.
inline QString pageFaults(const QList<PdfWord> &words, double lowest)
{
    constexpr double Foot = 14033 - 800;   // the page number's line and below
    QString faults;
    const int pages = pdfPageCount(words);
    for (int p = 1; p <= pages; ++p) {
        QStringList numbers;
        for (const PdfWord &w : words) {
            if (w.page != p)
                continue;
            if (w.top > Foot)
                numbers << w.text;
            else if (w.bottom > lowest)
                faults += QStringLiteral("page %1: \"%2\" ends at %3\n").arg(p).arg(w.text).arg(w.bottom);
        }
        if (numbers != QStringList{QString::number(p)})
            faults += QStringLiteral("page %1 numbered \"%2\"\n").arg(p).arg(numbers.join(QLatin1Char(' ')));
    }
    return faults;
}

// The columns of a table of fixtures: the report bytes, the rows its text
// must hold and the rows it must not.
inline void addFixtureColumns()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("absent");
}

// Renders a fixture report through the real writer into pdf and says what
// is wrong (empty when nothing): rows its text lacks, absent rows it holds,
// a word in a page's foot or a page without its number; and the same
// report cut by one byte must be refused and leave no file.
inline QString fixtureFaults(const QByteArray &report, const QString &pdf, const Rows &rows, const Rows &absent)
{
    constexpr double Lowest = 14033 - 500 - 200;   // above the page number's row
    QFile::remove(pdf);
    if (!renderReport(report, pdf))
        return QStringLiteral("not rendered\n");
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        return QStringLiteral("pdftotext read nothing\n");
    const QString faults = unexpectedRows(text, rows, absent) + pageFaults(pdfWords(pdf), Lowest);
    if (!faults.isEmpty())
        return faults + text;
    QFile::remove(pdf);
    if (renderReport(report.left(report.size() - 1), pdf) || QFile::exists(pdf))
        return QStringLiteral("rendered though cut by one byte\n");
    return QString();
}
