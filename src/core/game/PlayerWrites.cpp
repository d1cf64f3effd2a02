#include "PlayerWrites.h"

#include "StorageMessages.h"
#include "core/startup/MessageBoxes.h"
#include "core/store/Sql.h"

namespace lexel {

bool WriteOrTell(MessageBoxes& boxes, const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const sql::Error& e) {
        if (e.FileDamaged()) {
            throw; // no write to try again: the game cannot go on with this file
        }
        boxes.Show({MessageIcon::Critical, NothingWrittenMessage(QString::fromUtf8(e.what()))});
        return false;
    }
}

} // namespace lexel
