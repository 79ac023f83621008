#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Golden bytes written by hand: a zero buffer with the bytes the message tables put at each offset.
namespace cpe::sim::test {

inline std::vector<std::uint8_t> Hex(const std::string& text) {
    std::vector<std::uint8_t> out;
    std::istringstream in(text);
    std::string byte;
    while (in >> byte) {
        out.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    }
    return out;
}

inline std::vector<std::uint8_t> Text(const std::string& s) {
    return {s.begin(), s.end()};
}

struct Patch {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<std::uint8_t> Golden(std::size_t size, std::initializer_list<Patch> patches) {
    std::vector<std::uint8_t> out(size, 0);
    for (const Patch& p : patches) {
        for (std::size_t i = 0; i < p.bytes.size(); ++i) {
            out.at(p.offset + i) = p.bytes[i];
        }
    }
    return out;
}

// The offsets where two buffers differ, for readable failures.
inline std::string Diff(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& want) {
    std::ostringstream out;
    if (got.size() != want.size()) {
        out << "size " << got.size() << " != " << want.size() << "; ";
    }
    for (std::size_t i = 0; i < got.size() && i < want.size(); ++i) {
        if (got[i] != want[i]) {
            out << "[" << i << "] " << int(got[i]) << "!=" << int(want[i]) << " ";
        }
    }
    return out.str();
}

} // namespace cpe::sim::test
