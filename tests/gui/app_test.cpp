#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// The cpe-assistant program as a process: one instance per user, ordered shutdown on SIGTERM.
namespace {

QString Program() {
    return QString(CPE_ASSISTANT);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

void Start(QProcess& p, const QString& home) {
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(Program(), {"--loopback", "--home", home});
}

TEST(AppTest, SecondInstanceEndsAtOnceAndTheFirstShutsDownInOrderOnSigterm) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess first;
    Start(first, home.path());
    ASSERT_TRUE(first.waitForStarted(5000));
    const QString store = home.filePath("data.mdb");
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(store); }, 10000))
        << "the first console never opened its store";

    QProcess second;
    Start(second, home.path());
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(QFile::exists(store));

    first.terminate(); // SIGTERM
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(store)) << "data.mdb is deleted at shutdown";
    EXPECT_FALSE(QDir(home.filePath("Logs")).entryList(QDir::Files).isEmpty());
}

TEST(AppTest, HelpVersionAndBadOptions) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* output;
    } cases[] = {
        {{"--help"}, 0, "--loopback"},    {{"--version"}, 0, "cpe-assistant 1.0.0"},
        {{"--lcid", "abc"}, 2, "--lcid"}, {{"--frobnicate"}, 2, "unknown option"},
        {{"--home"}, 2, "needs a value"},
    };
    for (const Case& c : cases) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(Program(), c.args);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(p.readAll().contains(c.output)) << c.args.join(' ').toStdString();
    }
}

} // namespace
