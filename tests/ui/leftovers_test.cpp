// Whatever a crash or a power cut left in the temporary folder, the next game starts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <atomic>
#include <latch>
#include <memory>
#include <thread>
#include <vector>

#include "ui/singleinstance.h"

namespace quorvane::ui {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

qint64 deadProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// What QLockFile writes: process id, program name and host name, a line each.
QByteArray lockText(qint64 pid, const QByteArray& program, const QByteArray& host) {
    return QByteArray::number(pid) + '\n' + program + '\n' + host + '\n';
}

TEST(SingleInstance, ALockNoLiveGameHoldsIsTakenOverWhateverItSays) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quorvane-player.lock");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray self = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
    const struct {
        const char* what;
        QByteArray text;
    } leftovers[] = {
        {"empty: cut off between creating the file and writing it", ""},
        {"garbage", QByteArray("\x7f\0ELF\n\xff\xfe\n\n", 9)},
        {"a process id without its line end", "1"},
        {"another host", lockText(QCoreApplication::applicationPid(), self, "elsewhere.invalid")},
        {"a process that has ended", lockText(deadProcessId(), "quorvane", host)},
        {"a live process of another program", lockText(::getppid(), "quorvane", host)},
    };
    for (const auto& leftover : leftovers) {
        writeFile(path, leftover.text);
        {
            SingleInstance instance(path);
            EXPECT_EQ(instance.claim(), SingleInstance::Claim::Won) << leftover.what;
            // Named as QLockFile names its owner, which is how earlier builds read it.
            QLockFile reader(path);
            qint64 pid = 0;
            QString hostName;
            QString program;
            EXPECT_TRUE(reader.getLockInfo(&pid, &hostName, &program)) << leftover.what;
            EXPECT_EQ(pid, QCoreApplication::applicationPid()) << leftover.what;
            EXPECT_EQ(hostName, QSysInfo::machineHostName()) << leftover.what;
            EXPECT_EQ(program.toUtf8(), self) << leftover.what;
        }
        EXPECT_FALSE(QFile::exists(path)) << "a game that ends takes its lock with it";
    }
}

TEST(SingleInstance, ALiveGameKeepsEveryOtherStartOutUntilItEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quorvane-player.lock");
    auto running = std::make_unique<SingleInstance>(path);
    ASSERT_EQ(running->claim(), SingleInstance::Claim::Won);
    SingleInstance second(path);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::Running);
    // Earlier builds take the same path with QLockFile and must see the game as running too.
    QLockFile earlierBuild(path);
    earlierBuild.setStaleLockTime(0);
    EXPECT_FALSE(earlierBuild.tryLock(0));
    EXPECT_TRUE(QFile::exists(path));

    running.reset();
    EXPECT_EQ(second.claim(), SingleInstance::Claim::Won);

    // And a game of an earlier build keeps this one out.
    SingleInstance third(dir.filePath("earlier.lock"));
    QLockFile earlier(dir.filePath("earlier.lock"));
    ASSERT_TRUE(earlier.tryLock(0));
    EXPECT_EQ(third.claim(), SingleInstance::Claim::Running);
}

TEST(SingleInstance, OfStartsAtOnceExactlyOneWins) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quorvane-player.lock");
    constexpr int kStarts = 4;
    for (int round = 0; round < 40; ++round) {
        if (round % 2 == 0) {
            writeFile(path, "");  // a damaged lock that every start will want to take over
        }
        std::vector<std::unique_ptr<SingleInstance>> starts;
        for (int i = 0; i < kStarts; ++i) {
            starts.push_back(std::make_unique<SingleInstance>(path));
        }
        std::atomic<int> won{0};
        std::atomic<int> refused{0};
        std::latch go(kStarts);
        std::vector<std::thread> threads;
        for (int i = 0; i < kStarts; ++i) {
            threads.emplace_back([&, i] {
                go.arrive_and_wait();
                const SingleInstance::Claim claim = starts[i]->claim();
                (claim == SingleInstance::Claim::Won ? won : refused)++;
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        EXPECT_EQ(won.load(), 1) << "round " << round;
        EXPECT_EQ(refused.load(), kStarts - 1) << "round " << round;
    }
}

}  // namespace
}  // namespace quorvane::ui
