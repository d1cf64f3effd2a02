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
double layoutZoom = 1.0; // one user-interface thread

double LogicalDpi() {
    const auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : StandardDpi;
}

double FontScale() {
    static const double scale =
        std::max(1.0, QFontMetricsF(LayoutFont(LayoutTextPoints, 1.0))
                              .horizontalAdvance(QString::fromLatin1(ReferenceCaption)) /
                          ReferenceWidth);
    return scale;
}

} // namespace

void SetLayoutZoom(double scale) {
    layoutZoom = scale;
}

double LayoutZoom() {
    return layoutZoom;
}

int Twips(int twips, double scale) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / TwipsPerInch * FontScale() * scale));
}

int Twips(int twips) {
    return Twips(twips, layoutZoom);
}

QRect TwipsRect(QRect twips, double scale) {
    return {Twips(twips.x(), scale), Twips(twips.y(), scale), Twips(twips.width(), scale),
            Twips(twips.height(), scale)};
}

QRect TwipsRect(int left, int top, int width, int height) {
    return TwipsRect(QRect(left, top, width, height), layoutZoom);
}

QFont LayoutFont(double points, double scale) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points * scale);
    return font;
}

QFont LayoutFont(double points) {
    return LayoutFont(points, layoutZoom);
}

} // namespace lexel
