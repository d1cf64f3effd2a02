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

// Whether `a` and `b` overlap by more than an edge of a few pixels.
inline bool Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.width() > 4 && both.height() > 4;
}

// The first fault of the layout under `parent`, "" when none: each named control that shows lies
// inside its parent (a frame may hide an edge a few pixels outside), clear of the others
// beside it. Qt's own inner widgets are not looked into.
inline QString LayoutFault(const QWidget& parent) {
    QList<const QWidget*> shown;
    for (const auto* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && !child->objectName().isEmpty() &&
            !child->objectName().startsWith(QLatin1String("qt_"))) {
            shown << child;
        }
    }
    for (const auto* child : shown) {
        if (!parent.rect().adjusted(-5, -5, 5, 5).contains(child->geometry())) {
            return child->objectName() + QStringLiteral(" sticks out");
        }
        for (const auto* other : shown) {
            if (other != child && Overlap(other->geometry(), child->geometry())) {
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

} // namespace lexel::test
