#pragma once

// The anagram window shown after a win: the hidden word stands in the top row, and on each
// tick its letters move one at a time into a new row, each to its place in the next
// anagram. After the last anagram (at most six, one per row) the window closes itself; Esc
// closes it earlier.

#include <QDialog>
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTimer;

namespace lexel {

class AnagramWindow : public QDialog {
    Q_OBJECT

public:
    // `anagrams` (lower case) holds at least one word; the first six are shown.
    AnagramWindow(std::vector<std::string> anagrams, const std::string& hiddenWord,
                  QWidget* parent = nullptr);

    // Runs the animation's next step now instead of at its time: ends the pause that is
    // running, or, between ticks, brings the next tick. Returns whether the tick has
    // steps left, so `while (Step()) {}` plays a whole tick. For tests.
    bool Step();

    // Makes the ticks and every pause `factor` times shorter. For tests.
    void SpeedUp(int factor);

    void done(int result) override;

private:
    // One visible step of a tick: `action` runs when the pause before it has passed.
    struct Beat {
        int pauseMs;
        std::function<void()> action;
    };

    void CreateControls();
    void Start(const std::string& hiddenWord);
    void Translate();
    void Tick();
    void PlanRow();
    void PlanClose();
    void Grow();
    void Centre();
    void MoveLetter(int i);
    void RowDone();
    void RunFront();
    void RunDueBeats();
    int Scaled(int ms) const;
    int Rows() const;

    std::vector<std::string> anagrams_;
    int rowsDone_ = 0;       // anagrams shown so far
    QString current_;        // the anagram being built, its placed letters replaced by "?"
    std::deque<Beat> beats_; // the rest of the current tick
    bool tickDue_ = false;   // a tick came while the previous one was still playing
    bool closed_ = false;
    int speedUp_ = 1;

    std::array<QLabel*, 6> wordCells_{};
    std::array<QLabel*, 36> anagramCells_{};
    QTimer* tickTimer_ = nullptr;
    QTimer* pause_ = nullptr;
};

} // namespace lexel
