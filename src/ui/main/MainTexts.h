#pragma once

#include <QString>

namespace lexel {

// The main window's message texts in the current language, set by its Translate; "%1" stands
// for the hidden word, the guess or the score.
struct MainTexts {
    QString abort;
    QString reveal;
    QString notAWordRefused;
    QString notAWordAsk;
    QString wonOnLine9;
    QString wonEarly;
    QString scoreLine;
    QString wrongSolution;
    QString lost;
    QString noMatchingWord;
};

} // namespace lexel
