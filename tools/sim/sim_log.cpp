#include "sim_log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace cpe::sim {

namespace {
std::atomic<bool> gQuiet{false};
}

void SetSimLogQuiet(bool quiet) {
    gQuiet = quiet;
}

void SimLog(const char* format, ...) {
    if (gQuiet) {
        return;
    }
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fprintf(stderr, "cpe-sim: %s\n", line);
}

} // namespace cpe::sim
