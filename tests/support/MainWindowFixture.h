#pragma once

// A main window over its own sample Lexel file, with a fixed hidden word ("garden": level 2,
// words of that level only), a hand-set clock and scripted answers to its questions.

#include "FakeClock.h"
#include "ScriptedRandom.h"
#include "WindowFixture.h"
#include "core/history/RecordedGames.h"
#include "core/settings/Settings.h"
#include "core/store/WordStore.h"
#include "ui/main/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QtTest>
#include <functional>
#include <memory>

namespace lexel::test {

// Makes `window` the active one, as a window manager would: the keys of the next steps need
// it, and a closed popup leaves the offscreen platform without any.
inline void Reactivate(QWidget* window) {
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        qFatal("the window did not become active");
    }
    QTest::qWait(5); // the focus the activation restores arrives before the next keys
}

struct MainWindowFixture : WindowFixture {
    explicit MainWindowFixture(const std::string& language = "E") : WindowFixture(language) {
        settings.language = LanguageOf(language);
        settings.level = Level::Advanced;
        settings.onlyThisLevel = true;
    }

    // Creates the window and runs its start-up steps, as the program does.
    MainWindow& Start() {
        window = std::make_unique<MainWindow>(GameServices{store, words, records, settings, boxes,
                                                           help, random, clock, languageSwitch});
        window->Start();
        window->show();
        Reactivate(window.get());
        return *window;
    }

    ScriptedRandom random{{0.3f}}; // key 2 of the sample: garden
    FakeClock clock;
    Settings settings = DefaultSettings();
    WordStore words{db, random};
    RecordedGames records{store};
    std::unique_ptr<MainWindow> window;
};

// Types `text` into whatever field has the focus, one key at a time, as a player does.
inline void Type(const QString& text) {
    QTest::keyClicks(static_cast<QWidget*>(nullptr), text);
}

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// Types a word into the line being edited and presses Enter.
inline void Guess(const char* word) {
    Type(QLatin1String(word));
    Press(Qt::Key_Return);
}

// What a screen reader hears of `object`: its description, or the text asked for.
inline QString Heard(QObject* object, QAccessible::Text text = QAccessible::Description) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

inline QString Focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "<none>";
}

// Runs `open` and returns the name of the popup menu it opened, or "" when none did; the item
// named `item` is chosen from it, and it is closed.
inline QString Popup(QWidget* window, const std::function<void()>& open,
                     const char* item = nullptr) {
    auto name = std::make_shared<QString>(); // outlives this call should the timer fire late
    QTimer::singleShot(0, [name, item] {
        if (auto* popup = QApplication::activePopupWidget()) {
            *name = popup->objectName();
            if (item != nullptr) {
                popup->findChild<QAction*>(QLatin1String(item))->trigger();
            }
            popup->close();
        }
    });
    open();
    QTest::qWait(5); // the check above runs now when no popup held the events
    Reactivate(window);
    return *name;
}

// The popup a press of `mouse` on `target` opens, as Popup() above.
inline QString PopupOf(QWidget* target, const char* item = nullptr,
                       Qt::MouseButton mouse = Qt::RightButton) {
    return Popup(
        target->window(), [=] { QTest::mouseClick(target, mouse); }, item);
}

} // namespace lexel::test
