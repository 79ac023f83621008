#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace cpe {

// The console's command line.
struct AppOptions {
    bool loopback = false;             // --loopback: only lo, never the real adapters
    QString home;                      // --home DIR: data folder (logs, data.mdb, lock) for tests
    std::optional<std::uint32_t> lcid; // --lcid N: language instead of the system locale
    bool version = false;              // --version
    bool help = false;                 // --help
    QString error;                     // not empty when the line cannot be used
};

// Parses the arguments (the program name first). Qt's own options (-platform and the like) are
// taken by QApplication before this sees them.
AppOptions ParseAppOptions(const QStringList& arguments);

QString AppUsage();

} // namespace cpe
