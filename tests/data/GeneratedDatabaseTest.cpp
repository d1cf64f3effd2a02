// What a player relies on in the committed source lists and the database generated from them.

#include "core/base/AsciiCase.h"
#include "core/rules/SuggestWord.h"
#include "core/store/SuggestionTable.h"
#include "support/RealLexelFile.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

namespace lexel {
namespace {

// The lines of a committed list, without blank lines and '#' comments.
std::vector<std::string> Lines(const std::string& name) {
    std::ifstream in(std::string(LEXEL_DATA_DIR) + "/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

// The fields of each line of a committed list, split at tabs.
std::vector<std::vector<std::string>> Fields(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& line : Lines(name)) {
        auto& row = rows.emplace_back();
        for (std::size_t start = 0;;) {
            const auto tab = line.find('\t', start);
            row.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) {
                break;
            }
            start = tab + 1;
        }
    }
    return rows;
}

// A list's first column against the number in its second, for the lines that have one: a
// hidden word's level in raw6.txt, how often a word is said per ~51 million in frequency6.tsv.
std::map<std::string, int> Numbers(const std::string& name) {
    std::map<std::string, int> numbers;
    for (const auto& row : Fields("words/" + name)) {
        if (row.size() > 1 && std::isdigit(static_cast<unsigned char>(row[1][0]))) {
            numbers[row[0]] = std::stoi(row[1]);
        }
    }
    return numbers;
}

// The words of committed lists, their first column.
std::set<std::string> Words(std::initializer_list<const char*> names) {
    std::set<std::string> words;
    for (const char* name : names) {
        for (const auto& row : Fields(std::string("words/") + name)) {
            words.insert(row[0]);
        }
    }
    return words;
}

std::set<std::string> Guesses() {
    return Words({"raw3.txt", "raw4.txt", "raw5.txt", "raw6.txt"});
}

// The plural or third-person forms a word can take: houses, boxes, tries.
std::vector<std::string> SForms(const std::string& word) {
    const bool sibilant = word.ends_with('s') || word.ends_with('x') || word.ends_with('z') ||
                          word.ends_with("ch") || word.ends_with("sh");
    std::vector<std::string> forms{word + (sibilant ? "es" : "s")};
    if (word.size() > 1 && word.back() == 'y' &&
        std::string("aeiou").find(word[word.size() - 2]) == std::string::npos) {
        forms.push_back(word.substr(0, word.size() - 1) + "ies");
    }
    return forms;
}

// From the committed lists through the generator to a file the game opens: every listed guess
// is in its table under a code that decodes to it, and no suggestion is an excepted word.
TEST(GeneratedDatabase, HoldsEveryGuessAndSuggestsNoExceptedWord) {
    SuggestionTables tables(test::RealLexelFile());
    for (int length = 3; length <= 5; ++length) {
        std::multiset<std::string> listed, stored;
        for (const auto& word : Lines("words/raw" + std::to_string(length) + ".txt")) {
            listed.insert(AsciiUpper(word));
        }
        stored.insert(tables.Table(length).words.begin(), tables.Table(length).words.end());
        EXPECT_TRUE(stored == listed) << "the table of " << length << " letters";
    }
    int asked = 0;
    for (const auto& excepted : Words({"except.txt"})) {
        const auto word = AsciiUpper(excepted);
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

// A count that misleads (a name's, a word films overuse or underuse) gives way to a level set by
// hand; every other hidden word's level follows how often it is said.
TEST(WordLists, LevelsFollowHowOftenAWordIsSaid) {
    const auto levels = Numbers("raw6.txt");
    const auto said = Numbers("frequency6.tsv");
    const auto reviewed = Numbers("levels-reviewed.txt");
    EXPECT_GT(levels.size(), 2900u);
    EXPECT_GT(reviewed.size(), 150u);
    for (const auto& [word, level] : reviewed) {
        EXPECT_EQ(levels.contains(word) ? levels.at(word) : 0, level) << word;
    }
    for (const auto& row : Fields("words/frequency6.tsv")) {
        EXPECT_TRUE(row.size() < 3 || !levels.contains(row[0]) || reviewed.contains(row[0]))
            << row[0] << " is hidden by the count of a name";
    }
    std::map<int, std::vector<int>> counts;
    int rare = 0;
    for (const auto& [word, level] : levels) {
        ASSERT_TRUE(said.contains(word)) << word << " has no count";
        rare += said.at(word) < 2 ? 1 : 0;
        if (!reviewed.contains(word)) {
            counts[level].push_back(said.at(word));
        }
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

// A hidden word is no plural or verb form of a guess, and a form of an excepted word that is a
// guess is excepted too. An excepted word with a level stops the generator (SourceListsTest).
TEST(WordLists, WordFormsFollowTheirWord) {
    const auto guesses = Guesses();
    const auto excepted = Words({"except.txt"});
    std::set<std::string> plurals;
    for (const auto& word : guesses) {
        const auto forms = SForms(word);
        plurals.insert(forms.begin(), forms.end());
    }
    for (const auto& [word, level] : Numbers("raw6.txt")) {
        EXPECT_FALSE(plurals.contains(word)) << word << " is a plural or verb form";
    }
    EXPECT_GT(excepted.size(), 250u);
    for (const auto& word : excepted) {
        EXPECT_TRUE(guesses.contains(word)) << word << " is excepted but no guess";
        auto forms = SForms(word);
        if (word.ends_with('e')) {
            forms.push_back(word.substr(0, word.size() - 1) + "y"); // ponce: poncy
        }
        for (const auto& form : forms) {
            EXPECT_TRUE(!guesses.contains(form) || excepted.contains(form))
                << form << ", a form of " << word << ", is not excepted";
        }
    }
}

// Each guess found in the offensive-word lists was judged by hand, once: excepted, or reviewed as
// harmless. A word newly taken into the guesses fails here until it is judged.
TEST(WordLists, EveryOffensiveWordThatIsAGuessWasJudged) {
    const auto guesses = Guesses();
    const auto excepted = Words({"except.txt"});
    const auto harmless = Words({"reviewed-harmless.txt"});
    const auto candidates = Words({"offensive-candidates.txt"});
    EXPECT_GT(candidates.size(), 500u);
    EXPECT_GT(harmless.size(), 50u);
    for (const auto& word : candidates) {
        EXPECT_TRUE(!guesses.contains(word) || excepted.contains(word) || harmless.contains(word))
            << word << " is neither excepted nor reviewed as harmless";
    }
    for (const auto& word : harmless) {
        EXPECT_FALSE(excepted.contains(word)) << word << " is reviewed as harmless but excepted";
    }
}

// Lower-case words of letters and hyphens: "mother-in-law" is one word, "man's" two.
std::set<std::string> WholeWords(const std::string& text) {
    std::set<std::string> words;
    std::string word;
    for (const char c : text + " ") {
        if (std::isalpha(static_cast<unsigned char>(c)) || (c == '-' && !word.empty())) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.insert(word);
            word.clear();
        }
    }
    return words;
}

// The words of an author's name, titles left out and initials apart: "Dr. J.R.R. Tolkien" gives
// J. R. R. Tolkien.
std::vector<std::string> NameWords(const std::string& source) {
    const auto author = source.substr(
        0, std::min({source.find(", "), source.find(" \""), source.find(" ("), source.find(" [")}));
    std::vector<std::string> words{""};
    for (const char c : author + " ") {
        if (c != ' ') {
            words.back() += c;
        }
        if ((c == ' ' || c == '.') && !words.back().empty()) {
            words.push_back("");
        }
    }
    words.pop_back();
    std::erase_if(words,
                  [](const std::string& w) { return w == "Dr." || w == "Sir" || w == "Gen."; });
    return words;
}

// Two spellings of one author's name: the same surname, and first names that are left out
// (Shaw, G. B. Shaw), an initial and a name (A. Einstein, Albert Einstein), or alike but for
// letter case and titles.
bool OneAuthorTwoWays(const std::string& a, const std::string& b) {
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return s;
    };
    auto x = NameWords(a), y = NameWords(b);
    std::transform(x.begin(), x.end(), x.begin(), lower);
    std::transform(y.begin(), y.end(), y.begin(), lower);
    if (x.empty() || y.empty() || x.back() != y.back() || NameWords(a) == NameWords(b)) {
        return false;
    }
    if (x.size() == 1 || y.size() == 1 || x == y) {
        return true;
    }
    const auto initial = [](const std::string& w) { return w.size() == 2 && w[1] == '.'; };
    return x[0] != y[0] && x[0][0] == y[0][0] && (initial(x[0]) || initial(y[0]));
}

// One style of punctuation, quotation marks that pair up ("There"s no place" is broken), no
// quotation twice, each author named one way, and a heading chosen by topic that stands on a
// whole word of the quotation.
TEST(WordLists, QuotationsAreWellFormedNamedHeadedAndNeverRepeat) {
    const struct {
        const char* heading;
        std::set<std::string> words;
    } topics[] = {
        {"On Happiness",
         {"happy", "happier", "happiest", "happily", "happiness", "unhappy", "unhappiness", "joy",
          "joys", "joyful", "joyous", "pleasure", "pleasures"}},
        {"On Patience",
         {"patience", "impatience", "impatient", "hurry", "haste", "wait", "waiting"}},
        {"On Money",
         {"money",   "rich",        "riches",       "wealth",   "wealthy",  "dollar",  "dollars",
          "poverty", "bank",        "banks",        "banker",   "bankers",  "banking", "debt",
          "debts",   "millionaire", "millionaires", "cash",     "poor",     "pay",     "price",
          "cheap",   "buy",         "buys",         "buying",   "buyer",    "buyers",  "borrow",
          "borrows", "borrowed",    "borrowing",    "borrower", "borrowers"}},
    };
    std::set<std::string> authors;
    std::vector<std::string> seen; // letters only, lower case, between blanks
    const auto rows = Fields("quotes.tsv");
    ASSERT_GT(rows.size(), 1000u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& [heading, source, quote] = std::tie(rows[i][0], rows[i][1], rows[i][2]);
        bool open = false; // inside "..."
        for (std::size_t c = 0; c < quote.size(); ++c) {
            if (quote[c] == '"') {
                // An opening mark follows no letter, a closing one is followed by none.
                const auto beside = open ? (c + 1 < quote.size() ? quote[c + 1] : ' ')
                                         : (c > 0 ? quote[c - 1] : ' ');
                EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(beside)))
                    << "mismatched quotation marks: " << quote;
                open = !open;
            }
        }
        EXPECT_FALSE(open) << "unbalanced: " << quote;
        for (const auto& topic : topics) {
            if (heading == topic.heading) {
                const auto words = WholeWords(quote);
                EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                        [&](const auto& w) { return topic.words.contains(w); }))
                    << heading << ": " << quote;
            }
        }
        authors.insert(source);
        EXPECT_EQ(quote.find('`'), std::string::npos) << quote;
        EXPECT_EQ(quote.find("--"), std::string::npos) << quote;
        EXPECT_EQ(std::count(source.begin(), source.end(), '"') % 2, 0) << "unbalanced: " << source;
        // One ellipsis: three dots after a word, never four, never a blank before them or a
        // letter right after them.
        for (auto dots = quote.find("..."); dots != std::string::npos;
             dots = quote.find("...", dots + 3)) {
            EXPECT_TRUE((dots == 0 || quote[dots - 1] != ' ') && quote[dots + 3] != '.' &&
                        !std::isalnum(static_cast<unsigned char>(quote[dots + 3])))
                << "ellipsis: " << quote;
        }
        const auto last = quote.find_last_not_of("\"')");
        ASSERT_NE(last, std::string::npos) << quote;
        EXPECT_NE(std::string(".?!").find(quote[last]), std::string::npos)
            << "no closing stop: " << quote;
        std::string plain = " ";
        for (const char c : quote + " ") {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            } else if (plain.back() != ' ') {
                plain += ' ';
            }
        }
        for (const auto& other : seen) {
            EXPECT_TRUE(other.find(plain) == std::string::npos &&
                        plain.find(other) == std::string::npos)
                << "repeated: " << quote;
        }
        seen.push_back(plain);
    }
    for (auto a = authors.begin(); a != authors.end(); ++a) {
        for (auto b = std::next(a); b != authors.end(); ++b) {
            EXPECT_FALSE(OneAuthorTwoWays(*a, *b)) << *a << " / " << *b;
        }
    }
    EXPECT_TRUE(OneAuthorTwoWays("A. Einstein", "Albert Einstein"));
    EXPECT_TRUE(OneAuthorTwoWays("Shaw, \"Man and Superman\"", "G. B. Shaw"));
    EXPECT_FALSE(OneAuthorTwoWays("Adam Smith", "Alexander Smith"));
}

