#include "NamespacePair.h"
#include "SimFixture.h"
#include "core/single_instance.h"

#include <cstdlib>
#include <fstream>

namespace cpe::e2e {
namespace {

// cpe-cli as a child process with its lock, log and database in the test's folder.
class CliTest : public SimFixture {
protected:
    int RunCli(std::vector<std::string> args, std::string& stdoutText, std::string& stderrText) {
        const char* bin = std::getenv("CPE_BIN_DIR");
        std::string cli = std::string(bin ? bin : ".") + "/cpe-cli";
        std::string command = "XDG_RUNTIME_DIR='" + Folder() + "' '" + cli + "'";
        for (const auto& a : args) {
            command += " '" + a + "'";
        }
        command += " >'" + PathIn("out.txt") + "' 2>'" + PathIn("err.txt") + "'";
        int rc = RunCommand({"sh", "-c", command});
        stdoutText = Slurp(PathIn("out.txt"));
        stderrText = Slurp(PathIn("err.txt"));
        return rc;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(CliTest, DiscoverListsTheWholeFleetWithItsValuesAndReleasesIt) {
    constexpr int kDevices = 60;
    StartSim({"--loopback", "--devices", std::to_string(kDevices), "--seed", "5", "--answer-spread-ms", "50",
              "--quiet", "--dump-fleet", PathIn("fleet.json")});
    std::string out, err;
    ASSERT_EQ(RunCli({"discover", "--loopback", "--seconds", "2", "--format", "json", "--home", Folder()},
                     out, err),
              0)
        << err;
    auto listed = nlohmann::json::parse(out);
    std::ifstream in(PathIn("fleet.json"));
    auto fleet = nlohmann::json::parse(in)["devices"];
    ASSERT_EQ(listed.size(), fleet.size());
    std::map<std::string, nlohmann::json> byMac;
    for (const auto& d : listed) {
        byMac[d["mac"]] = d;
    }
    for (const auto& f : fleet) {
        SCOPED_TRACE(f["mac"].get<std::string>());
        ASSERT_TRUE(byMac.contains(f["mac"]));
        const auto& d = byMac[f["mac"]];
        EXPECT_TRUE(d["reported"].get<bool>());
        for (const char* key : {"ip", "ap_name", "ssid", "ap_type", "work_mode", "channel", "tdmaEn",
                                "bridge_transparent", "secure_mode"}) {
            EXPECT_EQ(d[key], f[key]) << key;
        }
        std::string version = f["version"];
        EXPECT_EQ(d["version"], version.substr(0, version.find('\n')));
        EXPECT_EQ(d["ap_status"], 1);
        EXPECT_EQ(d["ap_status_str"], "Online");
    }
    Events().Refresh();
    for (const auto& f : fleet) {
        EXPECT_EQ(Events().Count({{"dir", "rx"}, {"msg_type", 17}, {"mac", f["mac"]}}), 1u) << f["mac"];
    }
    EXPECT_FALSE(std::filesystem::exists(PathIn("data.mdb"))); // the scratch database goes with the run
}

TEST_F(CliTest, CsvHasTheStoreColumnNames) {
    StartSim({"--loopback", "--devices", "3", "--quiet"});
    std::string out, err;
    ASSERT_EQ(
        RunCli({"discover", "--loopback", "--seconds", "1", "--format", "csv", "--home", Folder()}, out, err),
        0)
        << err;
    std::string header = out.substr(0, out.find('\n'));
    EXPECT_EQ(header.rfind("mac,ip,", 0), 0u) << header;
    for (const char* key : {",ap_name,", ",ap_type_str,", ",work_mode_str,", ",up_time_str,",
                            ",ap_status_str,", ",bridge_transparent_str,", ",tdmaEn_str,", ",reported"}) {
        EXPECT_NE(header.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4);
}

TEST_F(CliTest, RefusesToRunBesideARunningConsole) {
    SingleInstanceLock console(Folder());
    ASSERT_TRUE(console.Acquire());
    std::string out, err;
    EXPECT_EQ(RunCli({"discover", "--loopback", "--seconds", "1", "--home", Folder()}, out, err), 4);
    EXPECT_NE(err.find("another instance is running"), std::string::npos) << err;
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    std::string out, err;
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{},
                                               {"discover", "--format", "xml"},
                                               {"discover", "--mac", "00:11:22"},
                                               {"discover", "--seconds", "0"},
                                               {"nonsense"}}) {
        EXPECT_EQ(RunCli(args, out, err), 2) << (args.empty() ? "" : args.back());
    }
}

} // namespace
} // namespace cpe::e2e
