#include "StartupMessages.h"

namespace lexel {
namespace {

QString Bilingual(const char* english, const char* german) {
    return QString::fromUtf8(english) + u'\n' + QString::fromUtf8(german);
}

QString Bilingual(const char* english, const char* german, const QString& description) {
    return Bilingual(english, german) + u'\n' + description;
}

} // namespace

QString AlreadyRunningMessage() {
    return Bilingual("Lexel is already running.", "Lexel läuft bereits.");
}

QString DatabaseNotFoundMessage(const QString& description) {
    return Bilingual("Lexel database could not be found.",
                     "Lexel-Datenbank konnte nicht gefunden werden.", description);
}

QString DatabaseNotOpenedMessage(const QString& description) {
    return Bilingual("Lexel database could not be opened.",
                     "Lexel-Datenbank konnte nicht geöffnet werden.", description);
}

QString DataFolderFailedMessage(const QString& description) {
    return Bilingual("The data folder of Lexel could not be created.",
                     "Der Datenordner von Lexel konnte nicht angelegt werden.", description);
}

QString DatabaseNotOwnMessage(const QString& description) {
    return Bilingual("Lexel database could not be opened: it belongs to another user.",
                     "Lexel-Datenbank konnte nicht geöffnet werden: Sie gehört einem anderen "
                     "Benutzer.",
                     description);
}

QString DataFolderNotOwnMessage(const QString& description) {
    return Bilingual("The data folder of Lexel could not be used: it is a link, belongs to "
                     "another user or is open to other users.",
                     "Der Datenordner von Lexel konnte nicht verwendet werden: Er ist eine "
                     "Verknüpfung, gehört einem anderen Benutzer oder ist für andere Benutzer "
                     "offen.",
                     description);
}

QString LockFailedMessage(const QString& description) {
    return Bilingual("The lock file of Lexel could not be created.",
                     "Die Sperrdatei von Lexel konnte nicht angelegt werden.", description);
}

} // namespace lexel
