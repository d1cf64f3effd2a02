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
    QCoreApplication::removeTranslator(german_.get());
    QCoreApplication::removeTranslator(germanQt_.get());
    QCoreApplication::removeTranslator(english_.get());
}

// English needs its file too: the forms for one of the texts that count.
void LanguageSwitch::Apply(InterfaceLanguage language) {
    const bool german = language == InterfaceLanguage::German;
    if (applied_ && german == installed_) {
        return;
    }
    if (!english_) {
        english_ = std::make_unique<QTranslator>();
        if (!english_->load(QStringLiteral(":/i18n/lexel_en.qm"))) {
            qWarning("The English plural forms are missing from this build.");
        }
    }
    if (german) {
        if (!german_) {
            LoadGerman();
        }
        QCoreApplication::removeTranslator(english_.get());
        QCoreApplication::installTranslator(germanQt_.get());
        QCoreApplication::installTranslator(german_.get());
    } else {
        QCoreApplication::removeTranslator(german_.get());
        QCoreApplication::removeTranslator(germanQt_.get());
        QCoreApplication::installTranslator(english_.get());
    }
    installed_ = german;
    applied_ = true;
}

} // namespace lexel
