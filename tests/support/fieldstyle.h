#pragma once

// The field colours of the editing forms as their style sheets read (see
// setFieldColour and the change markers of VyrRemote/widgets).

#include <QString>

namespace fieldstyle {
const QString Black = QStringLiteral("color: #000000");
const QString Blue = QStringLiteral("color: #0000ff");
const QString Grey = QStringLiteral("color: #787878");
} // namespace fieldstyle
