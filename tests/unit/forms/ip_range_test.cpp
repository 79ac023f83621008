#include "pages/status/CIpsetMutilForm.h"
#include "pages/status/ip_range.h"
#include "unit/forms/status_fakes.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::FakeLink;
using test::FakeMessages;

std::vector<std::string> Texts(const std::vector<IpBytes>& list) {
    std::vector<std::string> texts;
    for (const IpBytes& ip : list) {
        texts.push_back(IpBytesToText(ip));
    }
    return texts;
}

TEST(IpRangeTest, AssignmentSkipsDotZeroAndDot255AndStopsWhenEitherRunsOut) {
    struct Case {
        const char *begin, *end;
        std::size_t devices;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"192.168.1.254", "192.168.2.10", 3, {"192.168.1.254", "192.168.2.1", "192.168.2.2"}},
        {"10.0.0.1", "10.0.0.3", 5, {"10.0.0.1", "10.0.0.2", "10.0.0.3"}},
        {"10.0.0.1", "10.0.0.200", 2, {"10.0.0.1", "10.0.0.2"}},
        {"10.0.0.7", "0.0.0.0", 1, {"10.0.0.7"}}, // one device: the begin address, no end
        {"10.0.0.254", "10.0.1.0", 3, {"10.0.0.254"}},
        {"223.255.255.254", "255.255.255.255", 2, {"223.255.255.254", "224.0.0.1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Texts(AssignIpRange(IpTextToBytes(c.begin), IpTextToBytes(c.end), c.devices)), c.expected)
            << c.begin << ".." << c.end << " for " << c.devices;
    }
}

TEST(IpRangeTest, PayloadLayoutWrittenFromTheMessageTable) {
    IpRangeBuffer range;
    range.mask = {255, 255, 0, 0};
    range.gateway = {192, 168, 0, 1};
    range.dns1 = {8, 8, 8, 8};
    range.dns2 = {8, 8, 4, 4};
    const IpSetPayload expected = {1, 192, 168, 1, 254, 255, 255, 0, 0, 192, 168,
                                   0, 1,   8,   8, 8,   8,   8,   8, 4, 4,   1};
    EXPECT_EQ(BuildIpSetPayload({192, 168, 1, 254}, range), expected);
}

TEST(IpRangeTest, WorkerMovesEachDeviceAndSendsAtItsOldAddress) {
    FakeLink link;
    const std::vector<SelectionRecord> queue = {{"10.1.1.1", "00:00:00:00:00:01", 5},
                                                {"10.1.1.2", "00:00:00:00:00:02", 5},
                                                {"10.1.1.3", "00:00:00:00:00:03", 5},
                                                {"10.1.1.4", "00:00:00:00:00:04", 5},
                                                {"10.1.1.5", "00:00:00:00:00:05", 5}};
    IpRangeBuffer range;
    range.begin = {10, 0, 0, 1};
    range.end = {10, 0, 0, 3};
    range.mask = {255, 0, 0, 0};
    EXPECT_EQ(SetIpThreadFunc(link, queue, range), 3);
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 3u);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].ip, queue[i].ip);
        EXPECT_EQ(sent[i].mac, queue[i].mac);
        EXPECT_EQ(sent[i].type, 3);
        EXPECT_TRUE(sent[i].retransmit);
        ASSERT_EQ(sent[i].payload.size(), 22u);
        EXPECT_EQ(sent[i].payload[4], i + 1); // last byte of the new address
    }
    EXPECT_EQ(link.calls().front(), "UpdateManageApIp 00:00:00:00:00:01 10.1.1.1 10.0.0.1");
}

class IpsetFormTest : public ::testing::Test {
protected:
    FakeLink link;
    FakeMessages messages;
    PageWorker worker;
    std::array<std::uint8_t, 22> addressing{};

