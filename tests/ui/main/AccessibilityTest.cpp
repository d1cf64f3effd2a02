#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

using namespace lexel;
using test::ChooseFromPopup;
using test::Press;
using test::Type;

namespace {

// What a screen reader hears: the texts of the widget's accessible interface.
QString Name(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}
QString Description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QWidget* Named(MainWindow& w, const QString& name) {
    return test::Child<QWidget>(w, name);
}
QWidget* Button(MainWindow& w, const char* panel, char letter) {
    return Named(w, QStringLiteral("%1_%2").arg(QLatin1String(panel)).arg(letter - 'A'));
}
QWidget* LineDots(MainWindow& w, int line) {
    return Named(w, QStringLiteral("lineResult_%1").arg(line - 1));
}

void Guess(const char* word) {
    Type(QLatin1String(word));
    Press(Qt::Key_Return);
}

// The options window, opened with F5, switched to German.
void SwitchToGerman(MainWindow& w) {
    QTimer::singleShot(0, [] {
        auto* options = QApplication::activeModalWidget();
        options->findChild<QAbstractButton*>("germanOption")->click();
        options->findChild<QAbstractButton*>("okButton")->click();
    });
    QTest::keyClick(&w, Qt::Key_F5);
    test::Reactivate(&w);
}

struct Texts {
    const char* language;
    const char* cell;
    const char* lastCell;
    const char* solution;
    const char* time;
    const char* grayUnused;
    const char* notEvaluated;
};

const Texts English{
    "E",         "Line 3, letter 2", "Line 9, letter 6",      "Solution, letter 4",
    "Used time", "gray, unused",     "Line 5: not evaluated",
};
const Texts German{
    "D",
    "Zeile 3, Buchstabe 2",
    "Zeile 9, Buchstabe 6",
    "Lösungszeile, Buchstabe 4",
    "Verbrauchte Zeit",
    "grau, nicht benutzt",
    "Zeile 5: nicht ausgewertet",
};

// Lines 1 to 8 with words of the sample lists; against "garden" none is right.
const char* const Words[] = {"ten", "dog", "pan", "abc", "plan", "tale", "plane", "petal"};

double Lightness(const QColor& color) {
    return color.lightnessF();
}

// The application palette of a dark desktop theme while it lives.
class DarkPalette {
public:
    DarkPalette() {
        QPalette dark(QColor(60, 60, 60), QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(saved_); }

private:
    QPalette saved_ = QApplication::palette();
};

bool HasLightPixel(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightnessF() > 0.6) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cellsPanelsAndTheTimerAreNamedInEitherLanguage() {
        for (const Texts& t : {English, German}) {
            test::MainWindowFixture f(t.language);
            auto& w = f.Start();
            const QString cell = QString::fromUtf8(t.cell);
            QCOMPARE(Name(w.Board().GuessField(FirstField(2) + 1)), cell);
            QCOMPARE(Name(w.Board().GuessLetter(FirstField(2) + 1)),
                     cell); // the label over that field
            QCOMPARE(Name(w.Board().GuessField(LastField(8))), QString::fromUtf8(t.lastCell));
            QCOMPARE(Name(w.Board().SolutionField(3)), QString::fromUtf8(t.solution));
            QCOMPARE(Name(w.Board().RevealedLetter(3)), QString::fromUtf8(t.solution));
            QCOMPARE(Name(Named(w, "timeLabel")), QString::fromUtf8(t.time));
            QCOMPARE(Description(Named(w, "timeLabel")), QStringLiteral("00:00:00"));
            QCOMPARE(Name(Button(w, "unusedLetter", 'E')), QStringLiteral("E"));
            QCOMPARE(Description(Button(w, "unusedLetter", 'E')), QString::fromUtf8(t.grayUnused));
            QCOMPARE(Name(LineDots(w, 5)), QString::fromUtf8(t.notEvaluated));
        }
    }

