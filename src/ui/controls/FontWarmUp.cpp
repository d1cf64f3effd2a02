#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace lexel {

// The configuration is process-wide and set up once; Qt's own call then finds it in place.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

} // namespace lexel
