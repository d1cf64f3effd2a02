#include "core/settings/Zoom.h"

#include <gtest/gtest.h>

namespace lexel {
namespace {

// The keys walk the levels one by one and stop at the ends; a zoom between two levels (one
// that was lowered to fit the screen) steps to the level next to it.
TEST(Zoom, KeysStepThroughTheLevelsAndStopAtTheEnds) {
    struct Case {
        int from, in, out;
    };
    const Case cases[] = {{100, 110, 90}, {50, 67, 50},    {300, 300, 250}, {67, 75, 50},
                          {63, 67, 50},   {120, 125, 110}, {400, 300, 300}, {10, 50, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(ZoomIn(c.from), c.in);
        EXPECT_EQ(ZoomOut(c.from), c.out);
    }
}

// The main window at 100 % is 531 x 488 pixels. The chosen zoom is kept where the window fits
// and lowered to the largest that fits where it does not; below the smallest level it does not
// go, whatever the screen.
TEST(Zoom, AWindowIsShownAtTheLargestZoomThatFitsUpToTheChosenOne) {
    struct Case {
        QSize available;
        int chosen, used;
    };
    const QSize layout(531, 488);
    const Case cases[] = {
        {{1280, 1024}, 100, 100}, {{1280, 1024}, 200, 200}, {{1280, 1024}, 300, 209},
        {{1920, 1080}, 300, 221}, {{426, 341}, 100, 69},    {{531, 488}, 100, 100},
        {{530, 2000}, 100, 99},   {{100, 100}, 100, 50},    {{0, 0}, 150, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(FittingZoom(layout, c.available, c.chosen), c.used);
    }
}

// A stored zoom that is no whole number reads as 100 %; one out of range is taken to the end.
TEST(Zoom, StoredTextReadsAsAZoomInRange) {
    struct Case {
        const char* stored;
        int zoom;
    };
    const Case cases[] = {{"150", 150},  {"67", 67},    {"", 100},
                          {"junk", 100}, {"150%", 100}, {"20", 50},
                          {"-5", 50},    {"900", 300},  {"99999999999999999999", 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ZoomOf(c.stored), c.zoom);
    }
}

} // namespace
} // namespace lexel
