// What a player relies on in the database generated from the committed source lists.

#include "DatabaseGenerator.h"
#include "core/rules/SuggestWord.h"
#include "core/store/LexelFile.h"
#include "core/store/SuggestionTable.h"
#include "core/store/WordCode.h"
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace lexel {
namespace {

class GeneratedDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new test::TempDir;
        CreateDatabase(LEXEL_DATA_DIR, *dir / "Lexel.lxl");
    }
    static void TearDownTestSuite() { delete dir; }

    static inline test::TempDir* dir = nullptr;
    sql::Database db = OpenLexelFile(*dir / "Lexel.lxl");

    std::int64_t Count(const std::string& sql) { return sql::QueryInt(db, sql).value_or(-1); }
};

TEST_F(GeneratedDatabase, HiddenWordKeysRunFromOneWithoutGaps) {
    const auto count = Count("SELECT COUNT(*) FROM w6s");
    EXPECT_GT(count, 3000);
    EXPECT_LE(count, 32767);
    EXPECT_EQ(Count("SELECT MIN(Key) FROM w6s"), 1);
    EXPECT_EQ(Count("SELECT MAX(Key) FROM w6s"), count);
}

TEST_F(GeneratedDatabase, EveryLevelHasPlentyOfWords) {
    for (const char* level : {"1", "2", "3", "4"}) {
        auto statement = db.Prepare("SELECT COUNT(*) FROM w6s WHERE Class = ?");
        statement.Bind(1, level);
        ASSERT_TRUE(statement.Step());
        EXPECT_GT(statement.Int(0), 300) << "level " << level;
    }
    EXPECT_EQ(Count("SELECT COUNT(*) FROM w6s WHERE Class NOT IN ('1', '2', '3', '4')"), 0);
}

TEST_F(GeneratedDatabase, EveryCodeDecodesToAListedWord) {
    for (int length = 3; length <= 5; ++length) {
        const auto n = std::to_string(length);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM w" + n), Count("SELECT COUNT(*) FROM raw" + n));
        auto codes = db.Prepare("SELECT Word FROM w" + n);
        while (codes.Step()) {
            const auto word = CodeToWord(static_cast<WordCodeValue>(codes.Int(0)), length);
            ASSERT_EQ(WordCode(word), codes.Int(0));
            ASSERT_NE(codes.Int(0), 0) << "a word that is no word of letters a-z";
        }
    }
}

TEST_F(GeneratedDatabase, HiddenWordsArePlayableAndNeverExcepted) {
    std::set<std::string> sixLetters;
    auto raw = db.Prepare("SELECT Word FROM raw6");
    while (raw.Step()) {
        sixLetters.insert(raw.Text(0));
    }
    std::set<std::string> excepted;
    auto except = db.Prepare("SELECT Word FROM \"Except\"");
    while (except.Step()) {
        excepted.insert(except.Text(0));
    }
    auto hidden = db.Prepare("SELECT Word FROM w6s");
    while (hidden.Step()) {
        const auto word = CodeToWord(static_cast<WordCodeValue>(hidden.Int(0)), 6);
        ASSERT_TRUE(sixLetters.contains(word)) << word;
        std::string upper = word;
        for (auto& c : upper) {
            c = static_cast<char>(c - 'a' + 'A');
        }
        ASSERT_FALSE(excepted.contains(upper)) << word << " can be hidden but is excepted";
    }
}

TEST_F(GeneratedDatabase, QuotationsAndOptionsAreThere) {
    EXPECT_GE(Count("SELECT COUNT(*) FROM Quotes"), 100);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Quotes WHERE Title = '' OR Source = '' OR Quote = ''"),
              0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Options WHERE Name = 'Language' AND Value = ''"), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Options WHERE Value = '?\?\?\?\?\?0'"), 10);
}

