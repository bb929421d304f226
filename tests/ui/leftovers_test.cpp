// SPDX-License-Identifier: MIT
// Whatever a crash or a power cut left in the temporary and the settings folders, the next game
// starts, and closing it neither hangs nor loses its place.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <future>
#include <latch>
#include <memory>
#include <thread>
#include <vector>

#include "ui/system/positionstore.h"
#include "ui/system/singleinstance.h"
#include "window_support.h"

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

QString lockIn(const QTemporaryDir& dir) {
    return dir.filePath(QLatin1String(kApplicationId) + ".lock");
}

TEST(SingleInstance, ALockNoLiveGameHoldsIsTakenOverWhateverItSays) {
    QTemporaryDir dir;
    const QString path = lockIn(dir);
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
            SingleInstance instance({dir.path()});
            EXPECT_EQ(instance.claim(), SingleInstance::Claim::Won) << leftover.what;
            // Named as QLockFile names its owner.
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
    auto running = std::make_unique<SingleInstance>(QStringList{dir.path()});
    ASSERT_EQ(running->claim(), SingleInstance::Claim::Won);
    SingleInstance second({dir.path()});
    EXPECT_EQ(second.claim(), SingleInstance::Claim::Running);
    EXPECT_TRUE(QFile::exists(lockIn(dir)));

    running.reset();
    EXPECT_EQ(second.claim(), SingleInstance::Claim::Won);
}

