#include "WindowZoom.h"

#include "MainLayout.h"
#include "core/game/PlayerWrites.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <string>

namespace lexel {
namespace {

// Pixels around the client area at 100 %: the menu bar, and a window manager's frame and
// title bar, which the screen's available area does not yet leave out.
constexpr QSize MenuAllowance(0, 22);
constexpr QSize FrameAllowance(10, 40);

QSize AvailableScreen(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() - FrameAllowance : QSize(1 << 20, 1 << 20);
}

} // namespace

WindowZoom::WindowZoom(QMainWindow& window, QWidget& client, Settings& settings,
                       SettingsStore& store, MessageBoxes& boxes)
    : QObject(&window), window_(window), client_(client), stage_(new QWidget(&window)),
      settings_(settings), store_(store), boxes_(boxes), layoutHeight_(MainClientHeight) {
    stage_->setObjectName(QStringLiteral("stage"));
    client_.setParent(stage_);
    window_.setCentralWidget(stage_);
    stage_->installEventFilter(this);
    SetLayoutZoom(UsedZoom() / 100.0);
    scale_ = LayoutZoom();
    client_.resize(ClientAt(scale_));
}

int WindowZoom::UsedZoom() const {
    return FittingZoom(ClientAt(1.0) + MenuAllowance, AvailableScreen(window_), settings_.zoom);
}

QSize WindowZoom::ClientAt(double scale) const {
    return {Twips(MainClientWidth, scale), Twips(layoutHeight_, scale)};
}

void WindowZoom::SetLayoutHeight(int twips) {
    if (twips != layoutHeight_) {
        layoutHeight_ = twips;
        Apply();
    }
}

void WindowZoom::Apply() {
    SetLayoutZoom(UsedZoom() / 100.0);
    window_.setFont(LayoutFont()); // the menu bar's text
    const QSize smallest = ClientAt(MinZoom / 100.0);
    stage_->setMinimumSize(smallest);
    if (!(window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        settling_ = ClientAt(LayoutZoom());
        const int menu = window_.menuBar()->heightForWidth(settling_.width());
        window_.resize(settling_.width(), settling_.height() + std::max(menu, 0));
    }
    Fit();
}

// The board keeps its proportions and sits in the middle of what the window gives it. A window
// of the zoom's size shows the zoom itself, not a ratio of rounded sizes a hair off it.
void WindowZoom::Fit() {
    const QSize room = stage_->size();
    const QSize spare = room - ClientAt(LayoutZoom());
    if (spare.width() >= 0 && spare.height() >= 0 && std::min(spare.width(), spare.height()) <= 1) {
        scale_ = LayoutZoom();
    } else {
        const QSize natural = ClientAt(1.0);
        scale_ = std::max(MinZoom / 100.0,
                          std::min(static_cast<double>(room.width()) / natural.width(),
                                   static_cast<double>(room.height()) / natural.height()));
    }
    ScaleLayout(&client_, scale_);
    const QSize size = ClientAt(scale_);
    client_.setGeometry(std::max(0, (room.width() - size.width()) / 2),
                        std::max(0, (room.height() - size.height()) / 2), size.width(),
                        size.height());
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stage_ && event->type() == QEvent::Resize) {
        // A menu bar of another height than foreseen: the window is corrected once.
        if (settling_.isValid() && stage_->size() != settling_ &&
            window_.windowState() == Qt::WindowNoState) {
            const QSize missing = settling_ - stage_->size();
            settling_ = {};
            window_.resize(window_.size() + missing);
        } else {
            settling_ = {};
        }
        Fit();
    }
    return QObject::eventFilter(watched, event);
}

void WindowZoom::Choose(int percent) {
    if (percent == settings_.zoom) {
        return;
    }
    if (WriteOrTell(boxes_, [&] { store_.WriteOption(ZoomKey, std::to_string(percent)); })) {
        settings_.zoom = percent;
        Apply();
    }
}

// The steps go from the zoom in use, which is lower than the chosen one on a small screen.
void WindowZoom::StepIn() {
    if (UsedZoom() == settings_.zoom) { // else the screen allows no more already
        Choose(ZoomIn(settings_.zoom));
    }
}

void WindowZoom::StepOut() {
    Choose(ZoomOut(UsedZoom()));
}

void WindowZoom::ResetZoom() {
    Choose(DefaultZoom);
}

void WindowZoom::ToggleFullScreen() {
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
}

} // namespace lexel
