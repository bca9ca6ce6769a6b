#pragma once

#include <QtGlobal>

// The model vyrsim simulates unless told another (--type): a Tarnek-VyrK C2
// (device type 8, two ports) reporting release "1.0", of the family and
// release VyrRemote is built for, so that a first start shows no release
// warning. SimRemoteResponder's own default (type 0) is the tests'.
constexpr quint8 SimDefaultDeviceType = 8;