TEST(SingleInstance, OfStartsAtOnceExactlyOneWins) {
    QTemporaryDir dir;
    const QString path = lockIn(dir);
    constexpr int kStarts = 4;
    for (int round = 0; round < 40; ++round) {
        if (round % 2 == 0) {
            writeFile(path, "");  // a damaged lock that every start will want to take over
        }
        std::vector<std::unique_ptr<SingleInstance>> starts;
        for (int i = 0; i < kStarts; ++i) {
            starts.push_back(std::make_unique<SingleInstance>(QStringList{dir.path()}));
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

// Another process holds a flock on `path` (made 0666, as another account would) until killed.
class HeldElsewhere {
  public:
    explicit HeldElsewhere(const QString& path) {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        const QByteArray name = QFile::encodeName(path);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::umask(0);
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0666);
            const char held = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
            [[maybe_unused]] const ssize_t told = ::write(ready[1], &held, 1);
            ::pause();
            ::_exit(0);
        }
        char held = 'n';
        [[maybe_unused]] const ssize_t heard = ::read(ready[0], &held, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        held_ = held == 'y';
    }
    ~HeldElsewhere() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    HeldElsewhere(const HeldElsewhere&) = delete;
    HeldElsewhere& operator=(const HeldElsewhere&) = delete;
    bool held() const { return held_; }

  private:
    pid_t pid_ = -1;
    bool held_ = false;
};

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QString lockName() {
    return QLatin1String(kApplicationId) + ".lock";
}

TEST(SingleInstance, OnlyAFolderOfThePlayersOwnHoldsTheLock) {
    QTemporaryDir dir;
    // Folders another account could have made or could write, each with a lock held in it.
    const QString shared = dir.filePath("shared");
    ASSERT_TRUE(QDir().mkpath(shared));
    ::chmod(QFile::encodeName(shared).constData(), 0777);
    const HeldElsewhere sharedLock(shared + '/' + lockName());
    ASSERT_TRUE(sharedLock.held());
    ASSERT_TRUE(QDir().mkpath(dir.filePath("target")));
    ::chmod(QFile::encodeName(dir.filePath("target")).constData(), 0700);
    const QString linked = dir.filePath("linked");
    ASSERT_TRUE(QFile::link(dir.filePath("target"), linked));
    writeFile(dir.filePath("file"), "");
    QStringList folders{shared, linked, dir.filePath("file/folder")};
    std::unique_ptr<HeldElsewhere> foreignLock;
    if (::geteuid() == 0) {
        // Run as root: a private folder of another account.
        const QString foreign = dir.filePath("foreign");
        ASSERT_TRUE(QDir().mkpath(foreign));
        ::chmod(QFile::encodeName(foreign).constData(), 0700);
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        foreignLock = std::make_unique<HeldElsewhere>(foreign + '/' + lockName());
        ASSERT_TRUE(foreignLock->held());
        folders << foreign;
    }
    const QString own = dir.filePath("own");
    {
        SingleInstance game(folders + QStringList{own});
        ASSERT_EQ(game.claim(), SingleInstance::Claim::Won);
        EXPECT_EQ(game.folder(), own);
        EXPECT_EQ(modeOf(own), 0700u) << "made for the game, private";
        EXPECT_FALSE(QFile::exists(dir.filePath("target/" + lockName())))
            << "nothing through a link";
    }

    // The session's runtime folder open to others: the game's own folder in the temporary folder.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared));
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    SingleInstance game(SingleInstance::privateFolders());
    EXPECT_EQ(game.claim(), SingleInstance::Claim::Won);
    const QString made =
        dir.filePath(QLatin1String(kApplicationId) + '-' + QString::number(::geteuid()));
    EXPECT_EQ(game.folder(), made);
    EXPECT_EQ(modeOf(made), 0700u);
    runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtime);
    tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
}

TEST(SingleInstance, WhateverThePlayerLeftAtTheLockPathOneGameRuns) {
    const struct {
        const char* what;
        std::function<void(const QString& lock, const QString& target)> leave;
    } obstacles[] = {
        {"a folder", [](const QString& lock, const QString&) { QDir().mkpath(lock); }},
        {"a link to a file",
         [](const QString& lock, const QString& target) { QFile::link(target, lock); }},
        {"a FIFO", [](const QString& lock,
                      const QString&) { ::mkfifo(QFile::encodeName(lock).constData(), 0600); }},
        {"a link to nothing",
         [](const QString& lock, const QString&) { QFile::link(lock + ".gone", lock); }},
    };
    for (const auto& obstacle : obstacles) {
        QTemporaryDir dir;
        const QString first = dir.filePath("first");
        const QString second = dir.filePath("second");
        const QString target = dir.filePath("notes.txt");
        writeFile(target, "the player's own");
        ASSERT_TRUE(QDir().mkdir(first));
        ::chmod(QFile::encodeName(first).constData(), 0700);
        const QString blocked = first + '/' + lockName();
        obstacle.leave(blocked, target);

        SingleInstance game({first, second});
        ASSERT_EQ(game.claim(), SingleInstance::Claim::Won) << obstacle.what;
        EXPECT_EQ(game.folder(), second) << obstacle.what;
        SingleInstance later({first, second});
        EXPECT_EQ(later.claim(), SingleInstance::Claim::Running) << obstacle.what;

        // Cleared while the game runs: a start wins the first folder, yet finds the game.
        ASSERT_TRUE(QFileInfo(blocked).isDir() ? QDir(blocked).removeRecursively()
                                               : QFile::remove(blocked));
        SingleInstance cleared({first, second});
        EXPECT_EQ(cleared.claim(), SingleInstance::Claim::Running) << obstacle.what;
        EXPECT_EQ(cleared.folder(), second) << obstacle.what;
        EXPECT_FALSE(QFile::exists(blocked)) << obstacle.what;

        QFile notes(target);
        ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
        EXPECT_EQ(notes.readAll(), "the player's own") << obstacle.what;
    }
}

// Lets the event loop run until `done` or five seconds have passed.
bool processEventsUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

TEST(SingleInstance, ALaterStartAsksTheRunningGameForward) {
    QTemporaryDir dir;
    {
        // What a game killed outright left: its socket, bound by no one now.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path =
            QFile::encodeName(dir.filePath(QLatin1String(kApplicationId) + ".socket"));
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
    }
    SingleInstance game({dir.path()});
    ASSERT_EQ(game.claim(), SingleInstance::Claim::Won);
    std::vector<QByteArray> tokens;
    QObject owner;
    game.listen(&owner, [&tokens](const ForwardRequest& request) {
        tokens.push_back(request.activationToken);
    });

    SingleInstance later({dir.path()});
    ASSERT_EQ(later.claim(), SingleInstance::Claim::Running);
    EXPECT_TRUE(later.askToComeForward({"launcher-1"}));
    EXPECT_TRUE(processEventsUntil([&tokens] { return !tokens.empty(); }));
    EXPECT_EQ(tokens, std::vector<QByteArray>{"launcher-1"});

    // Starts in quick succession: the game comes forward once, with the freshest token.
    EXPECT_TRUE(later.askToComeForward({"launcher-2"}));
    EXPECT_TRUE(later.askToComeForward({}));
    EXPECT_TRUE(later.askToComeForward({"launcher-3"}));
    EXPECT_TRUE(processEventsUntil([&tokens] { return tokens.size() > 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(tokens, (std::vector<QByteArray>{"launcher-1", "launcher-3"}));
    // A token is one word of printable text; anything else is left out, the request is not.
    EXPECT_TRUE(later.askToComeForward({"two words"}));
    EXPECT_TRUE(processEventsUntil([&tokens] { return tokens.size() > 2; }));
    EXPECT_EQ(tokens.back(), QByteArray());

    // A game that holds the lock but has no socket (still starting up): the start just ends.
    QTemporaryDir starting;
    const HeldElsewhere startingGame(starting.filePath(lockName()));
    ASSERT_TRUE(startingGame.held());
    SingleInstance meanwhile({starting.path()});
    ASSERT_EQ(meanwhile.claim(), SingleInstance::Claim::Running);
    EXPECT_FALSE(meanwhile.askToComeForward({"launcher-4"}));
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
        QTemporaryDir folder;
        const testing::SettingsFolder settings(folder.path());
        const QString file = settingsFile();
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
}

// A pipe, a socket or a folder at the settings path is not the game's: reading it never waits
// (a pipe with no writer would block for ever), and a save leaves it as it was.
TEST(PositionStore, WhatIsNotAPlainFileIsNeitherReadNorWritten) {
    const std::function<bool(const QByteArray&)> makers[] = {
        [](const QByteArray& path) { return ::mkfifo(path.constData(), 0600) == 0; },
        [](const QByteArray& path) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.constData());
            return fd >= 0 &&
                   ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                   ::close(fd) == 0;
        },
        [](const QByteArray& path) { return QDir().mkpath(QFile::decodeName(path)); },
    };
    for (const auto& make : makers) {
        QTemporaryDir folder;
        const testing::SettingsFolder settings(folder.path());
        QDir().mkpath(QFileInfo(settingsFile()).path());
        const QByteArray path = QFile::encodeName(settingsFile());
        ASSERT_TRUE(make(path));
        struct stat before {};
        ASSERT_EQ(::lstat(path.constData(), &before), 0);

        QPoint loaded;
        ASSERT_TRUE(finishesWithin(std::chrono::seconds(10),
                                   [&loaded] {
                                       loaded = loadWindowPosition(QPoint(7, 8));
                                       saveWindowPosition(QPoint(15, 30));
                                   }))
            << "mode " << std::oct << before.st_mode;
        EXPECT_EQ(loaded, QPoint(7, 8));
        struct stat after {};
        ASSERT_EQ(::lstat(path.constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(
            QDir(QFileInfo(settingsFile()).path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({"Quorvane.ini"}));
    }
}

// The two keys are edited where they stand; every other byte of the file stays as it was, however
// much of it there is, so a save costs no more than a copy.
TEST(PositionStore, SavingChangesOnlyTheTwoKeys) {
    const struct {
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"", "[SetLog]\nfrmMainX=15\nfrmMainY=-30\n"},
        {"[SetLog]\nfrmMainX=1\nfrmMainY=2\n", "[SetLog]\nfrmMainX=15\nfrmMainY=-30\n"},
        {"; mine\r\n[SetLog]\r\nfrmMainY = \"2\"\r\nlevel=7\r\nfrmMainX=1\r\n\r\n[Other]\r\na=1",
         "; mine\r\n[SetLog]\r\nfrmMainY=-30\r\nlevel=7\r\nfrmMainX=15\r\n\r\n[Other]\r\na=1"},
        {"[SetLog]\nlevel=7\n\n[Other]\nfrmMainX=9\n",
         "[SetLog]\nlevel=7\nfrmMainX=15\nfrmMainY=-30\n\n[Other]\nfrmMainX=9\n"},
        {"[General]\nsound=1", "[General]\nsound=1\n\n[SetLog]\nfrmMainX=15\nfrmMainY=-30\n"},
        {"[SetLog]\nfrmMainX=1\n[Other]\nb=2\n[SetLog]\nfrmMainX=3\n",
         "[SetLog]\nfrmMainX=15\nfrmMainY=-30\n[Other]\nb=2\n[SetLog]\nfrmMainX=15\n"},
    };
    QTemporaryDir folder;
    const testing::SettingsFolder settings(folder.path());
    QDir().mkpath(QFileInfo(settingsFile()).path());
    for (const auto& c : cases) {
        writeFile(settingsFile(), c.before);
        saveWindowPosition(QPoint(15, -30));
        QFile written(settingsFile());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll().toStdString(), c.after.toStdString());
        EXPECT_EQ(loadWindowPosition(QPoint(0, 0)), QPoint(15, -30)) << c.before.toStdString();
    }

    // A file grown huge by damage: the megabytes around the keys come through byte for byte.
    const QByteArray junk(8 << 20, 'j');
    writeFile(settingsFile(), "[Junk]\n" + junk + "\n[SetLog]\nfrmMainX=1\nfrmMainY=2\n" + junk);
    saveWindowPosition(QPoint(15, -30));
    QFile written(settingsFile());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll() ==
                "[Junk]\n" + junk + "\n[SetLog]\nfrmMainX=15\nfrmMainY=-30\n" + junk);
    EXPECT_EQ(QDir(folder.filePath("Quorvane")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Quorvane.ini"}));
}

}  // namespace
}  // namespace quorvane::ui
