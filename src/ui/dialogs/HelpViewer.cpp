#include "HelpViewer.h"

#include "LanguageSwitch.h"
#include "core/ports/MessageBoxes.h"
#include "ui/controls/Twips.h"

#include <QApplication>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lexel {
namespace {

QString PagePath(const QString& language, HelpTopic topic) {
    return QStringLiteral(":/help/%1/topic%2.html").arg(language).arg(static_cast<int>(topic));
}

} // namespace

HelpViewer::HelpViewer(const QString& language, HelpTopic topic, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setModal(true);
    setWindowTitle(tr("Morvane Lexel Help"));
    // At a large zoom the help would be larger than the screen; it can be resized after all.
    const QSize wanted(Twips(9000), Twips(7500));
    const auto* screen = QGuiApplication::primaryScreen();
    resize(screen ? wanted.boundedTo(screen->availableGeometry().size() * 9 / 10) : wanted);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    QFont text = browser_->font(); // the desktop's reading size, at the player's zoom
    text.setPointSizeF(text.pointSizeF() * LayoutZoom());
    browser_->setFont(text);
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc") + PagePath(language, topic)));
    closeButton_ = new QPushButton(tr("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &HelpViewer::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(closeButton_, 0, Qt::AlignRight);
}

HelpFiles::~HelpFiles() {
    if (!registered_.isEmpty()) {
        QResource::unregisterResource(registeredPath_);
    }
}

bool HelpFiles::Register(const QString& language) {
    if (registered_ == language) {
        return true;
    }
    if (!registered_.isEmpty()) {
        QResource::unregisterResource(registeredPath_);
        registered_.clear();
    }
    const auto path = QString::fromStdString(
        (directory_ / ("Lexel_" + language.toStdString() + ".rcc")).string());
    // The file holds its pages under /help/<language>/ already; it is mapped at the root.
    if (!QResource::registerResource(path)) {
        return false;
    }
    registered_ = language;
    registeredPath_ = path;
    return true;
}

void HelpFiles::ShowTopic(HelpTopic topic) {
    const QString language = language_.IsGerman() ? QStringLiteral("D") : QStringLiteral("E");
    if (!Register(language)) {
        boxes_.Show({MessageIcon::Critical,
                     QCoreApplication::translate("lexel::HelpViewer",
                                                 "The help file Lexel_%1.rcc could not be opened.")
                         .arg(language)});
        return;
    }
    HelpViewer viewer(language, topic, QApplication::activeWindow());
    viewer.exec();
}

} // namespace lexel
