#include "StorageMessages.h"

#include <QCoreApplication>

namespace lexel {

QString NothingWrittenMessage(const QString& description) {
    return QCoreApplication::translate("lexel::StorageMessages",
                                       "Lexel could not write to its database:\n%1\nNothing was "
                                       "changed; you can try again.")
        .arg(description);
}

QString ResultNotSavedMessage(const QString& description) {
    return QCoreApplication::translate("lexel::StorageMessages",
                                       "The result of this game could not be saved:\n%1")
        .arg(description);
}

QString CannotGoOnMessage(const QString& description) {
    return QCoreApplication::translate("lexel::StorageMessages",
                                       "Lexel cannot go on: its database could not be read or "
                                       "written.\n%1\nEverything saved before is kept.")
        .arg(description);
}

} // namespace lexel
