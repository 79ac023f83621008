#include "EventLog.h"

#include "device_layout.h"
#include "link/message_types.h"

#include <chrono>

namespace cpe::sim {

double WallSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

EventLog::~EventLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool EventLog::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "a");
    return file_ != nullptr;
}

void EventLog::Write(nlohmann::json& line) {
    if (file_ == nullptr) {
        return;
    }
    line["time"] = WallSeconds();
    const std::string text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

void EventLog::Datagram(const Wire& w) {
    if (file_ == nullptr) {
        return;
    }
    namespace h = layout::hdr;
    nlohmann::json line;
    line["dir"] = w.dir;
    line["port"] = w.port;
    line["peer"] = w.peer;
    line["local"] = w.local;
    line["len"] = w.datagram.size();
    if (w.datagram.size() >= kHeaderSize) {
        line["magic"] = GetLe16(w.datagram, h::kMagic);
        line["ap_type"] = GetLe16(w.datagram, h::kApType);
        line["msg_type"] = GetLe16(w.datagram, h::kMsgType);
        line["dest_flag"] = Get8(w.datagram, h::kDestFlag);
        line["mac"] = MacText(GetMac(w.datagram, h::kMac));
        line["data_len"] = GetLe16(w.datagram, h::kDataLen);
        line["payload"] = HexText(w.datagram.subspan(kHeaderSize));
    } else {
        line["payload"] = HexText(w.datagram);
    }
    if (w.note != nullptr) {
        line["note"] = w.note;
    }
    Write(line);
}

void EventLog::State(const Mac& mac, const std::string& what, const nlohmann::json& detail) {
    nlohmann::json line;
    line["event"] = "state";
    line["mac"] = MacText(mac);
    line["what"] = what;
    if (!detail.is_null()) {
        line["detail"] = detail;
    }
    Write(line);
}

void EventLog::Line(nlohmann::json line) {
    Write(line);
}

} // namespace cpe::sim
