#include "shell/app/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cpe {

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SingleInstance::Acquire(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::filesystem::path path = dir / kLockName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = fd;
    return true;
}

std::filesystem::path SingleInstance::DefaultLockDir() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        return runtime;
    }
    std::filesystem::path dir = "/tmp/korva-cpe-assistant-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    return dir;
}

} // namespace cpe
