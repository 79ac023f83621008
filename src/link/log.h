#pragma once

#include <filesystem>
#include <source_location>

// The diagnostic log: one file per run under <data folder>/Logs/, named from the start time
// (YYYYMMDDhhmmss.log). Lines are written whole, one write per line, from any thread.
namespace cpe {

enum LogLevel : int { kLogInfo = 0, kLogError = 1 };

// Creates the log folder (with missing parents) and a new log file in it. Returns false when the
// file cannot be created (for example a second process in the same second); the process then
// runs without a log.
bool OpenLog(const std::filesystem::path& dataDir);

// Writes one line. Any level other than kLogError is written as INFO. Returns false when there
// is no log file. Callers normally use the LOG_INFO / LOG_ERROR macros.
bool WriteLog(const char* signature, int level, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// The path of the open log file, empty when there is none.
std::filesystem::path LogFilePath();

// Tests only: closes the current log so that another can be opened.
void CloseLogForTests();

} // namespace cpe

#define CPE_LOG(level, ...)                                                                                  \
    ::cpe::WriteLog(std::source_location::current().function_name(), (level),                                \
                    static_cast<int>(std::source_location::current().line()), __VA_ARGS__)
#define LOG_INFO(...) CPE_LOG(::cpe::kLogInfo, __VA_ARGS__)
#define LOG_ERROR(...) CPE_LOG(::cpe::kLogError, __VA_ARGS__)
