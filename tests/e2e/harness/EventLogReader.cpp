#include "EventLogReader.h"

#include <fstream>
#include <thread>

namespace cpe::e2e {

const std::vector<nlohmann::json>& EventLogReader::Refresh() {
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        return lines_;
    }
    in.seekg(static_cast<std::streamoff>(offset_));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
        auto line = nlohmann::json::parse(text.substr(start, nl - start), nullptr, false);
        if (!line.is_discarded()) {
            lines_.push_back(std::move(line));
        }
        start = nl + 1;
    }
    offset_ += start;
    return lines_;
}

bool EventLogReader::WaitFor(const std::function<bool(const std::vector<nlohmann::json>&)>& done,
                             std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (done(Refresh())) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::vector<nlohmann::json> EventLogReader::Matching(const nlohmann::json& fields) const {
    std::vector<nlohmann::json> out;
    for (const auto& line : lines_) {
        bool all = true;
        for (const auto& [key, value] : fields.items()) {
            if (!line.contains(key) || line[key] != value) {
                all = false;
                break;
            }
        }
        if (all) {
            out.push_back(line);
        }
    }
    return out;
}

} // namespace cpe::e2e
