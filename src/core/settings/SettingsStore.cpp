#include "SettingsStore.h"

#include "NumericText.h"
#include "OptionDefaults.h"
#include "core/store/Blanks.h"
#include "core/store/LexelFile.h"

#include <algorithm>
#include <limits>

namespace lexel {
namespace {

std::optional<std::string_view> DefaultOf(std::string_view key) {
    const auto rows = OptionDefaults();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const OptionRow& r) { return r.key == key; });
    return row == rows.end() ? std::nullopt : std::optional(row->value);
}

} // namespace

SettingsStore::SettingsStore(sql::Database& db) : db_(db) {}

std::string SettingsStore::ReadOption(std::string_view key) {
    if (!read_) {
        // Bytes stored as a blob are no text to show or count: they read as a null does.
        read_ = db_.Prepare("SELECT CASE WHEN typeof(Value) = 'blob' THEN NULL ELSE Value END "
                            "FROM Options WHERE Name = ?");
    }
    read_->Bind(1, key);
    const bool found = read_->Step();
    const std::string value = found ? read_->Text(0) : std::string();
    read_->Reset();
    if (found) {
        return TrimBlanks(value);
    }
    const auto fallback = DefaultOf(key);
    if (fallback) {
        WriteOption(key, *fallback);
    }
    return std::string(fallback.value_or(""));
}

void SettingsStore::WriteOption(std::string_view key, std::string_view value) {
    RequireFileInPlace(db_);
    if (!write_) {
        write_ = db_.Prepare("INSERT OR REPLACE INTO Options (Name, Value) VALUES (?, ?)");
    }
    write_->Bind(1, key).Bind(2, value).Run();
}

void SettingsStore::IncrementCounter(std::string_view key) {
    const auto value = WholeValue(ReadOption(key));
    // A counter at the top of the range stays there rather than wrapping round.
    const auto next = value < std::numeric_limits<std::int64_t>::max() ? value + 1 : value;
    WriteOption(key, std::to_string(next));
}

} // namespace lexel