// From the committed except list through the generated database to the suggestion.
TEST_F(GeneratedDatabase, NoSuggestionIsAnExceptedWord) {
    SuggestionTables tables(db);
    std::ifstream list(std::string(LEXEL_DATA_DIR) + "/words/except.txt");
    int asked = 0;
    for (std::string word; std::getline(list, word);) {
        if (word.empty() || word.front() == '#') {
            continue;
        }
        for (auto& c : word) {
            c = static_cast<char>(c - 'a' + 'A');
        }
        const auto& table = tables.Table(static_cast<int>(word.size()));
        if (std::find(table.words.begin(), table.words.end(), word) == table.words.end()) {
            continue; // six-letter words without an anagram have no suggestion table row
        }
        ++asked;
        // The whole word typed in: only the word itself matches, and it must not be given
        // (an anagram of it may be, from the search for the typed letters anywhere).
        EXPECT_NE(SuggestWord(table, word, "", "", 1), word);
    }
    EXPECT_GT(asked, 200);
    // The same call gives a word that is not excepted, so the check above can fail.
    EXPECT_EQ(SuggestWord(tables.Table(6), "GARDEN", "", "", 1), "GARDEN");
}

// The committed word lists themselves, as make-word-lists wrote them.
class WordLists : public ::testing::Test {
protected:
    static std::vector<std::string> Lines(const std::string& name) {
        std::ifstream in(std::string(LEXEL_DATA_DIR) + "/" + name);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.front() != '#') {
                lines.push_back(line);
            }
        }
        return lines;
    }

    static std::set<std::string> Guesses() {
        std::set<std::string> words;
        for (const char* name : {"raw3.txt", "raw4.txt", "raw5.txt", "raw6.txt"}) {
            for (const auto& line : Lines(std::string("words/") + name)) {
                words.insert(line.substr(0, line.find('\t')));
            }
        }
        return words;
    }

    static std::set<std::string> Excepted() {
        const auto lines = Lines("words/except.txt");
        return {lines.begin(), lines.end()};
    }

    // Hidden six-letter word -> level 1 to 4.
    static std::map<std::string, int> Levels() {
        std::map<std::string, int> levels;
        for (const auto& line : Lines("words/raw6.txt")) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) {
                levels[line.substr(0, tab)] = std::stoi(line.substr(tab + 1));
            }
        }
        return levels;
    }

    // How often each six-letter word is said per ~51 million words.
    static std::map<std::string, int> Said() {
        std::map<std::string, int> said;
        for (const auto& line : Lines("words/frequency6.tsv")) {
            const auto tab = line.find('\t');
            if (line.substr(0, tab) != "Word") {
                said[line.substr(0, tab)] = std::stoi(line.substr(tab + 1));
            }
        }
        return said;
    }

    // The plural or third-person forms a word can take: houses, boxes, tries.
    static std::vector<std::string> SForms(const std::string& word) {
        std::vector<std::string> forms;
        const bool sibilant = word.ends_with('s') || word.ends_with('x') || word.ends_with('z') ||
                              word.ends_with("ch") || word.ends_with("sh");
        forms.push_back(word + (sibilant ? "es" : "s"));
        if (word.size() > 1 && word.back() == 'y' &&
            std::string("aeiou").find(word[word.size() - 2]) == std::string::npos) {
            forms.push_back(word.substr(0, word.size() - 1) + "ies");
        }
        return forms;
    }
};

