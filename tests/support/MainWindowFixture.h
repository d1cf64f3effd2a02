#pragma once

// A main window over its own sample Lexel file, with a fixed hidden word ("garden": level 2,
// words of that level only), a hand-set clock and scripted answers to its questions.

#include "FakeClock.h"
#include "ScriptedRandom.h"
#include "WindowFixture.h"
#include "core/settings/Settings.h"
#include "core/store/WordStore.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace lexel::test {

struct MainWindowFixture : WindowFixture {
    explicit MainWindowFixture(const std::string& language = "E") : WindowFixture(language) {
        settings.language = LanguageOf(language);
        settings.level = Level::Advanced;
        settings.onlyThisLevel = true;
    }

    // Creates the window and runs its start-up steps, as the program does.
    MainWindow& Start() {
        window = std::make_unique<MainWindow>(
            GameServices{db, store, words, settings, boxes, help, random, clock, languageSwitch});
        window->Start();
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get())) {
            qFatal("the main window did not become active");
        }
        return *window;
    }

    ScriptedRandom random{{0.3f}}; // key 2 of the sample: garden
    FakeClock clock;
    Settings settings = DefaultSettings();
    WordStore words{db, random};
    std::unique_ptr<MainWindow> window;
};

// Types `text` into whatever field has the focus, one key at a time, as a player does.
inline void Type(const QString& text) {
    for (const QChar c : text) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), c.toLatin1());
    }
}

inline void Press(Qt::Key key) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key);
}

inline QString Focused() {
    auto* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

// While it lives, closes every modal window as soon as it opens (the statistics and the
// anagrams after a win, the quotation on leaving) and keeps their names in order.
class ModalCloser {
public:
    ModalCloser() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* modal = QApplication::activeModalWidget()) {
                seen.append(modal->objectName());
                modal->close();
            }
        });
        timer_.start();
    }
    QStringList seen;

private:
    QTimer timer_;
};

// A closed popup leaves the offscreen platform without an active window: the keys of the
// next steps need it back, as a window manager would give it.
inline void Reactivate(QWidget* window) {
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        qFatal("the window did not become active again");
    }
    QTest::qWait(5); // the focus the activation restores arrives before the next keys
}

// Presses `mouse` on `target` and returns the name of the popup menu that opened (closed at
// once), or "" when none did.
inline QString PopupAfterPress(QWidget* target, Qt::MouseButton mouse = Qt::RightButton) {
    auto name = std::make_shared<QString>();
    QTimer::singleShot(0, [name] {
        if (auto* popup = QApplication::activePopupWidget()) {
            *name = popup->objectName();
            popup->close();
        }
    });
    QTest::mousePress(target, mouse);
    QTest::mouseRelease(target, mouse);
    QTest::qWait(5); // the check above runs now when no popup held the events
    Reactivate(target->window());
    return *name;
}

// Presses the right button on `target` and picks the item named `item` from its popup.
inline void ChooseFromPopup(QWidget* target, const char* item) {
    QTimer::singleShot(0, [item] {
        if (auto* popup = QApplication::activePopupWidget()) {
            popup->findChild<QAction*>(QLatin1String(item))->trigger();
            popup->close();
        }
    });
    QTest::mousePress(target, Qt::RightButton);
    QTest::qWait(5);
    Reactivate(target->window());
}

} // namespace lexel::test
