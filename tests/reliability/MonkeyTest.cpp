// A seeded monkey drives the real main window with random keys, pasted text, clicks on every
// control, menu commands, option changes, language switches, new games and idle stretches with
// the clock running on, and checks after each event what a player relies on.

#include "core/rules/BoardGeometry.h"
#include "support/MainWindowFixture.h"
#include "ui/board/BoardView.h"
#include "ui/controls/LetterButtonView.h"
#include "ui/controls/LetterField.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <random>
#include <utility>

using namespace lexel;

namespace {

constexpr int Events = 20000;
constexpr std::uint32_t Seed = 20261207;

// The language the next options window switches to ("englishOption" English, "germanOption"
// German).
QString languageToChoose;

// Modal windows and popup menus opened by the monkey are closed as soon as they show; an
// options window chooses the language asked for first.
void CloseWhatOpens() {
    if (auto* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (dialog->objectName() == QLatin1String("OptionsDialog") && !languageToChoose.isEmpty()) {
            dialog->findChild<QAbstractButton*>(std::exchange(languageToChoose, {}))->click();
            dialog->findChild<QAbstractButton*>(QStringLiteral("okButton"))->click();
        } else {
            dialog->reject();
        }
    }
}

class Monkey {
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    decltype(auto) OneOf(const auto& list) { return list[Pick(static_cast<int>(std::size(list)))]; }

public:
    Monkey(test::MainWindowFixture& f, MainWindow& w) : f_(f), w_(w) {
        targets_.removeIf([](QWidget* widget) { return qobject_cast<QMenu*>(widget) != nullptr; });
    }

    void Act() {
        f_.boxes.answers = {Pick(2) ? MessageAnswer::Yes : MessageAnswer::No};
        // Typing is the commonest event, then clicks.
        static constexpr void (Monkey::*moves[])() = {
            &Monkey::TypeCharacter, &Monkey::TypeCharacter,   &Monkey::TypeCharacter,
            &Monkey::TypeCharacter, &Monkey::PressControlKey, &Monkey::Paste,
            &Monkey::Click,         &Monkey::Click,           &Monkey::TriggerCommand,
            &Monkey::ChangeOptions};
        (this->*OneOf(moves))();
        QCoreApplication::processEvents();
        if (!w_.isVisible()) { // closed by a command: the player starts it again
            w_.show();
            QApplication::setActiveWindow(&w_);
        }
    }

    // What must hold after every event; "" when it does.
    QString Broken() {
        const auto& game = w_.Model().State();
        const auto& cells = w_.Model().Cells();
        // Only a new game takes the line back: to line 1, with nothing evaluated.
        const bool newGame = game.currentLine == 0 && !cells.Result(0);
        if (game.currentLine < lastLine_ && !newGame) {
            return QString::asprintf("the line went back from %d to %d", lastLine_ + 1,
                                     game.currentLine + 1);
        }
        lastLine_ = game.currentLine;
        if (game.aids.hints > 3) {
            return QString::asprintf("%d hints", game.aids.hints);
        }
        for (int i = 0; i < AlphabetSize; ++i) {
            const auto shown = [&](const char* kind) {
                return !w_.findChild<LetterButtonView*>(QString::asprintf("%sLetter_%d", kind, i))
                            ->isHidden();
            };
            if (shown("used") == shown("unused")) {
                return QString::asprintf("letter %c shows %d buttons", 'A' + i,
                                         shown("used") ? 2 : 0);
            }
        }
        for (int line = 0; line < LineCount; ++line) {
            if (const auto& result = cells.Result(line);
                result && result->Good() > LineLength(line)) {
                return QString::asprintf("line %d earned %d dots", line + 1, result->Good());
            }
        }
        // The screen shows the game: every field that takes letters holds the game's letter.
        for (int k = 0; k < FieldCount; ++k) {
            const auto* field = w_.Board().GuessField(k);
            const QString held = QChar::fromLatin1(cells.Guess(k).content.Shown());
            if (!field->isHidden() && field->text() != held) {
                return QStringLiteral("field %1 shows '%2', the game holds '%3'")
                    .arg(QString::number(k), field->text(), held);
            }
        }
        return {};
    }

private:
    QWidget* FocusTarget() {
        auto* focus = QApplication::focusWidget();
        return focus ? focus : &w_;
    }

