#pragma once

#include <QString>

// Identity tables by device type byte (get_device_info_resp_t::deviceType).
// Texts are translated in the context "QObject".

// "Tarnek-Vyr" ... "Tarnek-VyrK C2" for types 0-8, "unknown" otherwise;
// only the low 8 bits of the type count.
QString deviceModelName(unsigned deviceType);
// "Tarnek-VyrK C" for types 6, 7 and 8; the model name otherwise.
QString deviceFamilyName(unsigned deviceType);
// The maker named on the tester's plate.
QString manufacturerName(unsigned deviceType);
// 1 for the single-port models (types 1, 3, 5, 6, 7), 2 for every other value.
int devicePortCount(unsigned deviceType);
