#include "link/raw_frame.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

// Written by hand from the frame table for adapter 10.0.0.5/255.0.0.0 with MAC 02:00:00:00:00:01
// searching for 00:1a:2b:3c:4d:5e. Checksums worked out on paper: IPv4 0x2eb1, UDP 0x152d.
TEST(RawDiscoverFrame, MatchesTheHandWrittenFrame) {
    const RawDiscoverFrame expected = {
        0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01, 0x08, 0x00, // Ethernet
        0x45, 0x00, 0x00, 0x2c, 0x37, 0x0d, 0x00, 0x00, 0x40, 0x11, 0x2e, 0xb1,             // IPv4
        0x0a, 0x00, 0x00, 0x05, 0x0a, 0xff, 0xff, 0xff,                                     //
        0x26, 0x3a, 0x26, 0x3a, 0x00, 0x18, 0x15, 0x2d,                                     // UDP
        0x88, 0x19, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,                                     // request
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    RawDiscoverFrame frame;
    ASSERT_TRUE(BuildRawDiscoverFrame(frame, {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}, {0x02, 0, 0, 0, 0, 0x01},
                                      "10.0.0.5", "10.255.255.255"));
    EXPECT_EQ(frame, expected);
}

TEST(RawDiscoverFrame, ChecksumsVerifyForOtherAddresses) {
    RawDiscoverFrame frame;
    ASSERT_TRUE(BuildRawDiscoverFrame(frame, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, "192.168.77.201",
                                      "192.168.77.255"));
    // A correct header sums to zero; so does the UDP part with its pseudo-header.
    EXPECT_EQ(InternetChecksum({frame.data() + 14, 20}), 0);
    std::uint8_t pseudo[12] = {192, 168, 77, 201, 192, 168, 77, 255, 0, 17, 0, 24};
    std::uint32_t partial = 0;
    for (int i = 0; i < 12; i += 2) {
        partial += static_cast<std::uint32_t>(pseudo[i] << 8 | pseudo[i + 1]);
    }
    EXPECT_EQ(InternetChecksum({frame.data() + 34, 24}, partial), 0);
}

TEST(RawDiscoverFrame, RefusesTextThatIsNoAddress) {
    RawDiscoverFrame frame;
    EXPECT_FALSE(BuildRawDiscoverFrame(frame, {}, {}, "10.0.0", "10.255.255.255"));
}

} // namespace
} // namespace cpe
