#include "LanguageSwitch.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace lexel {

LanguageSwitch::LanguageSwitch() = default;

// Loaded when German is first chosen: an English game never reads the files.
void LanguageSwitch::LoadGerman() {
    german_ = std::make_unique<QTranslator>();
    if (!german_->load(QStringLiteral(":/i18n/lexel_de.qm"))) {
        qWarning("The German translation is missing from this build.");
    }
    // Optional: present when Qt's translations are installed.
    germanQt_ = std::make_unique<QTranslator>();
    (void)germanQt_->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

LanguageSwitch::~LanguageSwitch() {
    Apply(InterfaceLanguage::English);
}

void LanguageSwitch::Apply(InterfaceLanguage language) {
    const bool german = language == InterfaceLanguage::German;
    if (german == installed_) {
        return;
    }
    if (german) {
        if (!german_) {
            LoadGerman();
        }
        QCoreApplication::installTranslator(germanQt_.get());
        QCoreApplication::installTranslator(german_.get());
    } else {
        QCoreApplication::removeTranslator(german_.get());
        QCoreApplication::removeTranslator(germanQt_.get());
    }
    installed_ = german;
}

} // namespace lexel
