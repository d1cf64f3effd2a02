#include "DatabaseStartup.h"

#include "SystemText.h"

namespace lexel {
std::optional<sql::Database> OpenDB(const std::filesystem::path& directory, MessageBoxes& boxes) {
    try {
        return OpenLexelFile(directory / DatabaseFileName);
    } catch (const DatabaseOpenError& e) {
        const auto description = FromSystemText(e.what());
        const auto text = e.kind() == DatabaseOpenError::Kind::NotFound
                              ? DatabaseNotFoundMessage(description)
                              : DatabaseNotOpenedMessage(description);
        boxes.Show({MessageIcon::Critical, text});
        return std::nullopt;
    }
}

void CloseDB(sql::Database& db) {
    db.Close();
}

} // namespace lexel