    void aLanguageChangeRetellsNamesAndOutcomes() {
        test::MainWindowFixture f("E");
        auto& w = f.Start();
        Guess("ten");
        SwitchToGerman(w);
        QCOMPARE(Name(w.Board().GuessField(FirstField(2) + 1)),
                 QStringLiteral("Zeile 3, Buchstabe 2"));
        QCOMPARE(Name(LineDots(w, 1)), QString::fromUtf8("Zeile 1: 0 schwarz, 2 weiß"));
        QCOMPARE(Description(w.Board().GuessLetter(0)), QStringLiteral("T, grau"));
        QCOMPARE(Description(Button(w, "usedLetter", 'T')), QStringLiteral("grau, benutzt"));
        QCOMPARE(Name(Named(w, "timeLabel")), QStringLiteral("Verbrauchte Zeit"));
    }

    void eachEvaluatedLineTellsItsOutcomeUntilTheNextGame() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten"); // against the window "gar": E and N elsewhere in "garden"
        QCOMPARE(Name(LineDots(w, 1)), QStringLiteral("Line 1: 0 black, 2 white"));
        // One object per line: a screen reader announces each outcome once.
        const auto* dots = QAccessible::queryAccessibleInterface(Named(w, "dotColumn"));
        int named = 0;
        for (int i = 0; i < dots->childCount(); ++i) {
            named += dots->child(i)->text(QAccessible::Name).startsWith(QLatin1String("Line 1:"));
        }
        QCOMPARE(named, 1);
        QCOMPARE(Description(w.Board().GuessLetter(0)), QStringLiteral("T, gray"));
        QCOMPARE(Description(w.Board().GuessLetter(2)), QStringLiteral("N, gray"));
        QCOMPARE(Name(LineDots(w, 2)), QStringLiteral("Line 2: not evaluated"));
        QCOMPARE(Description(w.Board().GuessLetter(3)), QString()); // line 2 is not evaluated

        f.boxes.answers = {MessageAnswer::Yes}; // abort the game
        QTest::keyClick(&w, Qt::Key_F2);
        test::Reactivate(&w);
        QCOMPARE(w.Model().State().currentLine, 0);
        QCOMPARE(Name(LineDots(w, 1)), QStringLiteral("Line 1: not evaluated"));
        QCOMPARE(Description(w.Board().GuessLetter(0)), QString());
        QCOMPARE(Description(w.Board().RevealedLetter(0)),
                 QString()); // the solution shown at the abort
    }

