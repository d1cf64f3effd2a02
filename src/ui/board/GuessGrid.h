#pragma once

// The guess grid and the solution line: 36 guess fields tbL1(0..35) in nine lines, six solution
// fields Text1(0..5), and the labels over them (lbGuess(1..36) for evaluated letters, lbHint(0..5)
// for revealed ones). Owns what a field accepts and how the focus travels; the game rules and
// the enable states stay with the main window, which listens to the signals.

#include "core/rules/FieldInput.h"
#include "core/rules/LetterMarks.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;

namespace lexel {

struct GameState;
class LetterField;

class GuessGrid : public QObject {
    Q_OBJECT

public:
    // Fields and labels are created inside `guessFrame` and `solutionFrame` at their twips
    // positions. `game` gives the current line and whether the game was solved early.
    GuessGrid(QWidget* guessFrame, QWidget* solutionFrame, const GameState& game);

    QLineEdit* tbL1(int field) const;
    QLabel* lbGuess(int label) const; // 1..36, over field label - 1
    QLineEdit* Text1(int position) const;
    QLabel* lbHint(int position) const;

    // Accessible names of the fields and labels in the current language.
    void Translate();
    // Shows `letter` over solution field `position` as revealed (a hint or the solution).
    void RevealLetter(int position, const QString& letter);
    // Tells each revealed letter's label what it shows; call after changing one directly.
    void DescribeRevealed();

    int FindNextFreeHintField(int start, Direction direction) const;
    int FindNextFreeLine9Field(int start, Direction direction) const;
    void SetFocusNextGuessLine();
    // Every field of the current line holds a letter A-Z.
    bool LineComplete() const;
    bool SolutionComplete() const;

    int HintPos() const { return hintPos_; }
    // The field that last had the focus: "tbL1" or "Text1", and its index.
    const QString& LastControl() const { return lastControl_; }
    int LastIndex() const { return lastIndex_; }
    // Gives the focus back to the field that had it last, as after a click on a button.
    void FocusLastField();
    // Types `letter` into the field that had the focus last, as its key would.
    void TypeIntoLastField(QChar letter);

    // Sets the background of a field (white for the line being entered) and its text colour.
    static void SetFieldColor(QLineEdit* field, const QColor& color,
                              const QColor& text = Qt::black);
    static void SetLabelColor(QLabel* label, const QColor& color);
    static QColor ToColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

signals:
    void lineCompleteChanged(bool complete);
    void solutionCompleteChanged(bool complete);
    void solutionFocusEntered(int position);
    void solutionFocusLeft();
    void guessMenuRequested(int field, QPoint globalPosition);
    void solutionMenuRequested(int position, QPoint globalPosition);
    void labelMenuRequested(int label, QPoint globalPosition);
    // The keyboard's menu key (or Shift+F10) in a field: the colour menu of its letter.
    void letterMenuRequested(QChar letter, QPoint globalPosition);
    void enterPressed();

protected:
    // Right clicks on the evaluated letters.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class LetterField;

    // Field events, by kind of field.
    bool KeyDown(LetterField& field, int key);
    void KeyPress(LetterField& field, QChar typed);
    void Change(LetterField& field);
    void GotFocus(LetterField& field);
    void LostFocus(LetterField& field);
    void RightButtonDown(LetterField& field, QPoint globalPosition);

    bool GuessKeyDown(int k, int key);
    bool SolutionKeyDown(int k, int key);
    void GuessChange(int k);
    void SolutionChange(int k);
    void Focus(QWidget* widget);
    void FocusGuess(int field);
    void FocusSolution(int position);
    LetterField* LastField() const;

    const GameState& game_;
    QWidget* guessFrame_;
    std::array<LetterField*, 36> guessFields_{};
    std::array<QLabel*, 36> guessLabels_{};
    std::array<LetterField*, 6> solutionFields_{};
    std::array<QLabel*, 6> hintLabels_{};

    bool noAdvance_ = false;
    QString lastControl_;
    int lastIndex_ = 0;
    int hintPos_ = 0;
};

} // namespace lexel
