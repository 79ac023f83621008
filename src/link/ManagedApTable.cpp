#include "link/ManagedApTable.h"

#include "link/log.h"
#include "link/report_records.h"

#include <algorithm>

namespace cpe {
namespace {

std::string VersionAt(const std::uint8_t* p) {
    return CountedText(p, kTextFieldSize, p[kTextFieldSize]);
}

} // namespace

ManagedAp* ManagedApTable::Find(const std::string& mac) {
    auto it = byMac_.find(mac);
    return it == byMac_.end() ? nullptr : &entries_[it->second];
}

void ManagedApTable::Reindex() {
    byMac_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        byMac_.emplace(entries_[i].mac, i);
    }
}

bool ManagedApTable::Add(const ap_packet_info& packet) {
    std::string ip = packet.sender_ip();
    std::string mac = packet.mac_text();
    std::lock_guard lock(mutex_);
    ManagedAp* entry = Find(mac);
    if (!entry) {
        ManagedAp e;
        e.ip = ip;
        e.mac = mac;
        e.ap_type = packet.ap_type();
        DiscoverySummary s = DecodeDiscoverySummary(packet);
        e.version = s.version;
        e.work_mode = s.work_mode;
        e.mode_btn_status = s.mode_btn_status;
        e.up_time = s.up_time;
        e.ap_name = s.ap_name;
        e.ssid = s.ssid;
        e.channel = s.channel;
        e.bridge_transparent = s.bridge_transparent;
        e.tdmaEn = s.tdmaEn;
        byMac_.emplace(mac, entries_.size());
        entries_.push_back(std::move(e));
        return true;
    }
    entry->ap_type = packet.ap_type();
    entry->lives = kApFullLives;
    entry->version = VersionAt(packet.payload());
    return !(entry->ip == ip && entry->state == kApStateReported);
}

bool ManagedApTable::Heartbeat(const ap_packet_info& packet, std::uint32_t& upTime) {
    DiscoverySummary s = DecodeHeartbeat(packet);
    std::lock_guard lock(mutex_);
    ManagedAp* entry = Find(packet.mac_text());
    if (!entry) {
        return false;
    }
    entry->lives = kApFullLives;
    entry->up_time = s.up_time;
    entry->version = s.version;
    entry->ip = packet.sender_ip();
    upTime = s.up_time;
    return true;
}

bool ManagedApTable::AcceptReport(const ap_packet_info& packet) {
    std::string ip = packet.sender_ip();
    std::string mac = packet.mac_text();
    std::lock_guard lock(mutex_);
    int ipHolder = -1;
    int macHolder = -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].ip == ip && entries_[i].state == kApStateReported) {
            ipHolder = static_cast<int>(i);
        }
        if (entries_[i].mac == mac) {
            macHolder = static_cast<int>(i);
        }
    }
    LOG_INFO("ip:%s--ip_onlien:%d--index:%d, mac:%s--index:%d", ip.c_str(), ipHolder >= 0 ? 1 : 0, ipHolder,
             mac.c_str(), macHolder);
    if (macHolder < 0 || (ipHolder >= 0 && ipHolder != macHolder)) {
        return false;
    }
    ManagedAp& e = entries_[static_cast<std::size_t>(macHolder)];
    const std::uint8_t* p = packet.payload();
    e.ap_type = packet.ap_type();
    e.state = kApStateReported;
    e.up_time = GetU32(p + report_offset::up_time);
    e.ip = ip;
    e.version = VersionAt(p + report_offset::version);
    e.bridge_transparent = p[report_offset::bridge_transparent];
    e.tdmaEn = p[report_offset::tdmaEn];
    return true;
}

void ManagedApTable::AnnounceIp(const std::string& mac, const std::string& ip, const std::string& newIp) {
    std::lock_guard lock(mutex_);
    LOG_INFO("UpdateManageApIp(ip:%s, mac:%s, ipUpdate:%s)", ip.c_str(), mac.c_str(), newIp.c_str());
    for (auto& e : entries_) {
        if (e.mac == mac && e.state == kApStateReported && e.ip == ip) {
            e.pending_ip = newIp != ip ? newIp : std::string();
            return;
        }
    }
}

void ManagedApTable::ConfirmIp(const std::string& mac, const std::string& ip) {
    std::lock_guard lock(mutex_);
    LOG_INFO("Start UpdateManageApIp(mac:%s, ip:%s)", mac.c_str(), ip.c_str());
    for (auto& e : entries_) {
        if (e.mac == mac && e.ip == ip) {
            if (!e.pending_ip.empty() && e.pending_ip != e.ip) {
                e.ip = e.pending_ip;
                e.pending_ip.clear();
            }
            return;
        }
    }
}

std::vector<ManagedAp> ManagedApTable::CheckHeartbeat() {
    std::vector<ManagedAp> removed;
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < entries_.size();) {
        ManagedAp& e = entries_[i];
        if (e.lives > 0) {
            if (e.state != kApStateSearched) {
                --e.lives;
            }
            ++i;
            continue;
        }
        LOG_INFO("manage ap heartbeat and delete ap info");
        removed.push_back(std::move(e));
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    if (!removed.empty()) {
        Reindex();
    }
    return removed;
}

void ManagedApTable::ForEach(bool everyEntry, const std::function<void(const ManagedAp&)>& fn) const {
    std::lock_guard lock(mutex_);
    for (const auto& e : entries_) {
        if (everyEntry || e.state == kApStateSearched) {
            fn(e);
        }
    }
}

void ManagedApTable::RemoveSearched(bool everyEntry) {
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [&](const ManagedAp& e) { return everyEntry || e.state == kApStateSearched; });
    Reindex();
}

std::vector<std::string> ManagedApTable::Unmanaged(const std::vector<std::string>& macs) const {
    std::vector<std::string> out;
    std::lock_guard lock(mutex_);
    for (const auto& mac : macs) {
        if (!byMac_.contains(mac)) {
            out.push_back(mac);
        }
    }
    return out;
}

ap_info_stu SearchedRecord(const ManagedAp& e) {
    ap_info_stu r;
    r.set_mac(e.mac);
    r.set_ap_type(e.ap_type);
    r.set_ap_status(kApStatusSearched);
    r.set_work_mode(e.work_mode);
    r.set_mode_btn_status(e.mode_btn_status);
    r.set_up_time(e.up_time);
    r.set_ip(e.ip);
    r.set_version(e.version.substr(0, e.version.find('\n')));
    r.set_ap_name(e.ap_name);
    r.set_ssid(e.ssid);
    r.set_channel(e.channel);
    r.set_bridge_transparent(e.bridge_transparent);
    r.set_tdmaEn(e.tdmaEn);
    return r;
}

std::vector<ap_info_stu> ManagedApTable::SearchedList(int limit, const std::string* search) const {
    std::vector<ap_info_stu> out;
    std::lock_guard lock(mutex_);
    int considered = 0;
    for (const auto& e : entries_) {
        if (e.state != kApStateSearched) {
            continue;
        }
        if (considered++ >= limit) {
            break;
        }
        if (search && !search->empty() && e.ip.find(*search) == std::string::npos &&
            e.mac.find(*search) == std::string::npos && e.version.find(*search) == std::string::npos) {
            continue;
        }
        out.push_back(SearchedRecord(e));
    }
    return out;
}

std::vector<ManagedAp> ManagedApTable::Snapshot() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::size_t ManagedApTable::size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

} // namespace cpe
