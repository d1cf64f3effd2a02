#include "LayoutScale.h"

#include "Twips.h"

#include <QVariant>
#include <QWidget>

namespace lexel {
namespace {

constexpr const char* TwipsKey = "lexelTwips";
constexpr const char* PointsKey = "lexelPoints"; // a font's size at a scale of 1.0
constexpr const char* ScaleKey = "lexelScale";

// A font given to a control of its own follows the scale; one inherited follows the root.
void ScaleOwnFont(QWidget* control, double before, double scale) {
    QFont font = control->font();
    if (!control->testAttribute(Qt::WA_SetFont) || font.pointSizeF() <= 0) {
        return;
    }
    if (!control->property(PointsKey).isValid()) {
        control->setProperty(PointsKey, font.pointSizeF() / before);
    }
    font.setPointSizeF(control->property(PointsKey).toDouble() * scale);
    control->setFont(font);
}

} // namespace

void PlaceInTwips(QWidget* control, QRect twips) {
    control->setProperty(TwipsKey, twips);
    control->setGeometry(TwipsRect(twips, LayoutZoom()));
}

QRect PlacedTwips(const QWidget* control) {
    return control->property(TwipsKey).toRect();
}

void ScaleLayout(QWidget* root, double scale) {
    const QVariant last = root->property(ScaleKey);
    const double before = last.isValid() ? last.toDouble() : LayoutZoom();
    if (last.isValid() && before == scale) {
        return;
    }
    root->setProperty(ScaleKey, scale);
    root->setFont(LayoutFont(LayoutTextPoints, scale));
    for (auto* control : root->findChildren<QWidget*>()) {
        if (const QVariant twips = control->property(TwipsKey); twips.isValid()) {
            control->setGeometry(TwipsRect(twips.toRect(), scale));
        }
        ScaleOwnFont(control, before, scale);
    }
}

} // namespace lexel
