// The analysis aids on the main window: the letter buttons, the colour menus, hints, Suggest
// Word, Save Analysis and Reset To Gray reach the game, and their results reach the screen and
// what a screen reader hears. What each aid does to the game is tested on the model.

#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardPalette.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

using namespace lexel;
using test::Focused;
using test::Guess;
using test::PopupOf;
using test::Press;
using test::Type;

namespace {

LetterButtonView* Button(MainWindow& w, const char* panel, char letter) {
    return test::Child<LetterButtonView>(
        w, QStringLiteral("%1_%2").arg(QLatin1String(panel)).arg(letter - 'A'));
}

// The visible button of `letter`.
LetterButtonView* Visible(MainWindow& w, char letter) {
    auto* used = Button(w, "usedLetter", letter);
    return used->isHidden() ? Button(w, "unusedLetter", letter) : used;
}

bool Shows(QWidget* label, LetterColor color) {
    return label->palette().color(QPalette::Window) == ToColor(ColorValue(color));
}

// What a screen reader hears on each of `widgets`.
QStringList Heard(std::initializer_list<QWidget*> widgets) {
    QStringList heard;
    for (auto* widget : widgets) {
        heard << test::Heard(widget);
    }
    return heard;
}

bool HasLightPixel(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(),
                       [](QRgb pixel) { return QColor(pixel).lightnessF() > 0.6; });
}

} // namespace

