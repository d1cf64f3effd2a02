#include "PlayerWrites.h"

#include "StorageMessages.h"
#include "core/base/StorageError.h"
#include "core/ports/MessageBoxes.h"

namespace lexel {

bool WriteOrTell(MessageBoxes& boxes, const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const StorageError& e) {
        if (e.FileDamaged()) {
            throw; // no write to try again: the game cannot go on with this file
        }
        boxes.Show({MessageIcon::Critical, NothingWrittenMessage(QString::fromUtf8(e.what()))});
        return false;
    }
}

} // namespace lexel
