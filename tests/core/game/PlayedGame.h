#pragma once

// A game of the sample words played through the model by a short script of moves, its words
// and records kept in memory.

#include "core/base/AsciiCase.h"
#include "core/base/PlayerSettings.h"
#include "core/game/GameModel.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBoxes.h"
#include "support/MemoryRecords.h"
#include "support/MemoryWords.h"
#include "support/SampleLists.h"
#include "support/ScriptedRandom.h"

#include <sstream>
#include <string>

namespace lexel::test {

// What typing `c` puts into a field: a letter in either case, or "_", "?", " ", ".".
inline FieldContent Typed(char c) {
    if (const auto letter = Letter::From(c)) {
        return *letter;
    }
    return static_cast<Mark>(c);
}

// A game of the sample words: "garden" (level 2, that level only), English texts.
struct PlayedGame {
    PlayedGame() : PlayedGame(ownRecords) {}
    // The program started again over `kept`, which a game before it wrote.
    explicit PlayedGame(MemoryRecords& kept) : records(kept) { Start(); }
    PlayedGame(const PlayedGame&) = delete;
    PlayedGame& operator=(const PlayedGame&) = delete;

    void Start() {
        settings.level = Level::Advanced;
        settings.onlyThisLevel = true;
        model.StartGame();
    }

    // Plays `moves`, separated by blanks:
    //   word!   types the word into the line being edited and evaluates it ("!" alone
    //           evaluates the line as it stands)
    //   word    types the word into the line being edited
    //   =word   types the word into the solution line and solves
    //   h3      a hint at solution position 3 (0-based)
    //   s       Suggest Word
    //   a       Save Analysis
    //   +30     30 seconds pass (one tick of the clock)
    //   ~7200   the system's time is set on by 7200 seconds, which pass for nobody
    //   y n     the answer to the next question
    //   C       the Cheating option turned on
    //   N       New Game
    //   D       Game of the Day
    //   F       the disk full from now on: every write fails
    //   R       Statistics > Reset, as the statistics window does it
    //   Q       leaving the game (the question asked when the window closes)
    //   L       the program ending with the game running (its score is saved)
    void Play(const std::string& moves) {
        std::istringstream in(moves);
        for (std::string move; in >> move;) {
            Move(move);
        }
    }

    void Move(const std::string& move) {
        if (move == "y" || move == "n") {
            boxes.answers.push_back(move == "y" ? MessageAnswer::Yes : MessageAnswer::No);
        } else if (move == "C") {
            settings.cheating = true;
        } else if (move == "s") {
            model.SuggestWord();
        } else if (move == "a") {
            model.SaveAnalysis();
        } else if (move == "N") {
            model.NewGame();
        } else if (move == "D") {
            model.NewDailyGame();
        } else if (move == "F") {
            records.full = true;
        } else if (move == "R") {
            records.Reset(model.RunningGameRecorded());
        } else if (move == "Q") {
            model.AbortGame();
        } else if (move == "L") {
            model.SaveRunningScore();
        } else if (move[0] == '~') {
            clock.wallStep += std::stoi(move.substr(1));
        } else if (move[0] == '+') {
            clock.now += std::stoi(move.substr(1));
            model.Tick();
        } else if (move[0] == 'h') {
            model.TakeHint(move[1] - '0');
        } else if (move[0] == '=') {
            for (int i = 0; i < HiddenWordLength; ++i) {
                model.SetSolutionCell(i, Typed(move[static_cast<std::size_t>(i) + 1]));
            }
            model.Solve();
            TellEnding();
        } else {
            const bool evaluate = move.back() == '!';
            const int first = FirstField(model.State().currentLine);
            for (std::size_t i = 0; i < move.size() - (evaluate ? 1 : 0); ++i) {
                model.SetGuessCell(first + static_cast<int>(i), Typed(move[i]));
            }
            if (evaluate) {
                model.TryGuess();
                TellEnding();
            }
        }
    }

    // As the window does once the command has returned.
    void TellEnding() {
        if ((ended = model.TakeEnding())) {
            boxes.Show(ended->message);
        }
    }

    // The dots of the evaluated lines, "black/white" each.
    std::string Dots() const {
        std::string dots;
        for (int line = 0; line < LineCount; ++line) {
            if (const auto& result = model.Cells().Result(line)) {
                dots += (dots.empty() ? "" : " ") + std::to_string(result->black) + "/" +
                        std::to_string(result->white);
            }
        }
        return dots;
    }

    // The messages shown, each after a "|".
    std::string Messages() const {
        std::string texts;
        for (const auto& message : boxes.shown) {
            texts += "|" + message.text.toStdString();
        }
        return texts;
    }

    // Games played, games won and the best entry of the table.
    std::string Counters() const { return records.Counters(); }

    MemoryRecords ownRecords;
    MemoryRecords& records;
    MemoryWords words{SampleLists()};
    FakeMessageBoxes boxes;
    ScriptedRandom random{{0.3f}}; // key 2 of the sample: garden
    FakeClock clock;
    Settings settings = DefaultSettings();
    GameModel model{{words, records, settings, boxes, random, clock}};
    std::optional<GameEnding> ended; // of the last move that ended the game
};

} // namespace lexel::test
