#include "WordDataVersion.h"

#include <QCryptographicHash>
#include <algorithm>
#include <array>
#include <fstream>

namespace lexel {
namespace {

namespace fs = std::filesystem;

// The shipped files in the order they are fingerprinted.
constexpr std::array<std::string_view, 6> ListFiles = {"words/raw3.txt",   "words/raw4.txt",
                                                       "words/raw5.txt",   "words/raw6.txt",
                                                       "words/except.txt", "quotes.tsv"};

// Each file's name and size go in before its bytes, so bytes moved from one file to the next
// give another fingerprint.
class Fingerprint {
public:
    void AddFile(std::string_view name, std::string_view bytes) {
        const auto size = std::to_string(bytes.size());
        for (const std::string_view part : {name, std::string_view(size)}) {
            hash_.addData(QByteArrayView(part.data(), static_cast<qsizetype>(part.size())));
            hash_.addData(QByteArrayView("\0", 1));
        }
        hash_.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    std::string Hex() const { return hash_.result().toHex().toStdString(); }

private:
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

// One read of the whole file: a start spends its time here, not in the hash.
std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const auto size = in ? static_cast<std::streamoff>(in.tellg()) : -1; // -1 for a folder
    std::string bytes;
    if (size >= 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
    }
    if (size < 0 || !in) {
        throw SourceError(file.string() + ": cannot be read");
    }
    return bytes;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + '\n';
    }
    return text;
}

// The six files as the lists would be shipped, in ListFiles' order.
std::array<std::string, 6> ShippedTexts(const SourceLists& lists) {
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < lists.guesses.size(); ++i) {
        texts[i] = Lines(lists.guesses[i]);
    }
    for (const auto& six : lists.sixLetters) {
        texts[3] += six.word + (six.wordClass.empty() ? "" : '\t' + six.wordClass) + '\n';
    }
    for (auto word : lists.except) {
        std::transform(word.begin(), word.end(), word.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        texts[4] += word + '\n';
    }
    texts[5] = "Title\tSource\tQuote\n";
    for (const auto& q : lists.quotes) {
        texts[5] += q.title + '\t' + q.source + '\t' + q.quote + '\n';
    }
    return texts;
}

} // namespace

std::string ShippedWordsVersion(const fs::path& shareDirectory) {
    Fingerprint print;
    for (const auto name : ListFiles) {
        print.AddFile(name, FileBytes(shareDirectory / name));
    }
    return print.Hex();
}

std::string WordDataVersion(const SourceLists& lists) {
    if (!lists.filesVersion.empty()) {
        return lists.filesVersion;
    }
    Fingerprint print;
    const auto texts = ShippedTexts(lists);
    for (std::size_t i = 0; i < ListFiles.size(); ++i) {
        print.AddFile(ListFiles[i], texts[i]);
    }
    return print.Hex();
}

std::string StoredWordDataVersion(sql::Database& db) {
    auto select = db.Prepare("SELECT COALESCE(Value, '') FROM Options WHERE Name = ?");
    select.Bind(1, WordDataOption);
    return select.Step() ? select.Text(0) : std::string();
}

void StoreWordDataVersion(sql::Database& db, const SourceLists& lists) {
    auto write = db.Prepare("INSERT OR REPLACE INTO Options (Name, Value) VALUES (?, ?)");
    write.Bind(1, WordDataOption).Bind(2, WordDataVersion(lists)).Run();
}

} // namespace lexel
