// The symbols on marked letters: with them, every two marking colours read apart in a greyscale
// picture, on the letter buttons and on the board's letters alike.

#include "ui/controls/MarkSymbol.h"

#include "ui/board/BoardPalette.h"
#include "ui/controls/LetterButtonView.h"

#include <QtTest>

using namespace lexel;

namespace {

constexpr LetterColor Colors[] = {LetterColor::Red, LetterColor::Blue, LetterColor::Yellow,
                                  LetterColor::Green, LetterColor::Gray};

QImage Button(LetterColor color) {
    LetterButtonView button(Panel::Used, 0, nullptr);
    button.resize(50, 50); // a button at a scale factor of 2
    button.SetLook({color, false});
    button.SetSymbols(true);
    return button.grab().toImage();
}

QImage BoardLetter(LetterColor color) {
    MarkedLabel label;
    label.resize(50, 50);
    label.setText(QStringLiteral("A"));
    label.setAlignment(Qt::AlignCenter);
    label.setAutoFillBackground(true);
    SetLabelColor(&label, ToColor(ColorValue(color)));
    label.SetMark(color);
    return label.grab().toImage();
}

// Pixels whose grey levels differ clearly.
int GreyDifference(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 40 ? 1 : 0;
        }
    }
    return differing;
}

} // namespace

class MarkSymbolTest : public QObject {
    Q_OBJECT

private slots:
    void everyTwoColorsReadApartInGreyscale() {
        for (const auto render : {&Button, &BoardLetter}) {
            std::vector<QImage> images;
            for (const auto color : Colors) {
                images.push_back(render(color));
            }
            for (std::size_t i = 0; i < images.size(); ++i) {
                for (std::size_t j = i + 1; j < images.size(); ++j) {
                    QVERIFY2(GreyDifference(images[i], images[j]) > 20,
                             qPrintable(QStringLiteral("colours %1 and %2").arg(i).arg(j)));
                }
            }
        }
    }
};

QTEST_MAIN(MarkSymbolTest)
#include "MarkSymbolTest.moc"
