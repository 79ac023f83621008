#include "link/CaptureDevices.h"

#include "link/log.h"

#include <pcap/pcap.h>

namespace cpe {

void CaptureDevices::Refresh() {
    std::vector<std::string> names;
    char error[PCAP_ERRBUF_SIZE] = {};
    pcap_if_t* all = nullptr;
    if (pcap_findalldevs(&all, error) != 0) {
        LOG_ERROR("pcap_findalldevs fail: %s", error);
    } else {
        for (pcap_if_t* d = all; d; d = d->next) {
            names.emplace_back(d->name);
        }
        pcap_freealldevs(all);
    }
    std::lock_guard lock(mutex_);
    names_ = std::move(names);
}

std::vector<std::string> CaptureDevices::Names() const {
    std::lock_guard lock(mutex_);
    return names_;
}

bool CaptureDevices::Send(const std::string& adapterName, const RawDiscoverFrame& frame) const {
    std::string device;
    {
        std::lock_guard lock(mutex_);
        for (const auto& n : names_) {
            if (n == adapterName) {
                device = n;
                break;
            }
        }
        // Interface names can be prefixes of each other (veth1, veth10): exact first.
        for (std::size_t i = 0; device.empty() && i < names_.size(); ++i) {
            if (!adapterName.empty() && names_[i].find(adapterName) != std::string::npos) {
                device = names_[i];
            }
        }
    }
    if (device.empty()) {
        return false;
    }
    char error[PCAP_ERRBUF_SIZE] = {};
    pcap_t* handle = pcap_open_live(device.c_str(), 65536, 0, 1000, error);
    if (!handle) {
        LOG_ERROR("pcap_open_live %s fail: %s", device.c_str(), error);
        return false;
    }
    pcap_setnonblock(handle, 1, error);
    int rc = pcap_sendpacket(handle, frame.data(), static_cast<int>(frame.size()));
    if (rc == -1) {
        LOG_ERROR("pcap_sendpacket %s fail: %s", device.c_str(), pcap_geterr(handle));
    }
    pcap_close(handle);
    return rc != -1;
}

} // namespace cpe
