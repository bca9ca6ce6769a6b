#pragma once

#include "records.h"
#include "reportlayout.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

struct cable_results_t;
struct flow_settings_t;
struct flow_stats_t;
struct header_settings_t;
struct multi_settings_t;
struct ptp_client_settings_t;
struct ptp_master_info_t;
struct ReportChart;
struct sfp_info_t;
class QPainter;
class QPdfWriter;
class QSaveFile;

// Renders a report file stored by the tester as an A4 portrait PDF document,
// one writer per test id. Device owns one by value and calls it only from its
// worker thread, one report at a time (one document, one painter, one page
// counter: not re-entrant).
//
// A report is a column of section titles and table rows, 200 units high, in
// the device units of a 1200 dpi A4 page without margins (9917 x 14033). Every
// drawing operation takes the left edge x and the running y (the top of the
// next row) and advances y below what it drew. Only section titles break
// pages: a title starts a new page when the rows it keeps together would pass
// 28/30 of the page height. A text wider than its cell is drawn in a smaller
// font, never across the next cell.
//
// Adding a report: a row in the frame table (pdfcreator.cpp) naming its title
// and body writers, and the writers in a file of their own (pdftraffic.cpp is
// the one to copy). Writers read their records only through ReportFile, whose
// length and port were checked before the document was opened.
class PDFCreator : public QObject
{
    Q_OBJECT
public:
    // What became of one report. A window tells the operator apart "saved",
    // "this test has no report", "the report cannot be read" and "the PDF
    // cannot be written"; succeeded() folds the first two into true.
    enum class Outcome {
        Written,       // the PDF file holds the report
        NoReport,      // a test id without a report: no file written or touched
        Unreadable,    // the report does not match its layout (empty, shorter
                       // than it, a port other than A or B, a byte 0 that names
                       // no test, no writer for it): no file written or touched
        NotRead,       // the report could not be read from the tester (Device)
        WriteFailed,   // the PDF could not be created or finished: no file left
    };
    Q_ENUM(Outcome)

    explicit PDFCreator(QObject *parent = nullptr);
    ~PDFCreator() override;

    // report: the whole file as stored by the tester (byte 0 is the test id;
    // an empty file is Unreadable). info: the connected tester.
    // What became of the report (never NotRead: the bytes are given).
    Outcome render(const QString &pdfFileName, const QByteArray &report,
                   const get_device_info_resp_t *info);

    // render() as a yes/no: succeeded(outcome).
    bool createReport(const QString &pdfFileName, const QByteArray &report,
                      const get_device_info_resp_t *info);

    // The yes/no of an outcome: true for Written and NoReport (nothing went
    // wrong), false for every failure.
    static bool succeeded(Outcome outcome);

    // Whether a writer exists for the test id.
    static bool hasWriter(unsigned testId);
    // The translated title a report of the test id carries; empty without a
    // writer.
    static QString reportTitle(unsigned testId);

    // Page geometry, in device units.
    static constexpr int Resolution = 1200;       // dots per inch
    static constexpr int RowHeight = 200;
    static constexpr int DefaultTableWidth = 5000;
    static constexpr int TextInset = 30;          // from a cell's left edge
    static constexpr int TextBaseline = 170;      // below a row's top
    static constexpr int PageNumberRise = 500;    // page number baseline above the sheet's foot
    // Section titles are cyan, sub-sections and label cells grey.
    static inline const QColor SectionFill{102, 255, 255};
    static inline const QColor GreyFill{217, 217, 217};

    // A section title at y that keeps keepRows rows (counted from its top) on
    // the page starts a new page when they would end below 28/30 of the page
    // height; keepRows 0 never breaks.
    static bool breaksPage(int y, int keepRows, int pageHeight);

    // "(Port A)", "(Port B)", "(Remote control port)"; any other index is
    // named as invalid with its number.
    static QString portName(unsigned port);

private:
    struct Frame;
    static const Frame Frames[];
    static const Frame *frameFor(unsigned testId);