    void TypeCharacter() {
        static const QString characters =
            QStringLiteral(
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?_.,'\"<>&") +
            QString::fromUtf8("äöüßÄéñ€漢\u202e");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString(OneOf(characters)));
        QApplication::sendEvent(FocusTarget(), &press);
    }

    void PressControlKey() {
        static const Qt::Key keys[] = {
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down,      Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab,   Qt::Key_Home,
            Qt::Key_End,       Qt::Key_F1,     Qt::Key_F3,     Qt::Key_F4,    Qt::Key_F6};
        // One in eight is a control combination: Ctrl+S, Ctrl+G, Ctrl+Y, Ctrl+V, Ctrl+Z, Ctrl+A.
        static const Qt::Key letters[] = {Qt::Key_S, Qt::Key_G, Qt::Key_Y,
                                          Qt::Key_V, Qt::Key_Z, Qt::Key_A};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                          Qt::ControlModifier, Qt::AltModifier};
        const bool control = Pick(8) == 0;
        // Drawn one after the other: arguments would be drawn in the compiler's order.
        const Qt::Key key = control ? OneOf(letters) : OneOf(keys);
        QTest::keyClick(FocusTarget(), key, control ? Qt::ControlModifier : OneOf(modifiers));
    }

    void Paste() {
        static const QStringList texts{"A", "q", "AB", "<b>X</b>", "", "\n", "Ü", "?", "_", " "};
        QGuiApplication::clipboard()->setText(OneOf(texts));
        QTest::keyClick(FocusTarget(), Qt::Key_V, Qt::ControlModifier);
    }

    void Click() {
        auto* target = OneOf(targets_);
        if (!target->isVisible()) {
            return;
        }
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton};
        QTest::mouseClick(
            target, OneOf(buttons), {},
            QPoint(Pick(std::max(1, target->width())), Pick(std::max(1, target->height()))));
    }

    void TriggerCommand() {
        if (auto* action = OneOf(actions_); action->isEnabled() && !action->isSeparator()) {
            action->trigger();
        }
    }

    void ChangeOptions() {
        auto& settings = f_.settings;
        settings.level = static_cast<Level>(1 + Pick(4));
        settings.onlyThisLevel = Pick(2) == 0;
        settings.cheating = Pick(2) == 0;
        settings.autoColor = Pick(3) != 0;
        settings.showTime = Pick(2) == 0;
        if (Pick(4) == 0) {
            QTest::keyClick(&w_, Qt::Key_F2); // a new game, asked or not
        }
        if (Pick(4) == 0) {
            languageToChoose =
                Pick(2) ? QStringLiteral("germanOption") : QStringLiteral("englishOption");
            QTest::keyClick(&w_, Qt::Key_F5);
        }
        if (Pick(150) == 0) { // the player leaves the game alone while the window's timer ticks
            f_.clock.now += 20 + Pick(600);
            QTest::qWait(250);
        }
    }

    test::MainWindowFixture& f_;
    MainWindow& w_;
    std::mt19937 random_{Seed};
    QList<QWidget*> targets_ = w_.findChildren<QWidget*>(); // every control but the menus
    QList<QAction*> actions_ = w_.findChildren<QAction*>();
    int lastLine_ = 0;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepTheGameSound() {
        test::MainWindowFixture f;
        f.random = test::ScriptedRandom({0.3f, 0.9f, 0.1f, 0.5f, 0.7f, 0.05f, 0.95f, 0.6f});
        auto& w = f.Start();
        QTimer closer;
        closer.callOnTimeout(&CloseWhatOpens);
        closer.start(0);
        Monkey monkey(f, w);
        for (int event = 1; event <= Events; ++event) {
            monkey.Act();
            if (const QString broken = monkey.Broken(); !broken.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("after event %1: %2").arg(event).arg(broken)));
            }
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
