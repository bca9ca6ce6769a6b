#pragma once

#include "lbrecords.h"

#include <QString>

#include <cstdint>

// How the loopback form maps its QoS boxes and address texts to the
// loopback settings record. GUI-independent.
//
// A box index of -1 (no item) stands for a stored value the box does not
// list: the form shows no item and Apply keeps the stored bits, so a value
// the tester sent survives until the operator picks an item.

// ToS box (items "0000", "0001", "0010", "0100", "1000"): index of bits 4-1
// of the ToS octet; -1 when more than one of them is set.
int lbTosIndex(uint8_t tosOctet);
// Precedence box: bits 7-5 of the ToS octet (always listed).
int lbPrecedence(uint8_t tosOctet);
// DSCP box (the 21 code points of the DSCP table): index of the code point
// in bits 7-2 of the DS octet; -1 for a code point the table lacks.
int lbDscpIndex(uint8_t dsOctet);

// The ToS octet to store: bit 0 as stored, bits 4-1 from the ToS index
// (kept for -1), bits 7-5 from the precedence index (kept outside 0-7).
uint8_t lbTosOctet(uint8_t stored, int tosIndex, int precedence);
// The DS octet to store for a DSCP index (the stored octet for -1).
uint8_t lbDsOctet(uint8_t stored, int dscpIndex);

// A flag to store for a check box: the stored byte while the box still
// says what it said (any non-zero byte reads as set), else 1 or 0.
uint8_t lbFlag(uint8_t stored, bool checked);
// The QoS mode to store for the two groups (ToS, DSCP): the stored mode
// while both groups still say what it said, a mode the groups cannot show
// included; else 1 for ToS, 2 for DSCP, 0 for neither.
uint8_t lbQosMode(uint8_t stored, bool tosChecked, bool dscpChecked);

// What Apply puts in place of an address text that is not a complete
// address (the edits let incomplete text stand while it is typed).
const char *const LbDefaultMac = "00:00:00:00:00:00";
const char *const LbDefaultIpSrc = "192.168.0.1";
const char *const LbDefaultIpDst = "192.168.0.2";
// The text itself when it is a complete address, else the fallback.
QString completeMacOr(const QString &text, const char *fallback = LbDefaultMac);
QString completeIpOr(const QString &text, const char *fallback);