    void theLastLineAndTheSolutionAreToldWhenTheGameIsLost() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        for (const char* word : Words) {
            Guess(word);
        }
        Guess("danger"); // against "garden": A and E in place, D, N, G, R elsewhere
        QVERIFY(!w.Model().State().GameRunning);
        QCOMPARE(Name(LineDots(w, 9)), QStringLiteral("Line 9: 2 black, 4 white"));
        QCOMPARE(Description(w.Board().GuessLetter(FirstField(8))), QStringLiteral("D, gray"));
        QCOMPARE(Description(w.Board().RevealedLetter(0)), QStringLiteral("G, revealed"));
        QCOMPARE(Description(w.Board().RevealedLetter(5)), QStringLiteral("N, revealed"));
    }

    void letterButtonsTellTheirColourAndPanel() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        QCOMPARE(Description(Button(w, "unusedLetter", 'E')), QStringLiteral("gray, unused"));
        Guess("ten");
        QVERIFY(Button(w, "unusedLetter", 'E')->isHidden());
        QCOMPARE(Name(Button(w, "usedLetter", 'E')), QStringLiteral("E"));
        QCOMPARE(Description(Button(w, "usedLetter", 'E')), QStringLiteral("gray, used"));

        ChooseFromPopup(Button(w, "usedLetter", 'T'), "buttonRed");
        QCOMPARE(Description(Button(w, "usedLetter", 'T')), QStringLiteral("red, used"));
        QCOMPARE(Description(w.Board().GuessLetter(0)), QStringLiteral("T, red"));
        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier); // Reset To Gray
        QCOMPARE(Description(Button(w, "usedLetter", 'T')), QStringLiteral("gray, used"));
        QCOMPARE(Description(w.Board().GuessLetter(0)), QStringLiteral("T, gray"));

        w.Board().SolutionField(4)->setFocus(); // the E of "garden"
        QTest::keyClick(&w, Qt::Key_F3);
        QCOMPARE(Description(Button(w, "usedLetter", 'E')), QStringLiteral("green, used"));
        QCOMPARE(Description(w.Board().GuessLetter(1)), QStringLiteral("E, green"));
        QCOMPARE(Name(w.Board().RevealedLetter(4)), QStringLiteral("Solution, letter 5"));
        QCOMPARE(Description(w.Board().RevealedLetter(4)), QStringLiteral("E, revealed"));
        QCOMPARE(Description(w.Board().RevealedLetter(3)), QString());
    }

    // A screen reader offers the letter buttons as buttons; pressing one types its letter as a
    // click does.
    void letterButtonsAreButtonsWithAPressAction() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        auto* button = QAccessible::queryAccessibleInterface(Button(w, "unusedLetter", 'D'));
        QCOMPARE(button->role(), QAccessible::Button);
        auto* actions = button->actionInterface();
        QVERIFY(actions != nullptr);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.Board().GuessField(0)->text(), QStringLiteral("D"));
        QCOMPARE(test::Focused(), QStringLiteral("guessField_1"));
    }

    void lettersAreMarkedFromTheKeyboardToo() {
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("ten");
        w.Board().GuessField(FirstField(1))->setFocus();
        test::Type("e");
        w.Board().GuessField(FirstField(1))->setFocus(); // back on the E just typed
        QTimer::singleShot(0, [] {
            if (auto* popup = QApplication::activePopupWidget()) {
                popup->findChild<QAction*>(QStringLiteral("buttonYellow"))->trigger();
                popup->close();
            }
        });
        test::Press(Qt::Key_Menu);
        test::Reactivate(&w);
        QCOMPARE(Description(w.findChild<LetterButtonView*>(QStringLiteral("usedLetter_4"))),
                 QStringLiteral("yellow, used"));
        QCOMPARE(test::PopupAfterPress(w.Board().GuessLetter(1)), QStringLiteral("cellColorMenu"));
        const auto opened = std::make_shared<QString>();
        QTimer::singleShot(0, [opened] {
            if (auto* popup = QApplication::activePopupWidget()) {
                *opened = popup->objectName();
                popup->close();
            }
        });
        QTest::keyClick(w.Board().GuessField(FirstField(1)), Qt::Key_F10, Qt::ShiftModifier);
        QTest::qWait(5);
        QCOMPARE(*opened, QStringLiteral("buttonColorMenu"));
    }

    void aDarkPaletteKeepsTheBoardReadable() {
        DarkPalette dark;
        test::MainWindowFixture f;
        auto& w = f.Start();
        Guess("pan"); // against the window "gar": A in place, N elsewhere
        QCOMPARE(Name(LineDots(w, 1)), QStringLiteral("Line 1: 1 black, 1 white"));

        auto* letter = w.Board().GuessLetter(0);
        QVERIFY(Lightness(letter->palette().color(QPalette::WindowText)) < 0.3);
        QVERIFY(Lightness(letter->palette().color(QPalette::Window)) > 0.7);
        auto* entered = w.Board().GuessField(FirstField(1));
        QVERIFY(Lightness(entered->palette().color(QPalette::Text)) < 0.3);
        QCOMPARE(entered->palette().color(QPalette::Base), QColor(Qt::white));
        auto* later = w.Board().GuessField(FirstField(4)); // its "." shows where line 5 lies
        for (const auto group : {QPalette::Active, QPalette::Disabled}) {
            const auto& palette = later->palette();
            QVERIFY(qAbs(Lightness(palette.color(group, QPalette::Text)) -
                         Lightness(palette.color(group, QPalette::Base))) > 0.5);
        }
        QVERIFY(HasLightPixel(LineDots(w, 1)));  // the black dot's outline
        QVERIFY(!HasLightPixel(LineDots(w, 2))); // no dots, nothing drawn on the dark frame
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