class AnalysisAidsTest : public QObject {
    Q_OBJECT

private slots:
    // A click, and a screen reader's press, type the letter once where the player typed last.
    void aPressTypesOnceAndAUsedLetterChangesPanels() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QTest::mousePress(Button(w, "unusedLetter", 'T'), Qt::LeftButton);
        QVERIFY(Button(w, "unusedLetter", 'T')->look().sunken);
        QTest::mouseRelease(Button(w, "unusedLetter", 'T'), Qt::LeftButton);
        QVERIFY(!Button(w, "unusedLetter", 'T')->look().sunken);
        QCoreApplication::processEvents();
        QCOMPARE(w.Board().GuessField(0)->text() + w.Board().GuessField(1)->text(), QString("T_"));
        QCOMPARE(Focused(), QStringLiteral("guessField_1"));
        QAccessible::queryAccessibleInterface(Button(w, "unusedLetter", 'E'))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.Board().GuessField(1)->text(), QStringLiteral("E"));
        QCOMPARE(Focused(), QStringLiteral("guessField_2"));
        Guess("n");
        for (const char c : {'T', 'E', 'N'}) {
            QVERIFY(!Button(w, "usedLetter", c)->isHidden());
            QVERIFY(Button(w, "unusedLetter", c)->isHidden());
        }
    }

    // The colour menus, opened by mouse or keyboard on a button or an evaluated letter, Save
    // Analysis, Reset To Gray and a hint reach the board, the buttons and a screen reader.
    void marksAndHintsReachTheBoardTheButtonsAndAScreenReader() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        f.settings.cheating = true;
        f.boxes.answers = {MessageAnswer::Yes};
        Guess("ten");
        Guess("xyz");                       // nothing of "garden": red and locked
        auto* e = w.Board().GuessLetter(1); // the E of line 1
        auto* field = w.Board().GuessField(FirstField(2));
        Type("e");
        field->setFocus(); // back on the E just typed: the menu key opens its button's menu
        test::Popup(
            &w, [] { Press(Qt::Key_Menu); }, "buttonYellow");
        QVERIFY(Shows(e, LetterColor::Yellow));
        QCOMPARE(Heard({e, Button(w, "usedLetter", 'E')}),
                 QStringList({"E, yellow", "yellow, used"}));
        QCOMPARE(test::Popup(&w, [=] { QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier); }),
                 QStringLiteral("buttonColorMenu"));
        PopupOf(e, "cellBlue"); // the grid letter's own menu
        QCOMPARE(Visible(w, 'E')->look().color, LetterColor::Blue);
        QCOMPARE(test::Heard(Visible(w, 'E')), QStringLiteral("blue, used"));
        QVERIFY(Shows(w.Board().GuessLetter(3), LetterColor::Red));
        // The middle button on a letter button, then on a grid letter; the locked X has no menus.
        QCOMPARE(QStringList({PopupOf(Button(w, "unusedLetter", 'B'), nullptr, Qt::MiddleButton),
                              PopupOf(e, nullptr, Qt::MiddleButton),
                              PopupOf(w.Board().GuessLetter(3)), PopupOf(Visible(w, 'X'))}),
                 QStringList({"buttonColorMenu", "", "", ""}));
        QCOMPARE(Focused(), QStringLiteral("guessField_6"));

        w.Board().SolutionField(0)->setFocus();
        Type("g");
        Press(Qt::Key_Y, Qt::ControlModifier); // Save Analysis fixes the solution's letters
        QCOMPARE(w.Board().RevealedLetter(0)->text(), QStringLiteral("G"));
        QVERIFY(w.Board().SolutionField(0)->isHidden());
        QCOMPARE(Visible(w, 'G')->look().color, LetterColor::Green);
        Press(Qt::Key_G, Qt::ControlModifier); // Reset To Gray keeps them
        QVERIFY(Shows(e, LetterColor::Gray));
        QCOMPARE(Heard({e, Visible(w, 'E'), Visible(w, 'G')}),
                 QStringList({"E, gray", "gray, used", "green, unused"}));

        w.Board().SolutionField(4)->setFocus(); // a hint on the E of "garden"
        Press(Qt::Key_F3);
        const int cell = FirstField(LastLine) + 4;
        QCOMPARE(w.Board().RevealedLetter(4)->text() + w.Board().GuessLetter(cell)->text(),
                 QString("EE"));
        QVERIFY(w.Board().SolutionField(4)->isHidden() && w.Board().GuessField(cell)->isHidden());
        QVERIFY(Shows(w.Board().GuessLetter(cell), LetterColor::Green));
        QCOMPARE(
            Heard({w.Board().RevealedLetter(4), w.Board().RevealedLetter(3), e, Visible(w, 'E')}),
            QStringList({"E, revealed", "", "E, green", "green, used"}));
        for (const int position : {1, 2}) {
            w.Board().SolutionField(position)->setFocus();
            Press(Qt::Key_F3);
        }
        QVERIFY(!w.findChild<QAction*>("hintPopupAction")->isEnabled()); // no hint is left
    }

    void aDarkPaletteKeepsTheBoardReadable() {
        // The palette of a dark desktop theme.
        const auto saved =
            qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
        QPalette dark(QColor(60, 60, 60), QColor(53, 53, 53));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            dark.setColor(role, QColor(230, 230, 230));
        }
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        QApplication::setPalette(dark);
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("pan"); // against the window "gar": A in place, N elsewhere
        const auto lightness = [](QWidget* widget, QPalette::ColorRole role,
                                  QPalette::ColorGroup group = QPalette::Active) {
            return widget->palette().color(group, role).lightnessF();
        };
        QVERIFY(lightness(w.Board().GuessLetter(0), QPalette::WindowText) < 0.3);
        QVERIFY(lightness(w.Board().GuessLetter(0), QPalette::Window) > 0.7);
        auto* entered = w.Board().GuessField(FirstField(1));
        QVERIFY(lightness(entered, QPalette::Text) < 0.3);
        QCOMPARE(entered->palette().color(QPalette::Base), QColor(Qt::white));
        auto* later = w.Board().GuessField(FirstField(4)); // its "." shows where line 5 lies
        for (const auto group : {QPalette::Active, QPalette::Disabled}) {
            QVERIFY(qAbs(lightness(later, QPalette::Text, group) -
                         lightness(later, QPalette::Base, group)) > 0.5);
        }
        QVERIFY(HasLightPixel(test::Child<QWidget>(w, "lineResult_0")));  // the black dot's outline
        QVERIFY(!HasLightPixel(test::Child<QWidget>(w, "lineResult_1"))); // nothing drawn
    }
};

QTEST_MAIN(AnalysisAidsTest)
#include "AnalysisAidsTest.moc"
