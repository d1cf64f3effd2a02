#pragma once

// What a window test needs: its own Lexel file in a temporary directory, the settings store
// over it, fake message boxes and help, and the language it expects.

#include "FakeHelp.h"
#include "FakeMessageBoxes.h"
#include "SampleLexelFile.h"
#include "TempDir.h"
#include "core/settings/SettingsStore.h"
#include "ui/dialogs/LanguageSwitch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <vector>

namespace lexel::test {

// The language of a test by its stored letter: "D" German, "E" English.
inline InterfaceLanguage LanguageOf(const std::string& letter) {
    return letter == "D" ? InterfaceLanguage::German : InterfaceLanguage::English;
}

struct WindowFixture {
    explicit WindowFixture(const std::string& language) {
        languageSwitch.Apply(LanguageOf(language));
    }

    std::string Stored(const std::string& key) { return StoredOption(db, key); }

    // Every Options row, to show that a refused write changed none.
    std::string OptionRows() {
        auto all = db.Prepare("SELECT group_concat(Name || '=' || Value) FROM Options");
        return all.Step() ? all.Text(0) : std::string();
    }

    // From now on the file refuses every new Options row, as a failing disk would.
    void RefuseWrites() {
        db.Execute("CREATE TRIGGER refuse BEFORE INSERT ON Options "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
    }

    TempDir dir;
    sql::Database db = OpenSampleFile(dir / "Lexel.lxl");
    SettingsStore store{db};
    FakeMessageBoxes boxes;
    FakeHelp help;
    LanguageSwitch languageSwitch;
};

// The control named `name`; the test stops at once when the window has none.
template <typename T> T* Child(QWidget& window, const QString& name) {
    auto* child = window.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return child;
}

inline void Show(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        qFatal("the window did not show");
    }
}

// Clicks near the left edge: an option or check box answers only on its box and caption.
inline void Click(QWidget& window, const QString& name) {
    auto* button = Child<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// The first fault of the layout under `parent`, "" when none: each named control that shows lies
// inside its parent (a frame may hide an edge a few pixels outside), clear of the others
// beside it. Qt's own inner widgets are not looked into.
inline QString LayoutFault(const QWidget& parent) {
    auto shown = parent.findChildren<const QWidget*>(Qt::FindDirectChildrenOnly);
    shown.removeIf([](const QWidget* child) {
        return child->isHidden() || child->objectName().isEmpty() ||
               child->objectName().startsWith(QLatin1String("qt_"));
    });
    for (const auto* child : shown) {
        if (!parent.rect().adjusted(-5, -5, 5, 5).contains(child->geometry())) {
            return child->objectName() + QStringLiteral(" sticks out");
        }
        for (const auto* other : shown) {
            const QRect both = other->geometry().intersected(child->geometry());
            if (other != child && both.width() > 4 && both.height() > 4) { // more than an edge
                return child->objectName() + QStringLiteral(" overlaps ") + other->objectName();
            }
        }
        if (const auto fault = LayoutFault(*child); !fault.isEmpty()) {
            return fault;
        }
    }
    return {};
}

// While it lives, closes every modal window as soon as it opens (the statistics and the
// anagrams after a win, the quotation on leaving) and keeps their names in order.
class ModalCloser {
public:
    ModalCloser() {
        timer_.callOnTimeout([this] {
            if (auto* modal = QApplication::activeModalWidget()) {
                seen.append(modal->objectName());
                modal->close();
            }
        });
        timer_.start(0);
    }
    QStringList seen;

private:
    QTimer timer_;
};

} // namespace lexel::test
