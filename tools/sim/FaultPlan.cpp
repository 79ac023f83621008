#include "FaultPlan.h"

#include "link/message_types.h"

#include <sstream>

namespace cpe::sim {

bool ParseTypeList(const std::string& text, std::set<int>& out, std::string& why) {
    std::stringstream in(text);
    std::string item;
    out.clear();
    while (std::getline(in, item, ',')) {
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos || item.size() > 2) {
            why = "not a message type: '" + item + "'";
            return false;
        }
        const int t = std::stoi(item);
        if (t < kFirstMessageType || t > kLastMessageType) {
            why = "message type out of range: " + item;
            return false;
        }
        out.insert(t);
    }
    return true;
}

bool ParseDelayRange(const std::string& text, double& lo, double& hi, std::string& why) {
    const std::size_t dash = text.find('-');
    const std::string a = text.substr(0, dash);
    const std::string b = dash == std::string::npos ? a : text.substr(dash + 1);
    auto number = [](const std::string& s, double& v) {
        if (s.empty() || s.size() > 7 || s.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        v = std::stod(s);
        return true;
    };
    if (!number(a, lo) || !number(b, hi) || hi < lo) {
        why = "expected milliseconds A-B with A <= B, got '" + text + "'";
        return false;
    }
    return true;
}

FaultPlan::FaultPlan(FaultOptions options, std::uint64_t seed)
    : opt_(std::move(options)), rng_(seed ^ 0xFA017ULL) {}

bool FaultPlan::Draw(double p) {
    return p > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

double FaultPlan::Uniform(double lo, double hi) {
    return hi <= lo ? lo : std::uniform_real_distribution<double>(lo, hi)(rng_);
}

double FaultPlan::AnswerDelay() {
    return Scale(Uniform(opt_.delayMinMs, opt_.delayMaxMs) / 1000.0);
}

std::vector<std::uint8_t> FaultPlan::Corrupt(ConstBytes datagram, const char*& how) {
    std::vector<std::uint8_t> out(datagram.begin(), datagram.end());
    switch (rng_() % 4) {
    case 0:
        out.resize(rng_() % kHeaderSize);
        how = "malformed: shorter than the header";
        break;
    case 1:
        if (out.size() > kHeaderSize + 1) {
            out.resize(kHeaderSize + rng_() % (out.size() - kHeaderSize));
            how = "malformed: payload cut short";
            break;
        }
        [[fallthrough]];
    case 2:
        out[0] = 0x19;
        out[1] = 0x88; // the magic in the wrong byte order
        how = "malformed: bad magic";
        break;
    default: {
        const std::size_t body = out.size() > kHeaderSize ? out.size() - kHeaderSize : 0;
        for (int i = 0; i < 4 && !out.empty(); ++i) {
            const std::size_t at = body != 0 ? kHeaderSize + rng_() % body : rng_() % out.size();
            out[at] ^= static_cast<std::uint8_t>(1 + rng_() % 255);
        }
        how = "malformed: payload bytes corrupted";
        break;
    }
    }
    return out;
}

} // namespace cpe::sim