    // ---- document ----------------------------------------------------------
    bool beginDocument(const QString &pdfFileName, const QString &title);
    // Numbers the last page and closes the document; false when the file could
    // not be finished, and then no file is left.
    bool endDocument();
    void newPage();
    // Ends the page as a section title that breaks does: its number 8000
    // right of the left margin, a new page, y at the top of it.
    void breakPage(int &y);
    int pageWidth() const;
    int pageHeight() const;

    // ---- rows --------------------------------------------------------------
    struct Cell
    {
        int left;
        int width;
        QString text;
        const QImage *image;
    };
    void drawCells(int &y, const QList<Cell> &cells, bool greyed = false);
    void drawCellText(int left, int width, int top, const QString &text);
    // The font, made smaller when the text would be wider than room.
    QFont fontToFit(const QFont &font, const QString &text, qreal room) const;

    void drawSectionTitle(int x, int &y, const QString &title, int keepRows, const QColor &fill);
    // A block: its title at x keeping keepRows, then rows(x, y). Returns the
    // top of the title, below any page break the title made, where a block
    // beside it starts.
    int drawBlock(int x, int &y, const QString &title, int keepRows, const QColor &fill,
                  const std::function<void(int x, int &y)> &rows);
    void drawTextRow(int x, int &y, const QString &label, const QString &value, bool greyed = false);
    void drawRatioTextRow(int x, int &y, const QString &label, const QString &value, float ratio);
    void drawCheckRow(int x, int &y, const QString &label, bool flag);
    void drawRatioCheckRow(int x, int &y, const QString &label, bool flag, float ratio);
    void drawThreeColumnRow(int x, int &y, const QString &a, const QString &b, const QString &c);
    void drawFourColumnRow(int x, int &y, const QString &a, const QString &b, const QString &c,
                           const QString &d);
    void drawColumnsRow(int x, int &y, const QStringList &texts);
    void drawSizedColumnsRow(int x, int &y, const QStringList &texts, const QList<int> &widths);

    // ---- heading and common sections (pdfheading.cpp) ----------------------
    void drawReportHeader(int x, int &y, const QString &title, const ReportFile &report);
    void drawInterfaceSettings(int x, int &y, const ReportFile &report, port_t port);
    void drawInterfaceStatus(int x, int &y, const ReportFile &report, port_t port);
    void drawHeaderSettings(int x, int &y, const header_settings_t &header, bool showMac);
    void drawTopology(int x, int &y, const ReportFile &report);
    // "Settings" (keeping keepRows), the topology, the frame header and the
    // grey "Advanced" title the test's own settings rows follow.
    void drawSettingsWithHeader(int x, int &y, const ReportFile &report, int keepRows,
                                const header_settings_t &header);
    void drawPort(int x, int &y, const ReportFile &report);

    // ---- body writers, one file each ---------------------------------------
    void drawStatisticsResults(int x, int &y, const ReportFile &report);
    void drawTrafficSettings(int x, int &y, const ReportFile &report);
    void drawTrafficResults(int x, int &y, const ReportFile &report);
    void drawJitterSettings(int x, int &y, const ReportFile &report);
    void drawJitterResults(int x, int &y, const ReportFile &report);
    void drawCableResults(int x, int &y, const ReportFile &report);
    void drawCablePairTable(int x, int &y, const cable_results_t &cable);
    void drawMdiSettings(int x, int &y, const ReportFile &report);
    void drawMdiResults(int x, int &y, const ReportFile &report);
    void drawBertSettings(int x, int &y, const ReportFile &report);
    void drawBertResults(int x, int &y, const ReportFile &report);
    // RFC 2544 (pdfrfc.cpp)
    void drawRfcCommonSettings(int x, int &y, const ReportFile &report);
    void drawRfcThroughput(int x, int &y, const ReportFile &report);
    void drawRfcLatency(int x, int &y, const ReportFile &report);
    void drawRfcBackToBack(int x, int &y, const ReportFile &report);
    void drawRfcFrameLoss(int x, int &y, const ReportFile &report);
    void drawRfcSectionCaption(int x, int &y, int keepRows, const QString &caption);
    int drawRfcResultsTable(int x, int &y, const QStringList &header, const QList<int> &widths,
                            const QList<QStringList> &rows);
    void drawRfcChart(int x, int &y, const QString &title, const QStringList &labels, const QList<double> &values,
                      int width, int height);
    void drawRfcLatencyChart(int x, int &y, const QString &title, const QStringList &labels,
                             const QList<double> &values, int width, int height);
    void drawRfcFrameLossChart(int x, int &y, const QString &title, const QList<QPointF> &points, int width,
                               int height);
    void keepChartOnPage(int &y, int height);
    void drawChart(const ReportChart &chart);
    // Y.1564 (pdfy1564.cpp)
    void drawY1564Settings(int x, int &y, const ReportFile &report);
    void drawY1564Results(int x, int &y, const ReportFile &report);
    void drawOpticalReport(int x, int &y, const ReportFile &report);
    void drawOpticalResults(int x, int &y, const sfp_info_t &info, port_t port);

