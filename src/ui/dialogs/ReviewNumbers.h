#pragma once

// Numbers in the review as the player's language writes them: 1,200 and 2.5, or 1.200 and 2,5.

#include <QLocale>

namespace lexel {

QLocale ReviewLocale();

} // namespace lexel
