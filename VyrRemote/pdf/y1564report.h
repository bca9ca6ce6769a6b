#pragma once

#include "y1564records.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// What the Y.1564 report shows of its records, computed from the records
// alone. The verdicts of a configuration step are the form's
// (y1564ResultState); the report words its units, numbers and the
// performance test its own way. Translated words use the context
// "PDFCreator", statuses Device::testStatusText. Stateless: they run in the
// worker thread.

// The unit of a stream's CIR, EIR and M: 3 "Mbps", 2 "kbps", 1 "bps", any
// other code "%".
QString y1564ReportUnitText(uint8_t code);

// "CIR 1" .. "CIR 4", "CIR+EIR", "Policy" for steps 0-5; empty outside.
QString y1564ReportStepName(int step);

// part / all with five decimals; "0" when all is 0.
QString y1564ReportRatio(uint32_t part, uint32_t all);

// available x 100 / (available + unavailable) with four decimals, taken in
// 64 bits so that neither the product nor the sum wraps; "0" when both are 0.
QString y1564ReportAvailability(uint32_t available, uint32_t unavailable);

enum Y1564ReportMeasure { Y1564ReportIr, Y1564ReportFtd, Y1564ReportFdv, Y1564ReportMeasures };

// The rows of one stream's configuration-test table.
struct Y1564ReportConfigTable
{
    // Per measure and step: step name, verdict, minimum, average, maximum;
    // the values "-" where the verdict is "Off".
    QStringList measure[Y1564ReportMeasures][Y1564ConfigSteps];
    // Per step: step name, verdict, lost frames, loss ratio.
    QStringList loss[Y1564ConfigSteps];
};
// Stream 0-3 (held within that range).
Y1564ReportConfigTable y1564ReportConfigTable(const y1564_settings_t &settings, const y1564_results_t &results,
                                              int stream);

// The rows of one stream's performance-test table. The run is off for an
// inactive stream or when the performance test did not run; then every
// status reads "Off" and every value "-".
struct Y1564ReportPerformanceTable
{
    QString status;   // "Off", else "Wait"
    // "FL", "FLR", "AVAIL", "AVAIL, %": label, status, value.
    QStringList counts[4];
    // Per measure: label, status, minimum, average, maximum.
    QStringList measure[Y1564ReportMeasures];
};
Y1564ReportPerformanceTable y1564ReportPerformanceTable(const y1564_settings_t &settings,
                                                        const y1564_results_t &results, int stream);
