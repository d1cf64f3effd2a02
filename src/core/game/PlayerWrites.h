#pragma once

// Every write that a player's action causes goes through here, so that a database that refuses
// it (a full disk, a failing disk, a file taken away) is met the same way wherever it happens:
// the write's transaction has kept what was there, the player is told that nothing was
// changed, and the caller lets the player go on as before the action.

#include <functional>

namespace lexel {

class MessageBoxes;

// Runs `write`; true when it was written. When the database refuses it, the player is told
// and false comes back. A damaged file, and errors other than the database's, pass through.
bool WriteOrTell(MessageBoxes& boxes, const std::function<void()>& write);

} // namespace lexel
