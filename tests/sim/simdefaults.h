#pragma once

#include <QtGlobal>

// The model vyrsim simulates unless told another (--type): a Tarnek-VyrK C2
// (device type 8, two ports) reporting release "1.0", of the family and
// release VyrRemote is built for, so that a first start shows no release
// warning. SimRemoteResponder's own default (type 0) is the tests'.
constexpr quint8 SimDefaultDeviceType = 8;

// The time sources vyrsim reports as usable (bit n: source n): PTP, GPS and
// both NTP servers, so that the synchronisation form offers a choice.
constexpr quint32 SimSyncSources = (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5);
