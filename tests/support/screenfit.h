#pragma once

// The screen-fit check: whether a window fits the screen of the most common
// laptop, 1366 x 768, whose task bar leaves a window 1366 x 740 px (the
// "area"), and whether everything it offers can be reached there.
//
// Found, for a window that is shown:
//   - a frame (the window with its title bar and borders) larger than the
//     area, or a window that cannot be made as small as the area allows;
//   - buttons, group boxes, item views and other scroll areas, tab widgets,
//     line edits, spin boxes, combo boxes, sliders and progress bars that lie
//     wholly or partly outside what the window shows: past the window's edge,
//     past the area, or clipped by a parent that is too small. A control
//     inside a scroll area counts as reachable when the scroll area can
//     scroll to all of its contents (a direction whose scroll bar is always
//     off cannot) and the scroll area itself is in sight;
//   - every cut text the text-fit check finds (textfit.h);
//   - a view named in Options::wholeContents that has to be scrolled to
//     show all it holds (a log that must show a whole update at once).
// Tab widgets are visited page by page, as the text-fit check does.
//
// A finding names the widget (class, object name, text) and how much room
// it lacks:
//   window MainForm "…": frame needs 1470 x 809 px, the area has 1366 x 740 px (104 x 69 px too large)
//   QPushButton bStart "Start": 35 px of 23 px high out of sight (below the edge of MainForm)
//
// The offscreen platform of the tests draws no title bar: the frame is then
// the window with the title bar and borders of a desktop (assumedFrame()).
//
//     screenfit::placeMaximized(window.get());
//     const QStringList misfits = screenfit::misfits(window.get());
//     QVERIFY2(misfits.isEmpty(), qPrintable(screenfit::report("ru", misfits)));

#include "textfit.h"

#include <QFont>
#include <QMargins>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

namespace screenfit {

// A 1366 x 768 screen less a 28 px task bar.
constexpr int AreaWidth = 1366;
constexpr int AreaHeight = 740;
inline QSize laptopArea()
{
    return QSize(AreaWidth, AreaHeight);
}

// The title bar and borders a desktop draws around a window, where the
// platform draws none itself (offscreen): a 30 px title bar and 1 px borders.
QMargins assumedFrame();

// The frame margins of a shown window: the platform's own, or assumedFrame()
// where it draws no title bar (offscreen).
QMargins frameOf(const QWidget *window);

struct Options
{
    QSize area = laptopArea();
    // What the text-fit check allows (views that scroll by design, ...).
    textfit::Options text;
    // Off for a test that runs the text-fit check itself in another way.
    bool checkTexts = true;
    // Object names of views (text edits, lists, tables) that must show
    // everything they hold without scrolling, at the size they have.
    QStringList wholeContents;
};

// Shows the window as a maximized one stands in the area: its frame fills
// the area, as far as the window's own minimum and maximum size let it.
void placeMaximized(QWidget *window, const QSize &area = laptopArea());

// One line per finding; empty when the window fits. The window must be
// shown; its layouts are settled first.
QStringList misfits(QWidget *window, const Options &options = Options());

// A message for QVERIFY2: what was checked (a language, a form, a font)
// and the findings.
QString report(const QString &what, const QStringList &misfits);

// The font an operator gets by choosing 12 points in the font dialog,
// which opens on the application's font: its family at 12 points.
QFont largeFormFont();

} // namespace screenfit
