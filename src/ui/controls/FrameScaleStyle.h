#pragma once

// The desktop's style, with the titled frames of a window drawn at a zoom below 100 % the way
// they are drawn at 100 %, only smaller: the style keeps a fixed least height for a frame's
// title, which would push the frame's line into the controls placed inside it.

#include <QProxyStyle>

namespace lexel {

class FrameScaleStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
};

} // namespace lexel
