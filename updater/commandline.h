#pragma once

#include <QStringList>

class MainForm;

// The one option of vyrup: every argument that is exactly "-dev" (any
// position, case-sensitive) turns on the per-part update controls. Anything
// else is ignored.
inline constexpr char DevModeOption[] = "-dev";

void applyCommandLine(MainForm &window, const QStringList &arguments);