// Found by players: loanwords without their accents, variant spellings, informal words and
// clipped singulars are refused no more; abbreviations, unit symbols and words nobody says are
// no guesses; and what is no everyday word is never hidden.
TEST(WordLists, GuessesTakeEverydaySpellingsAndRefuseSymbols) {
    const auto guesses = Guesses();
    const auto levels = Numbers("raw6.txt");
    for (const char* word :
         {"cafe",   "fete",  "elan", "melee", "etude", "yay",  "umm",  "ahh",   "app",   "bot",
          "bio",    "tech",  "stat", "snuck", "shorn", "mown", "hewn", "donut", "caddy", "gangly",
          "teensy", "nosey", "bro",  "geez",  "meds",  "nada", "chai", "ahold", "orzo",  "okapi"}) {
        EXPECT_TRUE(guesses.contains(word)) << word;
    }
    for (const char* word :
         {"dkl", "csc", "hhd", "tanh", "kcal", "amu", "mho", "racon", "opahs", "kaons", "ryas"}) {
        EXPECT_FALSE(guesses.contains(word)) << word;
    }
    for (const char* word : {"gratin", "oeuvre", "aweigh", "kilter", "petard", "inhere", "hazmat",
                             "deejay", "dotcom", "icecap", "potpie", "linkup", "passer", "puller",
                             "hauler", "tensor", "phylum", "specie", "lessee"}) {
        EXPECT_TRUE(guesses.contains(word) && !levels.contains(word)) << word;
    }
}