    CIpsetMutilForm Form(std::size_t devices) {
        std::vector<SelectionRecord> queue;
        for (std::size_t i = 0; i < devices; ++i) {
            queue.push_back(
                {"10.9.9." + std::to_string(i + 1), "00:00:00:00:00:0" + std::to_string(i + 1), 5});
        }
        return CIpsetMutilForm(link, messages, worker, queue, addressing);
    }
};

TEST_F(IpsetFormTest, OpensWithTheFirstDevicesAddressing) {
    addressing = {1, 192, 168, 1, 20, 255, 255, 255, 0, 192, 168, 1, 1, 8, 8, 8, 8, 0, 0, 0, 0, 1};
    CIpsetMutilForm one = Form(1);
    EXPECT_TRUE(one.singleDevice());
    EXPECT_STREQ(one.beginLabel(), "IP_Address");
    EXPECT_EQ(one.fields().begin, U"192.168.1.20");
    EXPECT_EQ(one.fields().mask, U"255.255.255.0");
    EXPECT_EQ(one.fields().gateway, U"192.168.1.1");
    EXPECT_EQ(one.fields().dns1, U"8.8.8.8");
    EXPECT_EQ(one.fields().dns2, U"0.0.0.0");
    EXPECT_TRUE(one.fields().end.empty());
    EXPECT_STREQ(Form(2).beginLabel(), "IP_Address_Begin");
}

TEST_F(IpsetFormTest, TenChecksInOrder) {
    struct Case {
        const char* name;
        std::size_t devices;
        CIpsetMutilForm::Fields fields;
        const char* message;
    };
    const char* kInvalid = "The ip address is invalid!";
    const char* kSame = "The ip address and gateway address cannot be the same!";
    const char* kSubnet = "Ip address and gateway address is not in the same subnet!";
    const Case cases[] = {
        {"three devices", 3, {U"192.168.1.254", U"192.168.2.10", U"255.255.0.0", U"0.0.0.0", U"", U""}, ""},
        {"one device ignores end", 1, {U"10.0.0.5", U"garbage", U"255.0.0.0", U"", U"", U""}, ""},
        {"begin equals end", 2, {U"10.0.0.5", U"10.0.0.5", U"255.0.0.0", U"", U"", U""}, kInvalid},
        {"end below begin", 2, {U"10.0.0.5", U"10.0.0.4", U"255.0.0.0", U"", U"", U""}, kInvalid},
        {"end missing", 2, {U"10.0.0.5", U"", U"255.0.0.0", U"", U"", U""}, kInvalid},
        {"begin .0", 2, {U"192.168.1.0", U"192.168.1.9", U"255.255.255.128", U"", U"", U""}, kInvalid},
        {"network segment",
         2,
         {U"192.168.1.128", U"192.168.1.130", U"255.255.255.128", U"", U"", U""},
         "IP Address can't be the network segment!"},
        {"127 refused", 1, {U"127.0.0.2", U"", U"255.0.0.0", U"", U"", U""}, kInvalid},
        {"bad mask", 1, {U"10.0.0.5", U"", U"255.0.255.0", U"", U"", U""}, "The subnet mask is invalid!"},
        {"bad gateway",
         1,
         {U"10.0.0.5", U"", U"255.0.0.0", U"10.0.0.0", U"", U""},
         "The gateway address is invalid!"},
        {"begin is gateway", 1, {U"10.0.0.5", U"", U"255.0.0.0", U"10.0.0.5", U"", U""}, kSame},
        {"end is gateway", 2, {U"10.0.0.5", U"10.0.0.9", U"255.0.0.0", U"10.0.0.9", U"", U""}, kSame},
        {"end is gateway before segment",
         2,
         {U"192.168.1.128", U"192.168.1.130", U"255.255.255.128", U"192.168.1.130", U"", U""},
         kSame},
        {"gateway other subnet", 1, {U"10.0.0.5", U"", U"255.255.255.0", U"10.0.1.1", U"", U""}, kSubnet},
        {"end leaves the gateway's subnet",
         2,
         {U"10.0.0.5", U"10.0.1.9", U"255.255.255.0", U"10.0.0.1", U"", U""},
         kSubnet},
        {"gateway zero skips subnet",
         2,
         {U"10.0.0.5", U"10.0.1.9", U"255.255.255.0", U"0.0.0.0", U"", U""},
         ""},
        {"bad primary dns",
         1,
         {U"10.0.0.5", U"", U"255.0.0.0", U"", U"0.0.0.1", U""},
         "The primary DNS Server is invalid!"},
        {"bad secondary dns",
         1,
         {U"10.0.0.5", U"", U"255.0.0.0", U"", U"", U"1.1.1.255"},
         "The secondary DNS Server is invalid!"},
        {"equal dns",
         1,
         {U"10.0.0.5", U"", U"255.0.0.0", U"", U"8.8.8.8", U"8.8.8.8"},
         "Primary DNS Server and Secondary DNS Server can't be the same!"},
        {"both dns zero", 1, {U"10.0.0.5", U"", U"255.0.0.0", U"", U"0.0.0.0", U"0.0.0.0"}, ""},
    };
    for (const Case& c : cases) {
        CIpsetMutilForm form = Form(c.devices);
        form.fields() = c.fields;
        RuleMessage message = form.Check();
        EXPECT_EQ(std::string(message ? message : ""), c.message) << c.name;
    }
}

