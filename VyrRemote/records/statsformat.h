#pragma once

#include "statsrecords.h"

#include <QString>

#include <cstdint>

// What the port statistics window (and a statistics report) shows of one
// port's results record, computed from the record alone. GUI-independent.

struct StatsDirectionView
{
    QString bytes;
    QString frames;
    QString broadcast;
    QString multicast;
    QString unicast;
    QString pause;
    QString rateL1;
    QString rateL2;
    QString rateL3;
    QString sizes[StatsFrameSizeBins];   // record order, "<64" first
};

struct StatsPortView
{
    StatsDirectionView rx;
    StatsDirectionView tx;
    // Frame errors count received traffic only.
    QString crcErrors;
    QString runts;
    QString jabber;
};

StatsPortView statsPortView(const stats_results_t &results);

// The full unsigned decimal number: no sign, separators or padding
// (2^64 - 1 gives "18446744073709551615").
QString statsCounterText(uint64_t value);

// Runts: frames shorter than 64 bytes plus frames with a CRC error, summed
// modulo 2^64 as the tester's counters wrap.
uint64_t statsRunts(const stats_counters_t &rx);
