#include "radio_tables.h"

#include "device_catalogue.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string_view>

namespace cpe::sim {

namespace {
constexpr std::array<const char*, 62> kCodeTexts = {
    "CN", "US", "GB", "ES", "IT", "FR", "DE", "NL", "CZ", "PL", "EE", "RU",  "TR",  "SE",  "CH", "DK",
    "BE", "BG", "AM", "FI", "SI", "SK", "RO", "PT", "AT", "GR", "CA", "MX",  "BR",  "AR",  "CL", "CO",
    "PE", "LV", "IN", "ID", "PH", "VN", "TH", "KR", "HK", "TW", "MY", "NZ",  "AU",  "PK",  "AE", "IQ",
    "SA", "ZA", "EG", "MA", "IL", "BD", "IR", "NP", "UA", "VE", "HU", "AUT", "CHL", "Test"};

struct Entry {
    const char* code;
    const char* g24;
    const char* a20;
    const char* a40;
    const char* a80;
};

constexpr std::array<Entry, 42> kEntries = {{
    {"AU", "G13", "A", "A4", "E0"}, {"AR", "G13", "B", "B4", "E1"}, {"BR", "G13", "A", "A4", "E2"},
    {"CA", "G11", "C", "C4", "E3"}, {"CN", "G13", "C", "C4", "E3"}, {"CO", "G11", "C", "C4", "E3"},
    {"CZ", "G13", "D", "D4", "E4"}, {"EG", "G13", "D", "D4", "E4"}, {"GB", "G13", "D", "D4", "E4"},
    {"FR", "G13", "D", "D4", "E4"}, {"DE", "G13", "D", "D4", "E4"}, {"HK", "G13", "A", "A4", "E5"},
    {"IN", "G13", "A", "A4", "E5"}, {"ID", "G13", "A", "A4", "E5"}, {"IR", "G13", "F", "F4", "E6"},
    {"IQ", "G13", "A", "A4", "E5"}, {"MY", "G13", "F", "F4", "E6"}, {"MX", "G11", "A", "A4", "E5"},
    {"PE", "G13", "F", "F4", "E6"}, {"PK", "G13", "F", "F4", "E6"}, {"PH", "G13", "A", "A4", "E5"},
    {"PL", "G13", "D", "D4", "E4"}, {"RO", "G13", "D", "D4", "E4"}, {"RU", "G13", "H", "H4", "E2"},
    {"SA", "G13", "A", "A4", "E5"}, {"ZA", "G13", "A", "A4", "E2"}, {"ES", "G13", "D", "D4", "E4"},
    {"TW", "G11", "F", "F4", "E6"}, {"TH", "G13", "A", "A4", "E5"}, {"TR", "G13", "D", "D4", "E4"},
    {"AE", "G13", "J", "J4", "J8"}, {"US", "G11", "A", "A4", "E5"}, {"UA", "G13", "H", "H4", "H8"},
    {"VE", "G13", "F", "F4", "E6"}, {"VN", "G13", "D", "D4", "E4"}, {"IT", "G13", "K", "K", "K"},
    {"AM", "G13", "K", "K", "K"},   {"HU", "G13", "K", "K", "K"},   {"KR", "G13", "H", "L", "L"},
    {"AUT", "G13", "H", "L", "L"},  {"CHL", "G13", "H", "L", "L"},  {"Test", "G13", "T", "T8", "T8"},
}};

const std::map<std::string_view, const char*>& Lists() {
    static const std::map<std::string_view, const char*> lists = {
        {"G13", "0,1,2,3,4,5,6,7,8,9,10,11,12,13"},
        {"G11", "0,1,2,3,4,5,6,7,8,9,10,11"},
        {"A", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165"},
        {"A4", "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,120u,128u,132l,136u,140l,149l,153u,"
               "157l,161u"},
        {"B", "0,52,56,60,64,149,153,157,161,165"},
        {"B4", "0,52l,56u,60l,64u,149l,153u,157l,161u"},
        {"C",
         "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,144,149,153,157,161,165"},
        {"C4",
         "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u,140l,144u,149l,"
         "153u,157l,161u"},
        {"D", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140"},
        {"D4", "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u"},
        {"F", "0,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165"},
        {"F4", "0,52l,56u,60l,64u,100l,104u,108l,112u,120u,128u,132l,136u,140l,149l,153u,157l,161u"},
        {"H", "0,36,40,44,48,149,153,157,161,165"},
        {"H4", "0,36l,40u,44l,48u,52l,56u,60l,64u,100l,104u,108l,112u,116l,120u,124l,128u,132l,136u,149,153,"
               "157,161"},
        {"H8", "0,36,40,44,48,149,153,157,161"},
        {"J", "0,149,153,157,161,165"},
        {"J4", "0,149,153,157,161"},
        {"J8", "0,149,153,157,161"},
        {"K", "0,36,40,44,48"},
        {"L", "0,36,40,44,48,149,153,157,161"},
        {"T", "0,8,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,165,"
              "179,181,188"},
        {"T8", "0,8,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161,179,"
               "181,188"},
        {"E0", "0,36,40,44,48,52,56,60,64,100,104,108,112,132,136,140,144,149,153,157,161"},
        {"E1", "0,52,56,60,64,149,153,157,161"},
        {"E2", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,149,153,157,161"},
        {"E3", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,144,149,153,157,161"},
        {"E4", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128"},
        {"E5", "0,36,40,44,48,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161"},
        {"E6", "0,52,56,60,64,100,104,108,112,116,120,124,128,132,136,140,149,153,157,161"},
    };
    return lists;
}

// Channel-plan rows: 20, 40 and 80 MHz lists.
constexpr std::array<std::array<const char*, 3>, 3> kPlanRows = {{
    {"0,36,40,44,48,100,104,108,112,116,132,136,140", "0,36l,40u,44l,48u,100l,104u,108l,112u,116l,132l,136u",
     "0,36,40,44,48,100,104,108,112,116"},
    {"0,149,153,157,161,165", "0,149l,153u,157l,161u", "0,149,153,157,161"},
    {"0,36,40,44,48,100,104,108,112,116,132,136,140,149,153,157,161,165",
     "0,36l,40u,44l,48u,100l,104u,108l,112u,116l,132l,136u,149l,153u,157l,161u",
     "0,36,40,44,48,100,104,108,112,116,149,153,157,161"},
}};

int PlanRow(int entry) {
    for (int e : {1, 14, 16, 18, 19, 30, 33}) {
        if (entry == e) {
            return 1;
        }
    }
    for (int e : {6, 7, 8, 9, 10, 21, 22, 26, 29, 34, 35, 36, 37}) {
        if (entry == e) {
            return 0;
        }
    }
    return entry == 41 ? 3 : 2;
}

std::vector<ChannelChoice> Parse(const char* text) {
    std::vector<ChannelChoice> out;
    const char* p = text;
    while (*p) {
        char* end = nullptr;
        const long n = std::strtol(p, &end, 10);
        ChannelChoice c{static_cast<int>(n), 0};
        if (*end == 'l' || *end == 'u') {
            c.half = *end;
            ++end;
        }
        out.push_back(c);
        p = *end == ',' ? end + 1 : end;
        if (end == p && *p != 0 && *p != ',') {
            break;
        }
    }
    return out;
}
} // namespace

std::string CountryCodeText(unsigned index) {
    return index < kCodeTexts.size() ? kCodeTexts[index] : "";
}

int CountryCodeSlots() {
    return static_cast<int>(kCodeTexts.size());
}

int CountryEntryForCode(unsigned index) {
    const std::string code = CountryCodeText(index);
    if (code.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        if (code == kEntries[i].code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<ChannelChoice> AllowedChannels(int entry, std::uint16_t type, bool is5GHz, std::uint8_t bw,
                                           bool dfs) {
    const auto& lists = Lists();
    const Entry& e = kEntries[entry >= 0 && entry < static_cast<int>(kEntries.size()) ? entry : 0];
    const char* text = nullptr;
    if (!is5GHz) {
        text = lists.at(e.g24);
    } else if (InChannelPlanSet(type)) {
        const int row = PlanRow(entry);
        const int col = (bw == 0 || bw == 2) ? 0 : bw == 1 ? 1 : 2;
        text = row == 3 ? lists.at(col == 0 ? "T" : "T8")
                        : kPlanRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    } else {
        const bool w20 = bw == 0 || bw == 2 || bw == 4 || bw == 5;
        text = lists.at(w20 ? e.a20 : bw == 1 ? e.a40 : e.a80);
    }
    const bool test = entry == 41;
    std::vector<ChannelChoice> out;
    for (const ChannelChoice& c : Parse(text)) {
        const int n = c.channel;
        if (n == 0) {
            continue;
        }
        if (!test &&
            ((n >= 52 && n <= 64) || (n >= 100 && n <= 144 && !(InWirelessExtensionSet(type) && dfs)))) {
            continue;
        }
        if (test && (n == 8 || n == 179 || n == 181 || n == 188)) {
            continue; // kept out for every model: not all of them can use these
        }
        out.push_back(c);
    }
    return out;
}

std::vector<std::uint8_t> AllowedNetworkModes(std::uint16_t type, bool is5GHz) {
    if (!is5GHz) {
        return {1, 2, 0, 4};
    }
    std::vector<std::uint8_t> modes = {0, 1};
    if (!Lacks11n(type)) {
        modes.push_back(3);
    }
    if (Offers11ac(type)) {
        modes.push_back(2);
    }
    if (Offers11ax(type)) {
        modes.push_back(4);
    }
    return modes;
}

std::vector<std::uint8_t> AllowedBandwidths(std::uint16_t t, bool is5GHz, std::uint8_t mode) {
    if (!is5GHz) {
        if (mode <= 2) {
            return {0};
        }
        return {2, 0, 1};
    }
    auto in = [t](std::initializer_list<std::uint16_t> set) {
        for (auto v : set) {
            if (v == t) {
                return true;
            }
        }
        return false;
    };
    if (in({10, 11, 268, 269, 270, 284})) {
        if (mode == 2) {
            return {2, 4, 0, 5, 1, 6, 7, 3};
        }
        return {2, 4, 0, 5, 1};
    }
    if (in({6, 8, 9, 265, 266, 267})) {
        return {2, 4, 0, 5, 1};
    }
    if (in({13, 22, 271, 281})) {
        if (mode == 1) {
            return {2, 0, 1};
        }
        if (mode == 2) {
            return {2, 0, 1, 3};
        }
        return {2, 0};
    }
    if (InWirelessExtensionSet(t) || in({81, 287})) {
        if (mode == 2 || mode == 4) {
            return {2, 0, 1, 3};
        }
        return {2, 0, 1};
    }
    return {2, 0, 1};
}

} // namespace cpe::sim