TEST_F(IpsetFormTest, RefusedSaveShowsTheMessageAndSendsNothing) {
    CIpsetMutilForm form = Form(2);
    form.fields() = {U"10.0.0.5", U"10.0.0.5", U"255.0.0.0", U"", U"", U""};
    EXPECT_FALSE(form.Save());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The ip address is invalid!");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_TRUE(messages.shown[0].applicationCaption);
    EXPECT_TRUE(form.editable());
    EXPECT_FALSE(worker.recorded());
}

TEST_F(IpsetFormTest, SaveStartsTheWorkerAndTheProgressRediscoversThreeTimes) {
    CIpsetMutilForm form = Form(3);
    form.fields() = {U"192.168.1.254", U"192.168.2.10", U"255.255.0.0", U"0.0.0.0", U"", U""};
    ASSERT_TRUE(form.Save());
    worker.Join();
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(IpBytesToText({sent[1].payload[1], sent[1].payload[2], sent[1].payload[3], sent[1].payload[4]}),
              "192.168.2.1");
    EXPECT_FALSE(form.editable());
    EXPECT_TRUE(form.progressing());

    link.ClearCalls();
    std::vector<std::pair<int, std::string>> events; // position before the tick, call
    int ticks = 0;
    for (bool closed = false; !closed && ticks < 100; ++ticks) {
        const int before = form.position();
        closed = form.Tick();
        for (const std::string& call : link.calls()) {
            events.emplace_back(before, call);
        }
        link.ClearCalls();
    }
    EXPECT_EQ(ticks, 29); // 29 ticks of 500 ms: closes after 14.5 s
    EXPECT_EQ(form.position(), 30);
    const std::vector<std::pair<int, std::string>> expected = {
        {17, "SendUnmanage"}, {17, "SendDiscover"}, {23, "SendDiscover"}, {29, "SendDiscover"}};
    EXPECT_EQ(events, expected);
}

TEST_F(IpsetFormTest, CloseStopsTheRediscoveryRounds) {
    CIpsetMutilForm form = Form(1);
    form.fields() = {U"10.0.0.5", U"", U"255.0.0.0", U"", U"", U""};
    ASSERT_TRUE(form.Save());
    worker.Join();
    link.ClearCalls();
    for (int i = 0; i < 10; ++i) {
        form.Tick();
    }
    form.Close();
    for (int i = 0; i < 30; ++i) {
        EXPECT_FALSE(form.Tick());
    }
    EXPECT_TRUE(link.calls().empty());
    EXPECT_EQ(link.sent().size(), 1u);
}

} // namespace
} // namespace cpe
