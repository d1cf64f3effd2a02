#pragma once

class QApplication;

namespace lexel {

// Runs the game: one instance, its database, the language, the main window. Returns the
// program's exit code.
int RunLexel(QApplication& app);

} // namespace lexel
