#pragma once

#include "EventLogReader.h"
#include "SimProcess.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cpe::e2e {

// A test with a private folder and a cpe-sim child whose event log it reads. The engine under
// test runs in the test process (or as another child). The simulator is stopped in TearDown.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts cpe-sim with `args` plus "--events <folder>/events.jsonl"; fails the test when it
    // does not report ready in time.
    void StartSim(std::vector<std::string> args, const std::vector<std::string>& prefix = {},
                  std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));
    void StopSim() { sim_.Stop(); }

    std::string Folder() const { return folder_; }
    std::string PathIn(const std::string& name) const { return folder_ + "/" + name; }
    EventLogReader& Events() { return events_; }
    SimProcess& Sim() { return sim_; }

private:
    std::string folder_;
    SimProcess sim_;
    EventLogReader events_;
};

} // namespace cpe::e2e
