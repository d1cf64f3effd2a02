#include "StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lexel {

void KeepStandardStreamsOpen() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest closed number, `fd` itself, unless another thread opened a file meanwhile:
        // `fd` is then that file's, and it is left alone.
        if (const int opened = ::open("/dev/null", O_RDWR); opened > fd) {
            ::close(opened);
        }
    }
}

} // namespace lexel
