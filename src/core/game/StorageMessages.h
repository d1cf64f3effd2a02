#pragma once

// What the player is told when the database fails during a game (a full disk, a file damaged
// or taken away while the game runs), in the player's language. `description` is the engine's.

#include <QString>

namespace lexel {

// A write failed and changed nothing; the game goes on as before the action.
QString NothingWrittenMessage(const QString& description);
// The end of a game could not be recorded; the game ends all the same.
QString ResultNotSavedMessage(const QString& description);
// The database cannot be used any more; the game ends, keeping what was saved before.
QString CannotGoOnMessage(const QString& description);

} // namespace lexel
