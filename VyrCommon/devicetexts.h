#pragma once

#include "records.h"

#include <QString>

// Operator texts for codes the tester reports, translated in the context
// "Device" (Device::testStatusText and Device::startTestErrorText forward here).

// Name of a per-test status code (test_status_t); "Unknown status" beyond 12.
QString testStatusText(unsigned status);

// The message shown when the tester refuses a start; empty for type 0.
// portSettings is the interface settings block of the port named in a type 5
// error, or null when it has not been read (or the port index is above 2):
// the VLAN line then follows the error's own VLAN flag and no MPLS line is
// given.
QString startTestErrorText(const error_t &error, const eth_settings_t *portSettings);

// "1, 3, 10" for the streams set in bits 0-9 of mask.
QString streamListText(uint16_t mask);
