#include "Twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace lexel {
namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double StandardDpi = 96.0;

// The widest caption of the layouts and the pixels it took in the font they were made for.
constexpr const char* ReferenceCaption =
    "Automatically set the background color to red or green where appropriate";
constexpr double ReferenceWidth = 360.0;

double LogicalDpi() {
    const auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : StandardDpi;
}

double FontScale() {
    static const double scale = std::max(
        1.0, QFontMetricsF(LayoutFont()).horizontalAdvance(QString::fromLatin1(ReferenceCaption)) /
                 ReferenceWidth);
    return scale;
}

} // namespace

int Twips(int twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / TwipsPerInch * FontScale()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QFont LayoutFont() {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(8.0);
    return font;
}

} // namespace lexel
