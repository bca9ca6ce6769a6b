#pragma once

#include "iptoolsrecords.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// What the ping, trace route, DNS and IP scanner forms show, computed from
// the records alone (no widgets), for the forms and the report writer.
// Stateless; callable from the GUI and the worker thread.
//
// A null record pointer stands for a record that is absent (not read yet,
// or its last read failed or was not valid).

// The address written for an edit whose text is not a complete address.
constexpr uint32_t FallbackDestination = 0xC0A80001u;   // 192.168.0.1
constexpr uint32_t FallbackScanFirst = 0xC0A80001u;     // 192.168.0.1
constexpr uint32_t FallbackScanLast = 0xC0A800FEu;      // 192.168.0.254

// The widest text an address field shows, for the room it needs.
inline QString widestAddressText()
{
    return QStringLiteral("255.255.255.255");
}

// The text an address edit keeps when it is written: the text itself when
// it is a complete IPv4 address, else the fallback address's text.
QString completeAddressOr(const QString &text, uint32_t fallback);

// ---- ping ---------------------------------------------------------------------

enum PingColumn { PingNumberColumn, PingStatusColumn, PingFrameColumn, PingLatencyColumn, PingColumns };

// "Request", "OK", "Timeout", "Interrupted", "No conn." (translated,
// context "PingForm"); "-" for 0 and 6-255.
QString pingStatusText(uint8_t status);

struct PingResultsView
{
    // Table rows top to bottom: the highest request number first, empty
    // entries ("-" in every column) last.
    QString cells[PingRequestEntries][PingColumns];
    QString sent;
    QString received;
    QString lost;
    QString average;
    QString minimum;
    QString maximum;
};

// Results absent: "-" everywhere. Settings absent: "-" in the frame column.
PingResultsView pingResultsView(const ping_settings_t *settings, const ping_results_t *results);

// ---- trace route ------------------------------------------------------------

enum class TraceIcon { None, Probing, Replied, TimedOut };

struct TraceHopView
{
    QString number;
    QString address;
    QString latency;
    TraceIcon icon = TraceIcon::None;
};

// One row of the hop table; "timeout" and "No conn." translated in the
// context "TraceForm".
TraceHopView traceHopView(const trace_hop_t &hop);

// The results parameter that asks for page 1-32 (the index of its first
// hop); pages outside the range are taken as the nearest one.
uint32_t traceResultsParam(int page);

// Hop entries of the page in use by hop_count, bounded by the entries the
// record holds (0-8): a negative or larger count lists nothing past them.
int traceHopsInUse(const trace_results_t &results);

// ---- DNS ------------------------------------------------------------------------

// The host name of the record: UTF-8 up to the first NUL, or all 32 bytes
// when there is none.
QString dnsHostName(const dns_settings_t &settings);

// Bytes the name takes in the record, without the NUL.
int dnsHostNameBytes(const QString &name);

// Writes the name as UTF-8 followed by a NUL; the bytes after the NUL keep
// what they held. False, and the record untouched, when the name takes more
// than DnsHostNameMaxBytes bytes: it is never cut inside a character.
bool setDnsHostName(dns_settings_t &settings, const QString &name);

// "Passed", "In progress", "Error", "Timeout", "Unknown error" (5 and
// 7-255), "Not connected" (translated, context "DnsForm"); "-" for 0.
QString dnsStatusText(uint8_t status);

struct DnsResultsView
{
    QString hostName;
    QString address;
    QString status;
};

// Results absent or status 0: "-" in all three. Otherwise the stored host
// name (empty when the settings are absent) and, with status 1 only, the
// resolved address.
DnsResultsView dnsResultsView(const dns_settings_t *settings, const dns_results_t *results);

// ---- IP scanner ------------------------------------------------------------------

struct IpScanResultsView
{
    // Null while the results are absent: the fields keep what they show.
    QString elapsed;
    QString remaining;
    // Answering addresses in ascending order from row 0, then "No
    // connection" when the tester says so and there is a row left, then "-".
    QString rows[IpScanAddresses];
};

// Without settings no address can be computed: only "No connection" and
// "-" are listed.
IpScanResultsView ipScanResultsView(const ipscan_settings_t *settings, const ipscan_results_t *results);
