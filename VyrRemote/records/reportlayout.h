#pragma once

#include "records.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// A report file as the tester stores it (file type 6): packed little-endian
// records one after the other at fixed offsets, selected by the test id in
// byte 0. No magic, version or checksum: the layout below is all there is.
//
//   0   report_header_t (36 bytes)
//   36  eth_settings_t of Port A and of Port B (the interface block, to 188),
//       except in statistics and cable reports
//   ..  the test's settings record, then its results record (one per port in
//       statistics, cable and optical reports), each as the test exchanges it

#pragma pack(push, 1)
struct report_header_t
{
    uint8_t test;                 //  0 test_id_t: selects the layout and the writer
    uint8_t port;                 //  1 0 Port A, 1 Port B
    uint8_t loop;                 //  2 0: ran towards the other port; else looped on the same port
    uint8_t reserved;             //  3 not read
    port_link_t link[2];          //  4 + 4p interface status, Port A first
    port_addresses_t dhcp[2];     // 12 + 12p addresses obtained by DHCP, Port A first
};
#pragma pack(pop)

static_assert(sizeof(report_header_t) == 36, "report_header_t");
static_assert(offsetof(report_header_t, link) == 4, "link");
static_assert(offsetof(report_header_t, dhcp) == 12, "dhcp");
static_assert(std::is_trivially_copyable<report_header_t>::value, "copyable");

constexpr int ReportInterfaceBlockAt = 36;    // eth_settings_t of Port A; Port B's follows
constexpr int ReportCommonStart = ReportInterfaceBlockAt + 2 * int(sizeof(eth_settings_t));
static_assert(ReportCommonStart == 188, "header and interface block");

// Where the records of one test lie in its report file. Record sizes are
// those of records.h (testSettingsSize, testResultsSize).
struct ReportLayout
{
    test_id_t test;
    int settingsAt;        // -1: no settings record to read
    int resultsAt[2];      // the results record; a second one (Port B's) or -1
    int end;               // the file holds at least this many bytes
    bool interfaceBlock;   // eth_settings_t of both ports from 36
};

// Every test id that has a report. Results holding 64-bit counters start at
// the next multiple of 8, hence the gaps after some settings records.
constexpr ReportLayout ReportLayouts[] = {
    // test            settings  results     end   interface block
    {TestStatistics,    36,      {40, 376},   712, false},   // settings byte not read
    {TestTraffic,       188,     {240, -1},   304, true},
    {TestRfc2544,       188,     {304, -1},  4784, true},
    {TestY1564,         188,     {524, -1},  2116, true},
    {TestMultistream,   188,     {556, -1},   724, true},
    {TestJitter,        188,     {240, -1},   344, true},
    {TestPtp,           188,     {248, -1},   328, true},
    {TestPing,          188,     {196, -1},   260, true},
    {TestTraceRoute,    188,     {196, -1},   280, true},
    {TestDns,           188,     {220, -1},   228, true},
    {TestIpScanner,     188,     {200, -1},   248, true},
    {TestCable,         -1,      {36, 59},     82, false},
    {TestOptical,       -1,      {188, 268},  348, true},
    {TestMdi,           188,     {232, -1},   264, true},
    {TestAsymTraffic,   188,     {280, -1},   360, true},
    {TestSync,          188,     {508, -1},  5412, true},
    {TestBert,          188,     {216, -1},   248, true},
};

// The layout of a test id; null for ids without a report (0, 14, 18, 20, 21
// and every value outside the table).
constexpr const ReportLayout *reportLayout(unsigned test)
{
    for (const ReportLayout &layout : ReportLayouts) {
        if (layout.test == test)
            return &layout;
    }
    return nullptr;
}

// Records follow the header (and the interface block) in order, without
// overlap, and the last one ends where the file layout ends.
constexpr bool reportLayoutsConsistent()
{
    for (const ReportLayout &l : ReportLayouts) {
        const int settings = testSettingsSize(l.test);
        const int results = testResultsSize(l.test);
        const int first = l.interfaceBlock ? ReportCommonStart : int(sizeof(report_header_t));
        if (results <= 0 || l.resultsAt[0] < first)
            return false;
        if (l.settingsAt >= 0 && (l.settingsAt < first || l.settingsAt + settings > l.resultsAt[0]))
            return false;
        if (l.resultsAt[1] >= 0 && l.resultsAt[1] < l.resultsAt[0] + results)
            return false;
        const int last = l.resultsAt[1] >= 0 ? l.resultsAt[1] : l.resultsAt[0];
        if (last + results != l.end)
            return false;
    }
    return true;
}
static_assert(reportLayoutsConsistent(), "report layouts");
static_assert(reportLayout(TestTraffic)->end == 304 && reportLayout(TestOam) == nullptr, "lookup");