    // multistream, asymmetric traffic, IP tools, PTP, synchronisation
    void drawMultistreamSettings(int x, int &y, const ReportFile &report);
    void drawMultistreamResults(int x, int &y, const ReportFile &report);
    // The active streams' blocks two to a row, each opened by its "Stream #"
    // title keeping keepRows; rows(x, y, k) draws the rows under stream k's title.
    void drawStreamBlocks(int x, int &y, const multi_settings_t &settings, int keepRows,
                          const std::function<void(int x, int &y, int stream)> &rows);
    void drawAsymTrafficSettings(int x, int &y, const ReportFile &report);
    void drawFlowSettings(int x, int &y, const flow_settings_t &flow);
    void drawAsymTrafficResults(int x, int &y, const ReportFile &report);
    void drawFlowStatistics(int x, int &y, const flow_stats_t &stats, uint16_t packetSize);
    // Ping and trace route settings, one layout: the port, then the
    // destination, the frame size and the wait time under these labels.
    void drawProbeSettings(int x, int &y, const ReportFile &report, int keepRows,
                           const std::array<QString, 3> &labels);
    void drawPingSettings(int x, int &y, const ReportFile &report);
    void drawPingResults(int x, int &y, const ReportFile &report);
    void drawTraceSettings(int x, int &y, const ReportFile &report);
    void drawTraceResults(int x, int &y, const ReportFile &report);
    void drawDnsSettingsAndResults(int x, int &y, const ReportFile &report);
    void drawIpScannerSettings(int x, int &y, const ReportFile &report);
    void drawIpScannerResults(int x, int &y, const ReportFile &report);
    void drawPtpSettings(int x, int &y, const ReportFile &report);
    void drawPtpResults(int x, int &y, const ReportFile &report);
    void drawSyncSettings(int x, int &y, const ReportFile &report);
    void drawSyncResults(int x, int &y, const ReportFile &report);
    // What the PTP and synchronisation reports show alike: the client's
    // mode check rows, its other settings rows (domain to sync interval),
    // the tester's server list and the master's thirteen rows.
    static constexpr int PtpServerListEntries = 10;
    void drawPtpModeRows(int x, int &y, const ptp_client_settings_t &client);
    void drawPtpClientRows(int x, int &y, const ptp_client_settings_t &client);
    void drawPtpServerList(int x, int &y, const QString &title, const uint32_t (&servers)[PtpServerListEntries]);
    void drawPtpMasterInfo(int x, int &y, const QString &title, const ptp_master_info_t &master);

    std::unique_ptr<QSaveFile> m_file;      // exist only between beginDocument
    std::unique_ptr<QPdfWriter> m_writer;   // and endDocument
    std::unique_ptr<QPainter> m_painter;
    get_device_info_resp_t m_device{};      // the tester the report is rendered for
    int m_tableWidth = DefaultTableWidth;   // writers that change it put it back
    int m_pageNumber = 1;                   // printed on the page being left
    QImage m_checkImage;                    // drawn for a true flag
    QImage m_uncheckImage;                  // drawn for a false flag
};

Q_DECLARE_METATYPE(PDFCreator::Outcome)
