#include "SourceLists.h"

#include "WordDataVersion.h"
#include "core/settings/OptionDefaults.h"
#include "core/store/Sql.h"
#include "core/store/WordCode.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>

namespace lexel {
namespace {

namespace fs = std::filesystem;

bool IsWordOfLength(const std::string& word, std::size_t length) {
    return word.size() == length &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (auto tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// Calls `take` for every line that is neither empty nor a '#' comment, with its line number.
void ForEachLine(const fs::path& file, const std::function<void(const std::string&, int)>& take) {
    std::ifstream in(file);
    if (!in) {
        throw SourceError(file.string() + ": cannot be read");
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() != '#') {
            take(line, number);
        }
    }
}

[[noreturn]] void Fail(const fs::path& file, int line, const std::string& what) {
    throw SourceError(file.string() + ":" + std::to_string(line) + ": " + what);
}

// Word tables key on the word code, so a word listed twice would stop the table build.
class DuplicateCheck {
public:
    void Add(const fs::path& file, int line, const std::string& word) {
        if (!seen_.insert(word).second) {
            Fail(file, line, "'" + word + "' is listed twice");
        }
    }

private:
    std::set<std::string> seen_;
};

std::vector<std::string> ReadGuesses(const fs::path& file, std::size_t length) {
    std::vector<std::string> words;
    DuplicateCheck duplicates;
    ForEachLine(file, [&](const std::string& line, int number) {
        if (!IsWordOfLength(line, length)) {
            Fail(file, number,
                 "'" + line + "' is not a word of " + std::to_string(length) + " letters a-z");
        }
        duplicates.Add(file, number, line);
        words.push_back(line);
    });
    return words;
}

std::vector<SixLetterSource> ReadSixLetters(const fs::path& file) {
    std::vector<SixLetterSource> words;
    DuplicateCheck duplicates;
    ForEachLine(file, [&](const std::string& line, int number) {
        const auto fields = SplitTabs(line);
        const std::string wordClass = fields.size() > 1 ? fields[1] : std::string();
        if (fields.size() > 2 || !IsWordOfLength(fields[0], 6)) {
            Fail(file, number, "expected a word of 6 letters a-z and an optional level");
        }
        if (!wordClass.empty() &&
            (wordClass.size() != 1 || wordClass[0] < '1' || wordClass[0] > '4')) {
            Fail(file, number, "level '" + wordClass + "' is not 1 to 4");
        }
        duplicates.Add(file, number, fields[0]);
        words.push_back({fields[0], wordClass});
    });
    return words;
}

std::vector<std::string> ReadExcept(const fs::path& file) {
    std::vector<std::string> words;
    DuplicateCheck duplicates;
    ForEachLine(file, [&](const std::string& line, int number) {
        if (line.empty() || !IsWordOfLength(line, line.size())) {
            Fail(file, number, "'" + line + "' is not a lower-case word");
        }
        duplicates.Add(file, number, line);
        std::string upper = line;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return static_cast<char>(c - 'a' + 'A'); });
        words.push_back(upper);
    });
    return words;
}

std::vector<QuoteSource> ReadQuotes(const fs::path& file) {
    std::vector<QuoteSource> quotes;
    ForEachLine(file, [&](const std::string& line, int number) {
        if (number == 1) {
            return; // the header
        }
        const auto fields = SplitTabs(line);
        if (fields.size() != 3 ||
            std::any_of(fields.begin(), fields.end(), [](const auto& f) { return f.empty(); })) {
            Fail(file, number, "expected title, source and quote, separated by tabs");
        }
        quotes.push_back({fields[0], fields[1], fields[2]});
    });
    return quotes;
}

void InsertAll(sql::Database& db, const std::string& table,
               const std::vector<std::string>& values) {
    db.Execute("DELETE FROM " + table);
    auto insert = db.Prepare("INSERT INTO " + table + " (Word) VALUES (?)");
    for (const auto& value : values) {
        insert.Bind(1, value).Run();
    }
}

void InsertSixLetters(sql::Database& db, const std::vector<SixLetterSource>& words) {
    std::map<std::string, int> groupSizes;
    for (const auto& w : words) {
        ++groupSizes[SortedLetters(w.word)];
    }
    db.Execute("DELETE FROM raw6");
    auto insert =
        db.Prepare("INSERT INTO raw6 (Word, Alpha, CountOfAlpha, Class) VALUES (?, ?, ?, ?)");
    for (const auto& w : words) {
        const auto alpha = SortedLetters(w.word);
        insert.Bind(1, w.word).Bind(2, alpha).Bind(3, groupSizes[alpha]);
        if (w.wordClass.empty()) {
            insert.BindNull(4);
        } else {
            insert.Bind(4, w.wordClass);
        }
        insert.Run();
    }
}

void InsertQuotes(sql::Database& db, const std::vector<QuoteSource>& quotes) {
    db.Execute("DELETE FROM Quotes");
    auto insert = db.Prepare("INSERT INTO Quotes (Title, Source, Quote) VALUES (?, ?, ?)");
    for (const auto& q : quotes) {
        insert.Bind(1, q.title).Bind(2, q.source).Bind(3, q.quote).Run();
    }
}

} // namespace

SourceLists ReadSourceLists(const fs::path& dataDir) {
    const auto words = dataDir / "words";
    SourceLists lists;
    for (std::size_t length = 3; length <= 5; ++length) {
        lists.guesses[length - 3] =
            ReadGuesses(words / ("raw" + std::to_string(length) + ".txt"), length);
    }
    lists.sixLetters = ReadSixLetters(words / "raw6.txt");
    lists.except = ReadExcept(words / "except.txt");
    // An excepted word is never hidden: the table builder takes every word with a level.
    const std::set<std::string> excepted(lists.except.begin(), lists.except.end());
    for (const auto& six : lists.sixLetters) {
        std::string upper = six.word;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return static_cast<char>(c - 'a' + 'A'); });
        if (!six.wordClass.empty() && excepted.contains(upper)) {
            throw SourceError((words / "raw6.txt").string() + ": '" + six.word +
                              "' has a level but is on the except list");
        }
    }
    lists.quotes = ReadQuotes(dataDir / "quotes.tsv");
    lists.filesVersion = ShippedWordsVersion(dataDir);
    return lists;
}

void LoadSourceLists(sql::Database& db, const SourceLists& lists) {
    sql::Transaction transaction(db);
    for (std::size_t i = 0; i < lists.guesses.size(); ++i) {
        InsertAll(db, "raw" + std::to_string(i + 3), lists.guesses[i]);
    }
    InsertSixLetters(db, lists.sixLetters);
    InsertAll(db, "\"Except\"", lists.except);
    InsertQuotes(db, lists.quotes);
    StoreWordDataVersion(db, lists);
    transaction.Commit();
}

void AddMissingOptions(sql::Database& db) {
    sql::Transaction transaction(db);
    auto insert = db.Prepare("INSERT OR IGNORE INTO Options (Name, Value) VALUES (?, ?)");
    for (const auto& row : OptionDefaults()) {
        insert.Bind(1, row.key).Bind(2, row.value).Run();
    }
    transaction.Commit();
}

} // namespace lexel
