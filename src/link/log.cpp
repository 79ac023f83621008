#include "link/log.h"

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace cpe {
namespace {

std::mutex g_logMutex;
int g_logFd = -1;
std::filesystem::path g_logPath;

std::tm LocalTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::string FileNameFor(std::time_t t) {
    std::tm tm = LocalTime(t);
    char name[80];
    std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d%02d.log", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return name;
}

void AppendTimeStamp(std::string& line) {
    auto now = std::chrono::system_clock::now();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm = LocalTime(std::chrono::system_clock::to_time_t(now));
    char stamp[64]; // the fields of a valid local time always fit
    std::snprintf(stamp, sizeof stamp, "[%04d-%02d-%02d %02d:%02d:%02d:%04d]", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
    line += stamp;
}

bool WriteWhole(int fd, const std::string& line) {
    const char* p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool OpenLog(const std::filesystem::path& dataDir) {
    std::error_code ec;
    auto folder = dataDir / "Logs";
    std::filesystem::create_directories(folder, ec);
    auto path = folder / FileNameFor(std::time(nullptr));
    // O_EXCL: a file of that name means another run owns it, and this run goes without a log.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    std::lock_guard lock(g_logMutex);
    if (g_logFd >= 0) {
        ::close(g_logFd);
    }
    g_logFd = fd;
    g_logPath = path;
    return true;
}

bool WriteLog(const char* signature, int level, int line, const char* format, ...) {
    std::string text;
    text.reserve(256);
    AppendTimeStamp(text);
    text += level == kLogError ? "[ERROR]" : "[INFO]";

    char thread[32];
    std::snprintf(thread, sizeof thread, "[ThreadID: %u]", static_cast<unsigned>(::gettid()));
    text += thread;

    char origin[512];
    std::snprintf(origin, sizeof origin, "[%s:%d]", signature ? signature : "", line);
    text += origin;

    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int size = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (size > 0) {
        std::size_t at = text.size();
        text.resize(at + static_cast<std::size_t>(size) + 1);
        std::vsnprintf(text.data() + at, static_cast<std::size_t>(size) + 1, format, args);
        text.resize(at + static_cast<std::size_t>(size));
    }
    va_end(args);
    text += "\r\n";

    // One write per line straight to the kernel: the line survives a crash of the process, and
    // the lock keeps lines of different threads from interleaving.
    std::lock_guard lock(g_logMutex);
    if (g_logFd < 0) {
        return false;
    }
    ::lseek(g_logFd, 0, SEEK_END);
    return WriteWhole(g_logFd, text);
}

std::filesystem::path LogFilePath() {
    std::lock_guard lock(g_logMutex);
    return g_logPath;
}

void CloseLogForTests() {
    std::lock_guard lock(g_logMutex);
    if (g_logFd >= 0) {
        ::close(g_logFd);
    }
    g_logFd = -1;
    g_logPath.clear();
}

} // namespace cpe
