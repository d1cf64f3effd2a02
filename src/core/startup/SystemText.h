#pragma once

// Text from the system, file names above all, decoded for a message as the system decodes it.
// Qt 6 takes all such bytes for UTF-8, whatever the player's locale: a name written in Latin-1
// would show "J�rgen" where the player's own tools show "Jürgen".

#include <QString>
#include <string_view>

namespace lexel {

// Decodes `bytes` in the character set of the environment's locale. In a UTF-8 or plain C
// locale that is Qt's QFile::decodeName; a byte that is no character there shows as U+FFFD.
QString FromSystemText(std::string_view bytes);

} // namespace lexel
