#include "shell/forms/edit_filter.h"
#include "shell/forms/page_ids.h"
#include "shell/forms/pager_labels.h"
#include "shell/forms/text_placement.h"
#include "shell/forms/wait_schedule.h"

#include <gtest/gtest.h>

namespace cpe {
namespace {

constexpr int E = kPagerEllipsis;

TEST(PagerLabelsTest, LabelsForCountAndCurrentPage) {
    struct Case {
        int count, current;
        std::vector<int> labels;
    } cases[] = {
        {0, 1, {}},
        {1, 1, {1}},
        {7, 4, {1, 2, 3, 4, 5, 6, 7}},
        {8, 1, {1, 2, 3, 4, 5, E, 8}},
        {8, 4, {1, 2, 3, 4, 5, E, 8}},
        {8, 5, {1, E, 4, 5, 6, 7, 8}},
        {12, 5, {1, E, 4, 5, 6, E, 12}},
        {12, 6, {1, E, 5, 6, 7, E, 12}},
        {12, 8, {1, E, 7, 8, 9, E, 12}},
        {12, 9, {1, E, 8, 9, 10, 11, 12}},
        {12, 10, {1, E, 8, 9, 10, 11, 12}},
        {12, 12, {1, E, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PagerLabels(c.count, c.current), c.labels) << c.count << " pages, page " << c.current;
    }
}

TEST(PagerLabelsTest, OnlyOtherNumbersAreSelectable) {
    EXPECT_TRUE(PagerSelectable(3, 2));
    EXPECT_FALSE(PagerSelectable(2, 2));
    EXPECT_FALSE(PagerSelectable(E, 2));
}

struct WaitRun {
    std::vector<int> passTicks; // tick counter values at which a pass ran
    int unmanageCount = 0;
    bool unmanageBeforeFirstPass = false;
    int closedOnTick = 0; // number of Tick() calls until the dialog closed
};

WaitRun Drive(int seconds, bool rediscover, int passes, int closeAfterTicks = -1) {
    WaitSchedule schedule(seconds, rediscover, passes);
    WaitRun run;
    for (int tick = 1; tick <= 1000 && !schedule.closed(); ++tick) {
        if (tick == closeAfterTicks) {
            schedule.Close();
            break;
        }
        const WaitSchedule::Step step = schedule.Tick();
        if (step.unmanage) {
            ++run.unmanageCount;
            run.unmanageBeforeFirstPass = step.discover && run.passTicks.empty();
        }
        if (step.discover) {
            run.passTicks.push_back(tick + 1); // the counter starts at 1
        }
        EXPECT_LE(step.progress, schedule.ticks());
        if (step.close) {
            EXPECT_EQ(step.progress, schedule.ticks());
            run.closedOnTick = tick;
        }
    }
    return run;
}

TEST(WaitScheduleTest, PassesRunNearTheEndAfterOneRelease) {
    const WaitRun r15 = Drive(15, true, 3);
    EXPECT_EQ(r15.passTicks, (std::vector<int>{18, 24, 30}));
    EXPECT_EQ(r15.unmanageCount, 1);
    EXPECT_TRUE(r15.unmanageBeforeFirstPass);
    EXPECT_EQ(r15.closedOnTick, 29); // half a second before the nominal 15 s

    EXPECT_EQ(Drive(60, true, 3).passTicks, (std::vector<int>{108, 114, 120}));
    const WaitRun r60 = Drive(60, true, 5);
    EXPECT_EQ(r60.passTicks, (std::vector<int>{96, 102, 108, 114, 120}));
    EXPECT_EQ(r60.unmanageCount, 1);
    EXPECT_EQ(r60.closedOnTick, 119);
}

TEST(WaitScheduleTest, NoPassesWhenOffClosedEarlyOrTooShort) {
    const WaitRun off = Drive(60, false, 3);
    EXPECT_TRUE(off.passTicks.empty());
    EXPECT_EQ(off.unmanageCount, 0);

    const WaitRun closed = Drive(15, true, 3, /*closeAfterTicks=*/10); // the close button after 5 s
    EXPECT_TRUE(closed.passTicks.empty());
    EXPECT_EQ(closed.unmanageCount, 0);

    const WaitRun shortRun = Drive(2, true, 3); // the first pass would fall before the first tick
    EXPECT_TRUE(shortRun.passTicks.empty());
    EXPECT_EQ(shortRun.unmanageCount, 0);
    EXPECT_EQ(shortRun.closedOnTick, 3);
}

TEST(WaitScheduleTest, TicksAfterClosingDoNothing) {
    WaitSchedule schedule(1, true, 1);
    EXPECT_TRUE(schedule.Tick().close); // T = 2: the first tick reaches it
    const WaitSchedule::Step after = schedule.Tick();
    EXPECT_FALSE(after.close || after.discover || after.unmanage);
}

TEST(EditFilterTest, CharacterClassesForbiddenAndClipboard) {
    const EditFilter digits{EditClass::Digits};
    const EditFilter letters{EditClass::Letters};
    const EditFilter both{EditClass::DigitsAndLetters};
    const EditFilter any{EditClass::Any, U"\"'\\"};
    const EditFilter keyField{EditClass::Any, U"", true};
    struct Case {
        const EditFilter& filter;
        char32_t ch;
        bool accepted;
    } cases[] = {
        {digits, U'7', true},      {digits, U'-', false},     {digits, kBackspace, true},
        {digits, kCtrlV, true},    {digits, kCtrlC, true},    {digits, U'a', false},
        {letters, U'Q', true},     {letters, U'5', false},    {letters, U'\u00e9', false},
        {both, U'z', true},        {both, U'0', true},        {both, U'.', false},
        {any, U'\u4e2d', true},    {any, U'"', false},        {any, U'\\', false},
        {keyField, kCtrlV, false}, {keyField, kCtrlZ, false}, {keyField, kBackspace, true},
        {keyField, U'x', true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditAccepts(c.filter, c.ch), c.accepted)
            << "class " << static_cast<int>(c.filter.characterClass) << " char " << static_cast<int>(c.ch);
    }
}

TEST(TextPlacementTest, SixPlacementsAndNoNegativePositions) {
    struct Case {
        int alignment, margin, x, y;
    } cases[] = {
        {kAlignLeft, 4, 6, 10},      {kAlignRight, 4, 54, 10},     {kAlignCenter, 0, 30, 10},
        {kAlignTopCenter, 0, 30, 0}, {kAlignBottomLeft, 0, 0, 20}, {kAlignBottomCenter, 0, 30, 20},
    };
    for (const Case& c : cases) {
        const TextOrigin o = PlaceText(c.alignment, c.margin, 40, 20, 100, 40);
        EXPECT_EQ(o.x, c.x) << c.alignment;
        EXPECT_EQ(o.y, c.y) << c.alignment;
    }
    const TextOrigin wide = PlaceText(kAlignCenter, 0, 200, 60, 100, 40);
    EXPECT_EQ(wide.x, 0);
    EXPECT_EQ(wide.y, 0);
}

TEST(PageRulesTest, ThirtySecondRefreshSkipsOperationPages) {
    for (int id : {kPageStatus, kPageManagement, kPageBridge}) {
        EXPECT_TRUE(RefreshesOnTimer(id, true)) << id;
        EXPECT_FALSE(RefreshesOnTimer(id, false)) << id;
    }
    for (int id : {kPageReboot, kPageUpgrade, kPageRestore, kPageInstallHelp, kPageSystemTool}) {
        EXPECT_FALSE(RefreshesOnTimer(id, true)) << id;
    }
    EXPECT_TRUE(HasDeviceList(kPageRestore));
    EXPECT_FALSE(HasDeviceList(kPageSystemTool));
    EXPECT_FALSE(HasDeviceList(kPageInstallHelp));
}

} // namespace
} // namespace cpe