// A report file laid out as the tester writes it: as long as its layout,
// zero but the test id until records are placed at the layout's offsets. A
// test id without a layout gets the header alone. Records are cut or padded
// with zeros to their test's size; a record the layout has no place for is
// left out. Header-only on purpose: the simulated tester, which links nothing
// above VyrCommon, writes its reports with it, so the writers and the
// tester share one set of offsets.
class ReportImage
{
public:
    explicit ReportImage(unsigned test)
        : m_layout(reportLayout(test))
        , m_bytes(m_layout ? m_layout->end : int(sizeof(report_header_t)), '\0')
    {
        m_bytes[0] = char(uint8_t(test));
    }

    const ReportLayout *layout() const { return m_layout; }

    // The whole header; the test id stays the image's.
    ReportImage &header(report_header_t header)
    {
        header.test = uint8_t(m_bytes.at(0));
        return place(0, int(sizeof header), bytesOf(header));
    }
    ReportImage &interfaceSettings(port_t port, const QByteArray &record)
    {
        if (!m_layout || !m_layout->interfaceBlock || port > PortB)
            return *this;
        const int size = int(sizeof(eth_settings_t));
        return place(ReportInterfaceBlockAt + int(port) * size, size, record);
    }
    ReportImage &settings(const QByteArray &record)
    {
        return m_layout ? place(m_layout->settingsAt, testSettingsSize(m_layout->test), record) : *this;
    }
    // Port B's record goes to the second place where the layout has one.
    ReportImage &results(const QByteArray &record, port_t port = PortA)
    {
        if (!m_layout || port > PortB)
            return *this;
        return place(m_layout->resultsAt[port == PortA ? 0 : 1], testResultsSize(m_layout->test), record);
    }

    template <class T>
    static QByteArray bytesOf(const T &record)
    {
        static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
        return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(T)));
    }

    QByteArray bytes() const { return m_bytes; }

private:
    ReportImage &place(int offset, int size, const QByteArray &record)
    {
        if (offset < 0 || size <= 0 || offset + size > m_bytes.size())
            return *this;
        QByteArray field = record.left(size);
        field.append(QByteArray(size - field.size(), '\0'));
        m_bytes.replace(offset, size, field);
        return *this;
    }

    const ReportLayout *m_layout;
    QByteArray m_bytes;
};

// A report file checked against its layout. Records are read only through
// it, as copies at the layout's offsets, and only when readable(): a file
// shorter than its layout, or with a port byte other than 0 or 1 where the
// heading uses the port, is refused before a byte of it is drawn.
class ReportFile
{
public:
    explicit ReportFile(const QByteArray &bytes);

    // 0 for an empty file.
    unsigned testId() const { return m_bytes.isEmpty() ? 0u : uint8_t(m_bytes.at(0)); }
    // Null when the test id has no report.
    const ReportLayout *layout() const { return m_layout; }
    bool readable() const;

    report_header_t header() const { return at<report_header_t>(0); }
    // The report's port as an index that is always 0 or 1.
    port_t port() const { return header().port == PortB ? PortB : PortA; }
    bool looped() const { return header().loop != 0; }
    eth_settings_t interfaceSettings(port_t port) const
    {
        return at<eth_settings_t>(ReportInterfaceBlockAt + int(port != PortA) * int(sizeof(eth_settings_t)));
    }

    template <class T>
    T settings() const
    {
        return at<T>(m_layout ? m_layout->settingsAt : -1);
    }
    // Port B's record where the layout holds one per port.
    template <class T>
    T results(port_t port = PortA) const
    {
        return at<T>(m_layout ? m_layout->resultsAt[port == PortA ? 0 : 1] : -1);
    }

    // A record at an offset from the start of the file; all zero where it
    // would not lie wholly inside the file.
    template <class T>
    T at(int offset) const
    {
        static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
        T record;
        std::memset(&record, 0, sizeof record);
        if (offset >= 0 && qint64(offset) + qint64(sizeof(T)) <= qint64(m_bytes.size()))
            std::memcpy(&record, m_bytes.constData() + offset, sizeof(T));
        return record;
    }

private:
    QByteArray m_bytes;
    const ReportLayout *m_layout;
};
