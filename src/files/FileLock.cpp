#include "files/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::string& path, Mode mode)
    : fd(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
{
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