// A heading chosen by topic stands on a word in the topic's sense: a quotation whose only word of
// the topic sits in a phrase that means something else ("never mind", "lie down", "Lover's Lane",
// "a golden age") keeps another heading.
TEST(WordLists, QuotationHeadingsStandOnTheTopicsSense) {
    const struct {
        const char* heading;
        std::set<std::string> words;
        std::vector<std::string> otherSenses;
    } topics[] = {
        {"On Ideas",
         {"mind", "minds", "thought", "thoughts"},
         {"never mind", "don't mind", "on second thought"}},
        {"On Truth",
         {"lie", "lies", "lying", "liar", "liars"},
         {"lying down", "lie in it", "here lies", "lies within", "lie around"}},
        {"On the Law", {"law", "laws"}, {"law of nature"}},
        {"On Love",
         {"love", "loves", "loved", "lover", "lovers"},
         {"lover's lane", "loves company"}},
        {"On Wisdom", {"fool", "fools"}, {"fool all"}},
        {"On Age", {"age", "ages"}, {"golden age", "this age", "an age"}},
        {"On Books", {"write", "written", "writing"}, {"written on", "written all over"}},
        {"On Success", {"fail", "fails", "failure"}, {"all else fails"}},
        {"On Food", {"food"}, {"health food"}},
        {"On Work", {"business"}, {"show business", "own business", "business of"}},
        {"On Life",
         {"life", "lives", "death", "die", "dead", "dying"},
         {"all my life", "to the death", "life form"}},
        {"On Animals", {"animal", "animals"}, {"rational animal", "only animal", "human animal"}},
        {"On Health", {"sick"}, {"sick and tired"}},
    };
    const auto rows = Fields("quotes.tsv");
    int checked = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        for (const auto& topic : topics) {
            if (rows[i][0] != topic.heading) {
                continue;
            }
            std::string rest = rows[i][2];
            std::transform(rest.begin(), rest.end(), rest.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            bool otherSense = false;
            for (const auto& phrase : topic.otherSenses) {
                for (auto at = rest.find(phrase); at != std::string::npos; at = rest.find(phrase)) {
                    rest.replace(at, phrase.size(), " ");
                    otherSense = true;
                }
            }
            if (otherSense) {
                ++checked;
                const auto words = WholeWords(rest);
                EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                        [&](const auto& w) { return topic.words.contains(w); }))
                    << topic.heading << ": " << rows[i][2];
            }
        }
    }
    EXPECT_GT(checked, 0) << "no quotation holds a phrase of another sense: the table is stale";
}

