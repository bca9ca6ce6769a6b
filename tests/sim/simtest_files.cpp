// The simulated tester's screen: a picture such as its display shows, for
// the screenshot window and for a person trying it by hand.
#include "simtests.h"

#include "simremote.h"

namespace {

// 6-bit colour codes: bits 0-1 red, 2-3 green, 4-5 blue.
constexpr quint8 Black = 0x00;
constexpr quint8 White = 0x3F;
constexpr quint8 Navy = 0x20;
constexpr quint8 Green = 0x08;
constexpr quint8 Yellow = 0x0F;
constexpr quint8 Grey = 0x15;

void fillRect(SimRemoteResponder &t, int left, int top, int width, int height, quint8 colour)
{
    for (int y = top; y < top + height && y < SimRemoteResponder::ScreenHeight; ++y) {
        for (int x = left; x < left + width && x < SimRemoteResponder::ScreenWidth; ++x)
            t.screen[y * SimRemoteResponder::ScreenWidth + x] = colour;
    }
}

} // namespace

void simDrawScreen(SimRemoteResponder &t)
{
    const int w = SimRemoteResponder::ScreenWidth;
    const int h = SimRemoteResponder::ScreenHeight;
    t.fillScreen(Black);
    // Title bar with a clock block at its right.
    fillRect(t, 0, 0, w, 18, Navy);
    fillRect(t, w - 60, 4, 52, 10, White);
    // Two port panels with a link lamp each.
    fillRect(t, 6, 26, 150, 90, Grey);
    fillRect(t, 164, 26, 150, 90, Grey);
    fillRect(t, 12, 32, 12, 12, Green);
    fillRect(t, 170, 32, 12, 12, Yellow);
    // All 64 colours as a band of 5-pixel stripes.
    for (int c = 0; c < 64; ++c)
        fillRect(t, c * 5, 124, 5, 20, quint8(c));
    // Text-like rows: runs of one to seven pixels.
    for (int y = 152; y < h - 24; y += 10) {
        for (int x = 6; x < w - 6; ++x) {
            if (((x * 7 + y * 3) % 11) < 5)
                t.screen[y * w + x] = White;
        }
    }
    // Soft keys along the bottom.
    for (int k = 0; k < 4; ++k)
        fillRect(t, 4 + k * 79, h - 20, 75, 18, quint8(k == 0 ? Navy : Grey));
}
