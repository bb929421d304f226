#include "singleinstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <utility>

namespace quorvane::ui {

namespace {

// A game that is ending removes its file while another start may already have it open; that
// start then holds a lock on a file no longer at the path and tries again.
constexpr int kAttempts = 20;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

SingleInstance::SingleInstance(QString path) : path_(std::move(path)) {}

SingleInstance::~SingleInstance() {
    if (fd_ < 0) {
        return;
    }
    // Removed while still locked, and only if it is still ours, so that a start waiting on it
    // either finds it held or finds it gone.
    const QByteArray name = QFile::encodeName(path_);
    struct stat held {};
    struct stat current {};
    if (::fstat(fd_, &held) == 0 && ::lstat(name.constData(), &current) == 0 &&
        sameFile(held, current)) {
        ::unlink(name.constData());
    }
    ::close(fd_);
}

SingleInstance::Claim SingleInstance::claim() {
    if (fd_ >= 0) {
        return Claim::Won;
    }
    const QByteArray name = QFile::encodeName(path_);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Not through a symbolic link: the file is truncated and written once it is ours.
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Claim::Unavailable;
        }
        int locked = 0;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Claim::Running : Claim::Unavailable;
        }
        struct stat held {};
        struct stat current {};
        if (::fstat(fd, &held) != 0) {
            ::close(fd);
            return Claim::Unavailable;
        }
        if (::lstat(name.constData(), &current) != 0 || !sameFile(held, current)) {
            ::close(fd);  // removed or replaced between the open and the lock
            continue;
        }
        if (!S_ISREG(held.st_mode)) {
            ::close(fd);
            return Claim::Unavailable;
        }
        fd_ = fd;
        describeOwner();
        return Claim::Won;
    }
    return Claim::Unavailable;
}

void SingleInstance::describeOwner() {
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() +
                            '\n' + QSysInfo::machineHostName().toUtf8() + '\n' +
                            QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
    // The lock is what counts; a description that cannot be written only leaves it unnamed.
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd_, text.constData(), text.size(), 0);
    }
}

}  // namespace quorvane::ui
