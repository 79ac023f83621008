#pragma once

#include "link/ap_info.h"
#include "link/packet.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace cpe {

inline constexpr std::uint8_t kApStateSearched = 1; // answered the current search
inline constexpr std::uint8_t kApStateReported = 2; // full report received
inline constexpr std::uint8_t kApFullLives = 3;
inline constexpr std::int32_t kApStatusSearched = 10; // records built from the table for the status list

struct ManagedAp {
    std::string ip;
    std::string pending_ip;
    std::string mac;
    std::uint16_t ap_type = 0;
    std::uint8_t state = kApStateSearched;
    std::uint8_t lives = kApFullLives;
    std::uint32_t up_time = 0;
    std::string version; // the bytes its length byte counts, at most 32
    std::uint8_t work_mode = 0;
    std::uint8_t mode_btn_status = 0;
    std::string ap_name; // console code page
    std::string ssid;    // console code page
    std::uint8_t channel = 0;
    std::uint8_t bridge_transparent = 0;
    std::uint8_t tdmaEn = 0;
};

// The devices the console manages, in arrival order, at most one entry per MAC text. Every
// operation holds the table's lock for its whole run.
class ManagedApTable {
public:
    // A discovery answer: adds or refreshes the entry. True when the device should be asked for
    // its report (new, still in state 1, or answering from another address).
    bool Add(const ap_packet_info& packet);
    // A heartbeat: refreshes lives, up-time, version and address. False for an unknown device.
    bool Heartbeat(const ap_packet_info& packet, std::uint32_t& upTime);
    // A full report: accepted (state 2) when the MAC is known and no other fully known entry
    // holds its address.
    bool AcceptReport(const ap_packet_info& packet);
    void AnnounceIp(const std::string& mac, const std::string& ip, const std::string& newIp);
    void ConfirmIp(const std::string& mac, const std::string& ip);

    // One heartbeat check: entries in state 2 lose a life; those out of lives leave the table
    // and are returned.
    std::vector<ManagedAp> CheckHeartbeat();
    // Calls `fn(ip, mac)` under the lock for every entry in state 1 (or every entry).
    void ForEach(bool everyEntry, const std::function<void(const ManagedAp&)>& fn) const;
    void RemoveSearched(bool everyEntry);
    // Those of `macs` that no entry has.
    std::vector<std::string> Unmanaged(const std::vector<std::string>& macs) const;
    // The state-1 entries as device records with status 10 for the status list.
    std::vector<ap_info_stu> SearchedList(int limit, const std::string* search) const;

    std::vector<ManagedAp> Snapshot() const;
    std::size_t size() const;

private:
    mutable std::mutex mutex_;
    std::vector<ManagedAp> entries_;
    std::unordered_map<std::string, std::size_t> byMac_;

    ManagedAp* Find(const std::string& mac);
    void Reindex();
};

ap_info_stu SearchedRecord(const ManagedAp& entry);

} // namespace cpe
