#include "pages/status/ScanMacForm.h"
#include "pages/status/SwitchSetForm.h"
#include "unit/forms/status_fakes.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

using test::FakeLink;
using test::FakeMessages;

TEST(SwitchPayloadTest, OneByteSetTheRestZero) {
    const SwitchPayload zero{};
    SwitchPayload bridgeOn{};
    bridgeOn[0] = 1;
    SwitchPayload airslotOn{};
    airslotOn[1] = 1;
    EXPECT_EQ(BuildSwitchPayload(SwitchKind::TransparentBridge, false), zero);
    EXPECT_EQ(BuildSwitchPayload(SwitchKind::TransparentBridge, true), bridgeOn);
    EXPECT_EQ(BuildSwitchPayload(SwitchKind::Airslot, false), zero);
    EXPECT_EQ(BuildSwitchPayload(SwitchKind::Airslot, true), airslotOn);
    EXPECT_EQ(SwitchMessageType(SwitchKind::TransparentBridge), 18);
    EXPECT_EQ(SwitchMessageType(SwitchKind::Airslot), 19);
}

TEST(SwitchEligibilityTest, TypesAndWorkModes) {
    EXPECT_FALSE(SwitchApplies(SwitchKind::TransparentBridge, 261, 1));
    EXPECT_TRUE(SwitchApplies(SwitchKind::TransparentBridge, 5, 1));
    EXPECT_FALSE(SwitchApplies(SwitchKind::TransparentBridge, 5, 4));
    EXPECT_FALSE(SwitchApplies(SwitchKind::TransparentBridge, 5, 7));
    EXPECT_TRUE(SwitchApplies(SwitchKind::TransparentBridge, 5, 8));
    EXPECT_TRUE(SwitchApplies(SwitchKind::Airslot, 6, 1));
    EXPECT_FALSE(SwitchApplies(SwitchKind::Airslot, 5, 1));
}

class SwitchFormTest : public ::testing::Test {
protected:
    FakeLink link;
    PageWorker worker;
    int refreshes = 0;
    std::vector<SelectionRecord> queue = {{"10.0.0.1", "00:00:00:00:00:01", 6},
                                          {"10.0.0.2", "00:00:00:00:00:02", 6}};

    SwitchSetForm Form(SwitchKind kind, int initial) {
        return SwitchSetForm(kind, link, worker, queue, initial, [this] { ++refreshes; });
    }
};

TEST_F(SwitchFormTest, DisableSendsSixteenZeroBytesToEveryQueuedDevice) {
    SwitchSetForm form = Form(SwitchKind::TransparentBridge, 1);
    EXPECT_TRUE(form.enabled());
    form.ChooseDisable();
    form.Save();
    worker.Join();
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 4u); // the switch to each device, then a report request to each
    EXPECT_EQ(sent[2].type, 2);
    EXPECT_EQ(sent[3].mac, queue[1].mac);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(sent[i].type, 18);
        EXPECT_EQ(sent[i].ip, queue[i].ip);
        EXPECT_EQ(sent[i].mac, queue[i].mac);
        EXPECT_TRUE(sent[i].retransmit);
        EXPECT_EQ(sent[i].payload, std::vector<std::uint8_t>(16, 0));
    }
    EXPECT_EQ(refreshes, 1);
}

TEST_F(SwitchFormTest, AirslotOpensWithTheDevicesValueAndSavesItUnchanged) {
    SwitchSetForm form = Form(SwitchKind::Airslot, 1);
    EXPECT_TRUE(form.enabled());
    form.Save();
    worker.Join();
    const auto sent = link.sent();
    ASSERT_EQ(sent.size(), 4u);
    std::vector<std::uint8_t> expected(16, 0);
    expected[1] = 1;
    EXPECT_EQ(sent[0].type, 19);
    EXPECT_EQ(sent[0].payload, expected);
}

TEST_F(SwitchFormTest, ClosingWithoutSaveSendsNothing) {
    {
        SwitchSetForm form = Form(SwitchKind::TransparentBridge, 0);
        EXPECT_FALSE(form.enabled());
        form.ChooseEnable();
        EXPECT_TRUE(form.enabled());
    }
    worker.Join();
    EXPECT_TRUE(link.sent().empty());
    EXPECT_EQ(refreshes, 0);
}

class ScanMacTest : public ::testing::Test {
protected:
    FakeMessages messages;
    ScanMacForm form{messages};
};

TEST_F(ScanMacTest, LowerCaseIsRaisedAndTwoDigitsMoveTheFocus) {
    auto t = form.OnFieldTextChanged(0, U"a");
    EXPECT_TRUE(t.rewrite);
    EXPECT_EQ(t.text, U"A");
    EXPECT_EQ(t.focusField, -1);
    t = form.OnFieldTextChanged(0, U"Ab");
    EXPECT_EQ(t.text, U"AB");
    EXPECT_EQ(t.focusField, 1);
    EXPECT_FALSE(t.refused);
    EXPECT_TRUE(messages.shown.empty());
    // Digits need no rewrite; the last field keeps the focus.
    t = form.OnFieldTextChanged(5, U"09");
    EXPECT_FALSE(t.rewrite);
    EXPECT_EQ(t.focusField, -1);
}

TEST_F(ScanMacTest, NonHexCharacterIsDroppedWithTheMessage) {
    auto t = form.OnFieldTextChanged(0, U"g");
    EXPECT_TRUE(t.refused);
    EXPECT_TRUE(t.rewrite);
    EXPECT_EQ(t.text, U"");
    EXPECT_EQ(t.focusField, -1);
    EXPECT_EQ(messages.last(), "please enter : 0-9&a--f&A--F");
    t = form.OnFieldTextChanged(2, U"ag");
    EXPECT_EQ(t.text, U"A");
    EXPECT_EQ(form.field(2), U"A");
    t = form.OnFieldTextChanged(3, U"g1"); // everything after the bad character goes too
    EXPECT_EQ(t.text, U"");
}

TEST_F(ScanMacTest, OkNeedsTwelveDigits) {
    const char32_t* bytes[] = {U"00", U"1A", U"2b", U"C3", U"4", U"ff"};
    for (int i = 0; i < 6; ++i) {
        form.OnFieldTextChanged(i, bytes[i]);
    }
    EXPECT_FALSE(form.Accept());
    EXPECT_EQ(messages.last(), "Mac address is error!!");
    form.OnFieldTextChanged(4, U"45");
    const std::optional<MacBytes> mac = form.Accept();
    ASSERT_TRUE(mac);
    EXPECT_EQ(*mac, (MacBytes{0x00, 0x1A, 0x2B, 0xC3, 0x45, 0xFF}));
}

} // namespace
} // namespace cpe
