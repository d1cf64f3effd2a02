#pragma once

#include "core/startup/SourceLists.h"

namespace lexel::test {

// A handful of words per table, every level 1..4 present, one anagram group
// (planet, platen) and a word without anagrams.
inline SourceLists SampleLists() {
    SourceLists lists;
    lists.guesses = {
        {{"abc", "dog", "ten", "pan"}, {"plan", "tale", "note"}, {"plane", "petal", "table"}}};
    lists.sixLetters = {{"planet", "1"}, {"platen", ""},  {"garden", "2"}, {"danger", "3"},
                        {"silver", "4"}, {"bobbin", "2"}, {"jumped", ""}};
    lists.except = {"DOG"};
    lists.quotes = {{"Patience", "A Proverb", "Slow and steady."}};
    return lists;
}

} // namespace lexel::test