TEST_F(WordLists, LevelsFollowHowOftenAWordIsSaid) {
    const auto levels = Levels();
    const auto said = Said();
    std::map<int, std::vector<int>> counts;
    int rare = 0;
    for (const auto& [word, level] : levels) {
        ASSERT_TRUE(said.contains(word)) << word << " has no count";
        counts[level].push_back(said.at(word));
        rare += said.at(word) < 2 ? 1 : 0;
    }
    const std::map<int, int> minimumMedian{{1, 500}, {2, 100}, {3, 25}, {4, 5}};
    for (auto& [level, list] : counts) {
        std::sort(list.begin(), list.end());
        EXPECT_GE(list.size(), 400u) << "level " << level;
        EXPECT_GE(list[list.size() / 2], minimumMedian.at(level)) << "level " << level;
        if (level > 1) {
            // Every word of a level is said less often than every word of the level below.
            EXPECT_LT(list.back(), counts[level - 1].front()) << "level " << level;
        }
    }
    EXPECT_EQ(counts.size(), 4u);
    EXPECT_LE(rare * 50, static_cast<int>(levels.size())) << "more than 2% said fewer than twice";
}

TEST_F(WordLists, HiddenWordsAreNoPluralsNorExceptedWords) {
    const auto guesses = Guesses();
    const auto excepted = Excepted();
    std::set<std::string> plurals;
    for (const auto& word : guesses) {
        for (const auto& form : SForms(word)) {
            plurals.insert(form);
        }
    }
    for (const auto& [word, level] : Levels()) {
        EXPECT_FALSE(plurals.contains(word)) << word << " is a plural or verb form";
        EXPECT_FALSE(excepted.contains(word)) << word << " is excepted";
    }
}

TEST_F(WordLists, FormsOfAnExceptedWordAreExcepted) {
    const auto guesses = Guesses();
    const auto excepted = Excepted();
    EXPECT_GT(excepted.size(), 250u);
    for (const auto& word : excepted) {
        EXPECT_TRUE(guesses.contains(word)) << word << " is excepted but no guess";
        for (const auto& form : SForms(word)) {
            EXPECT_TRUE(!guesses.contains(form) || excepted.contains(form))
                << form << ", a form of " << word << ", is not excepted";
        }
        // ponce: poncy
        if (word.ends_with('e')) {
            const auto adjective = word.substr(0, word.size() - 1) + "y";
            EXPECT_TRUE(!guesses.contains(adjective) || excepted.contains(adjective))
                << adjective << ", a form of " << word << ", is not excepted";
        }
    }
}

TEST_F(WordLists, QuotationsShareOneStyleAndNeverRepeat) {
    const auto lines = Lines("quotes.tsv");
    ASSERT_GT(lines.size(), 1000u);
    std::vector<std::string> seen; // letters only, lower case, between blanks
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto quote = lines[i].substr(lines[i].rfind('\t') + 1);
        EXPECT_EQ(quote.find('`'), std::string::npos) << quote;
        EXPECT_EQ(quote.find("--"), std::string::npos) << quote;
        const auto last = quote.find_last_not_of("\"')");
        ASSERT_NE(last, std::string::npos) << quote;
        EXPECT_NE(std::string(".?!").find(quote[last]), std::string::npos)
            << "no closing stop: " << quote;
        std::string plain = " ";
        for (const char c : quote) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            } else if (plain.back() != ' ') {
                plain += ' ';
            }
        }
        if (plain.back() != ' ') {
            plain += ' ';
        }
        for (const auto& other : seen) {
            EXPECT_TRUE(other.find(plain) == std::string::npos &&
                        plain.find(other) == std::string::npos)
                << "repeated: " << quote;
        }
        seen.push_back(plain);
    }
}

// Found by players: loanwords without their accents, informal words and clipped singulars are
// refused no more, and abbreviations and unit symbols are no guesses.
TEST_F(WordLists, GuessesTakeEverydaySpellingsAndRefuseSymbols) {
    const auto guesses = Guesses();
    for (const char* word : {"cafe", "fete", "elan", "melee", "etude", "yay", "umm", "ahh", "app",
                             "bot", "bio", "tech", "stat"}) {
        EXPECT_TRUE(guesses.contains(word)) << word;
    }
    for (const char* word : {"dkl", "csc", "hhd", "tanh", "kcal"}) {
        EXPECT_FALSE(guesses.contains(word)) << word;
    }
}

} // namespace
} // namespace lexel
