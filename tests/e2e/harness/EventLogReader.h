#pragma once

#include <chrono>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace cpe::e2e {

// Reads cpe-sim's event log (one JSON object per line) while the simulator keeps writing it.
class EventLogReader {
public:
    explicit EventLogReader(std::string path = {}) : path_(std::move(path)) {}
    void SetPath(std::string path) {
        path_ = std::move(path);
        lines_.clear();
        offset_ = 0;
    }

    // Reads the lines appended since the last call; a half-written last line waits for later.
    const std::vector<nlohmann::json>& Refresh();
    const std::vector<nlohmann::json>& Lines() const { return lines_; }

    // Re-reads until `done` holds for the lines so far or `timeout` passes; returns whether it held.
    bool WaitFor(const std::function<bool(const std::vector<nlohmann::json>&)>& done,
                 std::chrono::milliseconds timeout);

    // Lines with every given key equal to the given value, e.g. {{"dir","tx"},{"msg_type",1}}.
    std::vector<nlohmann::json> Matching(const nlohmann::json& fields) const;
    std::size_t Count(const nlohmann::json& fields) const { return Matching(fields).size(); }

private:
    std::string path_;
    std::vector<nlohmann::json> lines_;
    std::size_t offset_ = 0;
};

} // namespace cpe::e2e
