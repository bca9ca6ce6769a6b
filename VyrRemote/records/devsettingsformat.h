#pragma once

#include <QDateTime>

#include <cstdint>

// The device settings form's tables and clock conversions, without widgets.
//
// Checking modes. The tester keeps the mode as a code in byte 6 of
// device_settings_t; the form lists nine modes. Codes 0-2 are list indexes
// 0-2, codes 4-9 indexes 3-8; code 3 has no entry of its own.

constexpr int CheckingModeCount = 9;

// The list index that shows a stored code: 3 shows as index 2 ("Speeds");
// a code above 9 is first reduced modulo 9. Always 0-8.
int checkingCodeToIndex(uint8_t code);

// The code sent for a list index (index + 1 from index 3 on); an index
// outside the list is taken as its nearest end.
uint8_t checkingIndexToCode(int index);

// Tester clock. The tester's 32-bit clock holds local wall-clock time and is
// read and written as if it were UTC.

// The clock as a UTC date and time (no time-zone shift).
QDateTime testerClockToDateTime(uint32_t clock);

// A UTC date and time as the clock value; dates outside what 32 unsigned
// bits hold after 1970 are taken as the nearest end.
uint32_t testerClockFromDateTime(const QDate &date, const QTime &time);

// The value that makes the tester's clock read the given local wall-clock
// time: its seconds since the epoch plus its offset from UTC.
uint32_t testerClockFromLocal(const QDateTime &local);
