#include "link/RetransmissionList.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

RetransmissionEntry Entry(int remaining, int type = 9, const std::string& ip = "10.0.0.2") {
    RetransmissionEntry e;
    e.remaining = remaining;
    e.ip = ip;
    e.msg_type = type;
    e.mac = MacArg::Text("00:1a:2b:3c:4d:5e");
    return e;
}

TEST(RetransmissionList, UnansweredRequestIsResentCountTimesThenDropped) {
    for (int count : {0, 1, 3}) {
        SCOPED_TRACE(count);
        RetransmissionList list;
        list.Add(Entry(count));
        int resent = 0;
        int passes = 0;
        while (list.size() > 0 && passes < 10) {
            list.Pass([&](const RetransmissionEntry&) { ++resent; });
            ++passes;
        }
        EXPECT_EQ(resent, count);     // plus the first send: 1 + count datagrams
        EXPECT_EQ(passes, count + 1); // dropped one pass after the last send
    }
}

TEST(RetransmissionList, OneAnswerRemovesOneMatchingEntry) {
    RetransmissionList list;
    list.Add(Entry(3));
    list.Add(Entry(3));
    list.Add(Entry(3, 8));
    EXPECT_FALSE(list.RemoveFirstMatch("10.0.0.3", 9, "00:1a:2b:3c:4d:5e")); // other address
    EXPECT_FALSE(list.RemoveFirstMatch("10.0.0.2", 9, "00:1a:2b:3c:4d:5f")); // other MAC
    EXPECT_TRUE(list.RemoveFirstMatch("10.0.0.2", 9, "00:1a:2b:3c:4d:5e"));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(list.RemoveFirstMatch("10.0.0.2", 9, "00:1a:2b:3c:4d:5e"));
    EXPECT_FALSE(list.RemoveFirstMatch("10.0.0.2", 9, "00:1a:2b:3c:4d:5e"));
    EXPECT_EQ(list.size(), 1u);
}

TEST(RetransmissionList, TypesWithoutAnswerAreNotKept) {
    for (int type = 1; type <= 19; ++type) {
        bool expected = type != 1 && type != 6 && type != 15 && type != 17;
        EXPECT_EQ(IsRetransmittedType(type), expected) << type;
    }
}

} // namespace
} // namespace cpe
