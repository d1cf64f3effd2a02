#pragma once

// The messages of a start that cannot go on. They join English and German: the language is
// not known yet. `description` is the system's or the database engine's own account.

#include <QString>

namespace lexel {

QString AlreadyRunningMessage();
QString DatabaseNotFoundMessage(const QString& description);
QString DatabaseNotOpenedMessage(const QString& description);
QString DatabaseNotOwnMessage(const QString& description);
QString DataFolderFailedMessage(const QString& description);
QString DataFolderNotOwnMessage(const QString& description);
QString LockFailedMessage(const QString& description);

} // namespace lexel
