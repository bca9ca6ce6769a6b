#pragma once

#include <initializer_list>

class QWidget;

// Widgets that take turns in one place of a layout (Connect and Disconnect,
// of which one shows at a time) all get the width the widest of them asks
// for, as least width. The layout, and so the window's least width, is then
// the same whichever of them shows: the window neither widens when the other
// one appears nor can be made so narrow that a text is cut.
//
// The width follows the texts and font they have now: call again after a
// language change.
void giveSharedWidth(std::initializer_list<QWidget *> widgets);
