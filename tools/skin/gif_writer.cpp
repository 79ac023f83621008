#include "gif_writer.h"

#include <unordered_map>

namespace cpe {
namespace {

constexpr int kMaxCode = 4095;

// Packs variable-width codes least significant bit first into 255-byte data sub-blocks.
class CodeStream {
public:
    explicit CodeStream(std::vector<std::uint8_t>& out) : out_(out) {}

    void Write(int code, int bits) {
        acc_ |= static_cast<std::uint32_t>(code) << used_;
        used_ += bits;
        while (used_ >= 8) {
            Byte(static_cast<std::uint8_t>(acc_ & 0xFF));
            acc_ >>= 8;
            used_ -= 8;
        }
    }

    void Finish() {
        if (used_ > 0) {
            Byte(static_cast<std::uint8_t>(acc_ & 0xFF));
        }
        Flush();
        out_.push_back(0); // block terminator
    }

private:
    void Byte(std::uint8_t b) {
        block_.push_back(b);
        if (block_.size() == 255) {
            Flush();
        }
    }
    void Flush() {
        if (block_.empty()) {
            return;
        }
        out_.push_back(static_cast<std::uint8_t>(block_.size()));
        out_.insert(out_.end(), block_.begin(), block_.end());
        block_.clear();
    }

    std::vector<std::uint8_t>& out_;
    std::vector<std::uint8_t> block_;
    std::uint32_t acc_ = 0;
    int used_ = 0;
};

void Le16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Compress(const std::vector<std::uint8_t>& pixels, int minCodeSize, std::vector<std::uint8_t>& out) {
    const int clear = 1 << minCodeSize;
    const int eoi = clear + 1;
    out.push_back(static_cast<std::uint8_t>(minCodeSize));
    CodeStream stream(out);
    std::unordered_map<std::uint32_t, int> table;
    int codeSize = minCodeSize + 1;
    int last = eoi;
    stream.Write(clear, codeSize);
    int current = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const std::uint32_t key = (static_cast<std::uint32_t>(current) << 8) | pixels[i];
        if (auto it = table.find(key); it != table.end()) {
            current = it->second;
            continue;
        }
        stream.Write(current, codeSize);
        table.emplace(key, ++last);
        // The decoder learns each entry one code later, so it widens its codes after this one.
        if (last >= (1 << codeSize) && codeSize < 12) {
            ++codeSize;
        }
        if (last == kMaxCode) {
            stream.Write(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            last = eoi;
        }
        current = pixels[i];
    }
    stream.Write(current, codeSize);
    stream.Write(clear, codeSize);
    stream.Write(eoi, minCodeSize + 1);
    stream.Finish();
}

bool Valid(const GifImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > 0xFFFF || image.height > 0xFFFF ||
        image.frames.empty() || image.palette.empty() || image.palette.size() > 256) {
        return false;
    }
    const std::size_t area = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    for (const GifFrame& f : image.frames) {
        if (f.indices.size() != area) {
            return false;
        }
        for (std::uint8_t i : f.indices) {
            if (i >= image.palette.size()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeGif(const GifImage& image) {
    std::vector<std::uint8_t> out;
    if (!Valid(image)) {
        return out;
    }
    const std::uint8_t header[] = {'G', 'I', 'F', '8', '9', 'a'};
    out.insert(out.end(), std::begin(header), std::end(header));
    Le16(out, image.width);
    Le16(out, image.height);
    out.push_back(0xF7); // global colour table of 256 entries, 8 bits per primary
    out.push_back(0);    // background colour index
    out.push_back(0);    // no aspect ratio
    for (std::size_t i = 0; i < 256; ++i) {
        const auto rgb = i < image.palette.size() ? image.palette[i] : std::array<std::uint8_t, 3>{0, 0, 0};
        out.insert(out.end(), rgb.begin(), rgb.end());
    }
    if (image.frames.size() > 1) {
        const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                                     'E',  '2',  '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
        out.insert(out.end(), std::begin(loop), std::end(loop));
    }
    for (const GifFrame& f : image.frames) {
        out.insert(out.end(), {0x21, 0xF9, 0x04, 0x04}); // graphic control: keep the frame
        Le16(out, f.delayCentiseconds);
        out.insert(out.end(), {0x00, 0x00});
        out.push_back(0x2C);
        Le16(out, 0);
        Le16(out, 0);
        Le16(out, image.width);
        Le16(out, image.height);
        out.push_back(0); // no local colour table, not interlaced
        Compress(f.indices, 8, out);
    }
    out.push_back(0x3B);
    return out;
}

} // namespace cpe
