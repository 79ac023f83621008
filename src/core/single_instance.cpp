#include "core/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cpe {

SingleInstanceLock::SingleInstanceLock(std::filesystem::path folder) {
    if (!folder.empty()) {
        path_ = folder / "Korva_CPEAssistant.lock";
    } else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        path_ = std::filesystem::path(runtime) / "Korva_CPEAssistant.lock";
    } else {
        // /tmp is shared by every user: one lock per user, so users do not block each other.
        path_ = "/tmp/Korva_CPEAssistant-" + std::to_string(::getuid()) + ".lock";
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

bool SingleInstanceLock::Acquire() {
    if (fd_ >= 0) {
        return true;
    }
    // 0600: in the shared /tmp fallback another user's console must not be able to hold ours.
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        error_ = "cannot open " + path_.string() + ": " + std::strerror(errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error_ = errno == EWOULDBLOCK ? "another instance is running"
                                      : "cannot lock " + path_.string() + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    error_.clear();
    return true;
}

} // namespace cpe
