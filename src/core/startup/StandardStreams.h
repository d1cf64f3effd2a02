#pragma once

// A program started with standard input, output or error closed hands their numbers to the
// first files it opens: the lock file would become standard error, and every message written
// there would land in it.

namespace lexel {

// Opens /dev/null onto each of descriptors 0, 1 and 2 that is closed. Called first in main,
// before another thread can open a file, and again by the start in case it was not.
void KeepStandardStreamsOpen();

} // namespace lexel
