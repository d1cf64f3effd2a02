#include "FrameScaleStyle.h"

#include "Twips.h"

#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace lexel {

// The frame's line lies below the larger of the title's height and the style's least height;
// that least height shrinks with the frame's text.
QRect FrameScaleStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_GroupBox || subControl != SC_GroupBoxFrame || widget == nullptr) {
        return rect;
    }
    const double scale = widget->font().pointSizeF() / LayoutTextPoints;
    if (scale >= 1.0 || scale <= 0.0) {
        return rect;
    }
    const int least = pixelMetric(PM_ExclusiveIndicatorHeight, option, widget);
    const int text = option->fontMetrics.height();
    const int lift =
        std::max(least, text) - std::max(static_cast<int>(std::lround(least * scale)), text);
    return rect.adjusted(0, -lift, 0, 0);
}

} // namespace lexel
