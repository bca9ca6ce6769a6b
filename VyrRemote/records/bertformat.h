#pragma once

#include "bertrecords.h"

#include <QString>

#include <cstdint>

// What the BERT form (and a BERT report) shows of the test's records, and
// the rules that tie its settings fields together, computed from the values
// alone. GUI-independent.

struct BertResultsView
{
    QString elapsed;        // "Elapsed time"
    QString estimate;       // "Remaining time"
    QString bits;           // "Rx bits"
    QString errorBits;      // "Rx Ebit"
    QString ber;
    QString lss;
    QString los;
    QString lssRate;        // "LSS, %"
    QString losRate;        // "LOS, %"
};

// No results: "-" everywhere. No settings: the estimate is "-" (the
// remaining time needs the planned duration).
BertResultsView bertResultsView(const bert_settings_t *settings, const bert_results_t *results);

// Errored bits over received bits, each taken as a single-precision number,
// in scientific notation with five decimals; "0.00000e+00" while no bits
// were received.
QString bertErrorRate(uint64_t bits, uint64_t errorBits);

// Events per elapsed second with three decimals (3 in 60 s: "0.050");
// "0.000" while no time has elapsed.
QString bertEventRate(uint32_t count, uint32_t elapsedSeconds);

// ---- settings ----------------------------------------------------------------

// The user pattern field holds exactly eight hexadecimal digits.
extern const char *const BertUserPatternExpression;   // "^([0-9A-Fa-f]{8})$"
constexpr uint32_t BertFallbackUserPattern = 0xAAAAAAAAu;

// Eight upper-case digits with leading zeros ("0000ABCD").
QString bertUserPatternText(uint32_t pattern);
// The word an edited text stands for; a text that is not eight hexadecimal
// digits stands for the fallback pattern AAAAAAAA.
bool bertUserPatternComplete(const QString &text);
uint32_t bertUserPatternValue(const QString &text);

// Largest pattern offset for a frame size: the frame less 16 bytes, at most
// 254 (64 gives 48; 270 and more give 254); never negative.
constexpr int BertMaxPatternOffset = 254;
constexpr int BertOffsetReserve = 16;
int bertOffsetLimit(int frameSize);

// List index that shows a stored pattern code; -1 (nothing chosen) for a
// code the list does not have.
int bertPatternIndex(uint8_t code);
// Code written for a list index; -1 (the operator chose nothing) keeps the
// stored code.
uint8_t bertPatternCode(int index, uint8_t stored);

// List index ("%", "kbps", "Mbps") that shows a stored unit code; bps shows
// as percent; -1 for a code beyond Mbps, which the form keeps as it is.
int bertUnitIndex(uint8_t code);
// Code written for a list index; -1 keeps the stored code.
uint8_t bertUnitCode(int index, uint8_t stored);
// Rate maximum while the unit is one the list does not have: the whole
// range of the field, so the stored rate is shown and kept unchanged.
constexpr int BertRateMaximumUnknownUnit = 65535;
