#include "files/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Never through a link (a dangling one would create a file elsewhere) and never waiting on a FIFO.
constexpr int OpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

} // namespace

FileLock::FileLock(const std::string& path, Mode mode)
    : fd(open(path.c_str(), O_RDWR | O_CREAT | OpenFlags, 0666))
{
    // flock works as well on a descriptor open for reading: a lock file left read-only (by a run
    // under sudo, say) still keeps two games apart.
    if (fd < 0)
        fd = open(path.c_str(), O_RDONLY | OpenFlags);
    const int operation = mode == Mode::Try ? LOCK_EX | LOCK_NB : LOCK_EX;
    int result = fd < 0 ? -1 : 0;
    if (fd >= 0)
        while ((result = flock(fd, operation)) != 0 && errno == EINTR) {
        }
    if (result != 0) {
        heldElsewhere = fd >= 0 && errno == EWOULDBLOCK;
        reason = heldElsewhere ? "another game holds it" : std::strerror(errno);
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

FileLock::~FileLock()
{
    // Closing the last descriptor releases the lock.
    if (fd >= 0)
        close(fd);
}
