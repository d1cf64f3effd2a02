#pragma once

// The letters of the board as the player sees them: 36 guess fields in nine lines with a label
// over each that shows the evaluated letter, and six solution fields with a label over each
// that shows a revealed letter. It draws the game model's board and marking; what typing does
// and where the focus goes is BoardInput's.

#include "ui/controls/MarkSymbol.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <array>
#include <vector>

class QLabel;
class QWidget;

namespace lexel {

class GameModel;
class LetterField;
class BoardInput;

class BoardView : public QObject {
    Q_OBJECT

public:
    // Fields and labels are created inside `guessFrame` and `solutionFrame` at their twips
    // positions; `input` receives their key, focus and mouse events.
    BoardView(const GameModel& model, BoardInput& input, QWidget* guessFrame,
              QWidget* solutionFrame);

    LetterField* GuessField(int cell) const { return guessFields_.at(Index(cell)); }
    MarkedLabel* GuessLetter(int cell) const { return guessLetters_.at(Index(cell)); }
    LetterField* SolutionField(int position) const { return solutionFields_.at(Index(position)); }
    QLabel* RevealedLetter(int position) const { return revealed_.at(Index(position)); }
    const std::array<MarkedLabel*, 36>& GuessLetters() const { return guessLetters_; }
    const std::array<QLabel*, 6>& RevealedLetters() const { return revealed_; }

    // Shows the model's cells: which fields take input, which letters stand on labels.
    void Draw();
    // Paints the evaluated letters in their marking colours, with their symbols when wanted.
    void DrawColors();
    void SetSymbols(bool on);
    // Accessible names of the fields and labels in the current language.
    void Translate();
    // Tells a screen reader each letter's colour, by the names in `colorNames` (in the order of
    // LetterColor), and each revealed letter.
    void Describe(const QStringList& colorNames);
    // What just happened on the board (a line's dots, a revealed letter), for a screen reader:
    // every field that takes input carries it as its description, so it is heard with the
    // field the focus goes to, and at once where the focus stays.
    void Announce(const QString& news);

signals:
    // A right click on an evaluated letter: its colour menu.
    void cellMenuRequested(int cell, QPoint globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    void SetNews(const QString& news);
    static QString PlaceName(int cell);
    static QString SolutionPlaceName(int position);
    static void DescribeLabel(QLabel* label, const QString& place, const QString& description);
    std::vector<QWidget*> Fields() const;
    void DrawGuessCell(int cell);
    void DrawSolutionCell(int position);

    const GameModel& model_;
    std::array<LetterField*, 36> guessFields_{};
    std::array<MarkedLabel*, 36> guessLetters_{};
    std::array<LetterField*, 6> solutionFields_{};
    QString news_; // until the player's next key or click
    std::array<QLabel*, 6> revealed_{};
    bool symbols_ = false;
};

} // namespace lexel
