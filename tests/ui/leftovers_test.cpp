// Whatever a crash or a power cut left in the temporary and the settings folders, the next game
// starts, and closing it neither hangs nor loses its place.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <latch>
#include <memory>
#include <thread>
#include <vector>

#include "ui/positionstore.h"
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

// Runs work on a thread of its own; false when it is still running after the limit.
bool finishesWithin(std::chrono::seconds limit, std::function<void()> work) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread worker([done, work = std::move(work)] {
        work();
        done->set_value();
    });
    if (finished.wait_for(limit) == std::future_status::ready) {
        worker.join();
        return true;
    }
    worker.detach();  // stuck; the test has failed and the process ends with it
    return false;
}

TEST(PositionStore, SavingNeverWaitsOnALockAnEarlierSaveLeftBehind) {
    const QString before =
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Quorvane", "Quorvane").fileName();
    const QByteArray playerFile =
        "[General]\nsound=1\n\n[Other]\nname=a b\n\n[SetLog]\nfrmMainX=1\nfrmMainY=2\nlevel=7\n";
    const struct {
        const char* what;
        std::function<void(const QString& lockPath)> leave;
    } leftovers[] = {
        {"an empty lock file, just written", [](const QString& lock) { writeFile(lock, ""); }},
        {"a lock naming this live process",
         [](const QString& lock) {
             writeFile(
                 lock,
                 lockText(QCoreApplication::applicationPid(),
                          QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8(),
                          QSysInfo::machineHostName().toUtf8()));
         }},
        {"a folder under the lock's name", [](const QString& lock) { QDir().mkpath(lock); }},
    };
    for (const auto& leftover : leftovers) {
        QTemporaryDir folder;  // of its own: QSettings caches what it last read
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        const QString file =
            QSettings(QSettings::IniFormat, QSettings::UserScope, "Quorvane", "Quorvane")
                .fileName();
        QDir().mkpath(QFileInfo(file).path());
        writeFile(file, playerFile);
        leftover.leave(file + ".lock");

        ASSERT_TRUE(finishesWithin(std::chrono::seconds(5), [] {
            saveWindowPosition(QPoint(-450, 123456));
        })) << leftover.what;
        EXPECT_EQ(loadWindowPosition(QPoint(0, 0)), QPoint(-450, 123456)) << leftover.what;

        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        EXPECT_TRUE(text.contains("[SetLog]\n")) << text.toStdString();
        EXPECT_TRUE(text.contains("\nfrmMainX=-450\nfrmMainY=123456\n")) << text.toStdString();
        const QSettings kept(file, QSettings::IniFormat);
        EXPECT_EQ(kept.value("sound").toString(), "1") << leftover.what;
        EXPECT_EQ(kept.value("Other/name").toString(), "a b") << leftover.what;
        EXPECT_EQ(kept.value("SetLog/level").toString(), "7") << leftover.what;
        EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList({"Quorvane.ini", "Quorvane.ini.lock"}))
            << "no draft is left behind";
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QFileInfo(QFileInfo(before).path()).path());
}

}  // namespace
}  // namespace quorvane::ui