// Short guesses are words a player types: the everyday words of three to five letters stay, and
// words no player would type, found in samples of the lists (names, symbols, rare plurals and
// spellings nobody uses), do not.
TEST(WordLists, ShortGuessesAreWordsPlayersType) {
    const auto guesses = Words({"raw3.txt", "raw4.txt", "raw5.txt"});
    for (const char* word :
         {"cat",   "dog",   "sun",   "hat",   "car",   "egg",   "key",   "map",   "fig",
          "jam",   "yak",   "ewe",   "owl",   "wok",   "spa",   "gym",   "fish",  "milk",
          "tree",  "book",  "frog",  "lamp",  "cake",  "kite",  "sock",  "pear",  "oven",
          "yolk",  "tofu",  "kiwi",  "yoga",  "taco",  "apple", "bread", "chair", "cloud",
          "grape", "lemon", "tiger", "zebra", "piano", "jelly", "quilt", "pesto", "bagel",
          "latte", "sushi", "emoji", "salsa", "nacho", "pizza", "bingo", "orca",  "tiki",
          "faux",  "yurt",  "whee",  "twas",  "foci",  "stye"}) {
        EXPECT_TRUE(guesses.contains(word)) << word;
    }
    for (const char* word : {"bel",   "och",   "cess",  "keef",  "otto",  "udo",   "aphis",
                             "clos",  "patin", "reave", "aurae", "jinns", "midis", "ameba",
                             "serer", "thous", "sos",   "vegs",  "kelly", "henry"}) {
        EXPECT_FALSE(guesses.contains(word)) << word;
    }
}

} // namespace
} // namespace lexel
