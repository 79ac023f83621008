#include "link/log.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace cpe {
namespace {

namespace fs = std::filesystem;

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseLogForTests();
        dir_ = fs::temp_directory_path() / ("cpe-log-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override {
        CloseLogForTests();
        fs::remove_all(dir_);
    }
    std::string Contents() {
        std::ifstream in(LogFilePath(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path dir_;
};

void LogSomething(int level, const char* text) {
    CPE_LOG(level, "%s", text);
}

TEST_F(LogTest, CreatesMissingFoldersAndNamesFileFromStartTime) {
    fs::path nested = dir_ / "a" / "b";
    std::time_t before = std::time(nullptr);
    ASSERT_TRUE(OpenLog(nested));
    std::time_t after = std::time(nullptr);
    fs::path file = LogFilePath();
    EXPECT_EQ(file.parent_path(), nested / "Logs");
    bool matched = false;
    for (std::time_t t = before; t <= after; ++t) {
        std::tm tm{};
        localtime_r(&t, &tm);
        char name[32];
        std::strftime(name, sizeof name, "%Y%m%d%H%M%S.log", &tm);
        matched = matched || file.filename() == name;
    }
    EXPECT_TRUE(matched) << file;
}

TEST_F(LogTest, LineFormatAndLevels) {
    ASSERT_TRUE(OpenLog(dir_));
    LogSomething(kLogError, "socket bind fail");
    LogSomething(2, "level two");
    LogSomething(kLogInfo, "100% done");
    std::string text = Contents();
    const std::regex line(
        R"(\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}:\d{4}\]\[(INFO|ERROR)\]\[ThreadID: \d+\]\[[^\]]*LogSomething\(int, const char\*\)[^\]]*:\d+\](.*)\r\n)");
    std::vector<std::string> levels, messages;
    for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it) {
        levels.push_back((*it)[1]);
        messages.push_back((*it)[2]);
    }
    EXPECT_EQ(levels, (std::vector<std::string>{"ERROR", "INFO", "INFO"}));
    EXPECT_EQ(messages, (std::vector<std::string>{"socket bind fail", "level two", "100% done"}));
}

TEST_F(LogTest, EmptyMessageEndsWithOriginAndLongMessageFitsWhole) {
    ASSERT_TRUE(OpenLog(dir_));
    const char* empty = "";
    WriteLog("void f()", kLogInfo, 7, empty, 0);
    std::string big(100000, 'x');
    WriteLog("void g()", kLogInfo, 8, "%s", big.c_str());
    std::string text = Contents();
    EXPECT_NE(text.find("[void f():7]\r\n"), std::string::npos);
    EXPECT_NE(text.find("[void g():8]" + big + "\r\n"), std::string::npos);
}

TEST_F(LogTest, OriginCutAt512Bytes) {
    ASSERT_TRUE(OpenLog(dir_));
    std::string signature(1000, 's');
    WriteLog(signature.c_str(), kLogInfo, 1, "after");
    std::string text = Contents();
    // 511 characters of "[sss..." then the message.
    EXPECT_NE(text.find("[" + std::string(510, 's') + "after\r\n"), std::string::npos);
}

TEST_F(LogTest, WithoutFileWritesReturnFalse) {
    EXPECT_FALSE(WriteLog("void f()", 0, 1, "dropped"));
}

TEST_F(LogTest, ThreadsNeverInterleaveLines) {
    ASSERT_TRUE(OpenLog(dir_));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 500; ++i) {
                LOG_INFO("thread %d line %d %s", t, i, "payload-payload-payload");
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    std::istringstream in(Contents());
    std::string l;
    int count = 0;
    const std::regex whole(
        R"(\[.*\]\[INFO\]\[ThreadID: \d+\]\[.*\]thread \d line \d+ payload-payload-payload\r)");
    while (std::getline(in, l)) {
        ASSERT_TRUE(std::regex_match(l, whole)) << l;
        ++count;
    }
    EXPECT_EQ(count, 2000);
}

TEST_F(LogTest, SecondProcessInTheSameSecondRunsWithoutLog) {
    // Retried when the second boundary falls between the two starts.
    for (int attempt = 0; attempt < 5; ++attempt) {
        CloseLogForTests();
        fs::remove_all(dir_);
        std::time_t first = std::time(nullptr);
        ASSERT_TRUE(OpenLog(dir_));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CloseLogForTests(); // a new process has no log of its own yet
            bool opened = OpenLog(dir_);
            bool wrote = WriteLog("void child()", 0, 1, "from the second process");
            ::_exit(opened || wrote ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (std::time(nullptr) != first) {
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the second process opened or wrote a log";
        EXPECT_EQ(Contents().find("second process"), std::string::npos);
        return;
    }
    GTEST_SKIP() << "could not start two processes within one second";
}

} // namespace
} // namespace cpe
