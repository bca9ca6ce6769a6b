#pragma once

#include "iptoolsrecords.h"

#include <QString>

#include <array>
#include <cstdint>

// Texts and orders that the asymmetric traffic and IP tool reports show
// their own way, not as their forms do. Translated words use the context
// "PDFCreator". Stateless: they run in the worker thread.

// Direction of the asymmetric traffic test: "Output", "Input", "Both"; a
// code the test does not have reads "Unknown".
QString asymDirectionReportText(uint8_t direction);

// Status of a ping request: "Request", "OK", "Timeout", "Interrupted",
// "No conn."; "---" for 0 and every code without a name.
QString pingReportStatusText(uint8_t status);

// The request slots as the report lists them: the highest request number
// first, equal numbers in slot order, so that empty slots (number 0) end the
// list.
std::array<int, PingRequestEntries> pingReportOrder(const ping_results_t &results);

// Address cell of a trace hop: "..." while waiting, the answering address,
// "timeout", "No connection"; "-" for the end of the list and every state
// without a meaning.
QString traceHopReportAddress(const trace_hop_t &hop);

// DNS outcome by its three low bits: empty for 0, "Passed", "In progress",
// "Illegal argument", "Timeout", "Error", "Not connected"; 7, which has no
// outcome, "Unknown".
QString dnsReportStatusText(uint8_t outcome);

// Addresses that answered: the set bits of the scanner's bitmap (0-256).
int ipScanAnswerCount(const ipscan_results_t &results);

// Rows the IP scanner's results title keeps with it: the title, the time row
// and every answering address while they fit on a page of rowsPerPage rows;
// a longer list keeps only its first address with the title and goes on over
// the following pages.
int ipScanResultsKeepRows(int answered, int rowsPerPage);
