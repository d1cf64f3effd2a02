#pragma once

// The main window's size and the scale of its board. The board fills the window's client area
// keeping its proportions, however the window is sized, maximized or shown full screen. The
// player's zoom sets the size the window takes in its normal state, and the scale every other
// window opens at; where the screen is too small for it, a lower zoom is used, quietly.

#include <QObject>
#include <QSize>

class QMainWindow;
class QWidget;

namespace lexel {

class MessageBoxes;
class SettingsStore;
struct Settings;

class WindowZoom : public QObject {
    Q_OBJECT

public:
    // Sets the zoom the window's controls are placed at; `client` holds them.
    WindowZoom(QMainWindow& window, QWidget& client, Settings& settings, SettingsStore& store,
               MessageBoxes& boxes);

    // The layout's height in twips changed (a line shown or hidden under the board).
    void SetLayoutHeight(int twips);
    // The window at the zoom: sized to it in its normal state, its board fitted.
    void Apply();
    // The player's steps; each is stored at once.
    void StepIn();
    void StepOut();
    void ResetZoom();
    void ToggleFullScreen();

    // The scale the board is drawn at now, 1.0 being the layout as made.
    double Scale() const { return scale_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int percent);
    int UsedZoom() const;
    QSize ClientAt(double scale) const;
    void Fit();

    QMainWindow& window_;
    QWidget& client_;
    QWidget* stage_;
    Settings& settings_;
    SettingsStore& store_;
    MessageBoxes& boxes_;
    int layoutHeight_;
    double scale_ = 1.0;
    QSize settling_; // the client size the window is being brought to
};

} // namespace lexel
