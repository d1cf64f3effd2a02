#include "DatabaseStartup.h"

namespace lexel {
namespace {

QString Bilingual(const char* english, const char* german, const QString& description) {
    return QString::fromUtf8(english) + u'\n' + QString::fromUtf8(german) + u'\n' + description;
}

} // namespace

QString DatabaseNotFoundMessage(const QString& description) {
    return Bilingual("Lexel database could not be found.",
                     "Lexel-Datenbank konnte nicht gefunden werden.", description);
}

QString DatabaseNotOpenedMessage(const QString& description) {
    return Bilingual("Lexel database could not be opened.",
                     "Lexel-Datenbank konnte nicht geöffnet werden.", description);
}

std::optional<sql::Database> OpenDB(const std::filesystem::path& directory, MessageBoxes& boxes) {
    try {
        return OpenLexelFile(directory / DatabaseFileName);
    } catch (const DatabaseOpenError& e) {
        const auto description = QString::fromLocal8Bit(e.what());
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
