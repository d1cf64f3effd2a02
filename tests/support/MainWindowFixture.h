#pragma once

// A main window over its own sample Lexel file, with a fixed hidden word ("garden": level 2,
// words of that level only), a hand-set clock and scripted answers to its questions.

#include "FakeClock.h"
#include "ScriptedRandom.h"
#include "WindowFixture.h"
#include "game/fmMain.h"
#include "settings/Settings.h"
#include "store/WordStore.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace lexel::test {

struct MainWindowFixture : WindowFixture {
    explicit MainWindowFixture(const std::string& language = "E") : WindowFixture(language) {
        settings.Language = language;
        settings.Class = "2";
        settings.Only = true;
    }

    // Creates the window and runs its start-up steps, as the program does.
    fmMain& Start() {
        window = std::make_unique<fmMain>(
            GameServices{db, store, words, settings, boxes, help, random, clock, languageSwitch});
        window->Form_Load();
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
    std::unique_ptr<fmMain> window;
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

// Closes the next modal window that opens (the statistics after a win, the quotation).
inline void CloseNextModal(QStringList* seen = nullptr) {
    QTimer::singleShot(0, [seen] {
        if (auto* modal = QApplication::activeModalWidget()) {
            if (seen) {
                seen->append(modal->objectName());
            }
            modal->close();
        }
    });
}

} // namespace lexel::test
