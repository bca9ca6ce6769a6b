#pragma once

#include "reportlayout.h"

#include <QList>
#include <QString>

#include <cstdint>

// Texts that several PDF report writers show, computed from the values
// alone. Translated words use the context "PDFCreator". Stateless: they run
// in the worker thread. Floats that are NaN or infinite are written as
// QString writes them ("nan", "inf", "-inf"), never converted to an integer.

// Rate unit of a settings record by its two low bits: "%", "bps", "kbps",
// "Mbps" (a code above 3 shows the unit of its low bits).
QString reportUnitText(uint8_t code);

// The set bit of a one-hot ToS value as four digits ("0100" for 4); any
// other value "Unknown".
QString tosToBinaryText(int tos);

// Name of a DSCP code point ("EF   ( 101110 )"); a code not in the forms'
// table is shown as "default ( 000000 )".
QString dscpReportName(uint8_t code);

// Nanoseconds in the unit the scale is shown in (the unit of a chart whose
// largest value is the scale), without the unit, for chart axes and bars:
// no decimals above 1000, else two ("1.50"), or two significant digits
// below 0.01, where two decimals are too few ("0.0005"); 0, and everything in a
// chart whose scale is below 1 ns, "0".
QString nanosecondsToAxisText(float nanoseconds, float scale);
// ", us" and the like: the unit of the largest magnitude of a list of
// nanosecond values, the one unit of a latency chart; empty below 1 ns and
// for an empty list.
QString latencyUnitSuffix(const QList<double> &nanoseconds);

// The state (as Device::testStatusText) of configuration step 0-5 of
// stream 0-3 in a Y.1564 report: 8 "Off" for a step not in the test or an
// inactive stream, the step's own status when it has one, else decided by
// the stream's failed criteria and the step reached. A step or stream outside
// the table shows the state 0.
QString y1564StepStatusText(const ReportFile &report, int step, int stream);

// Interface status rows of one port from the report header: "No sync", "-",
// "-" without link; a speed, medium or duplex code without a name shows "-".
struct InterfaceStatusTexts
{
    QString speed;
    QString type;
    QString duplex;
};
InterfaceStatusTexts interfaceStatusTexts(const port_link_t &link);
