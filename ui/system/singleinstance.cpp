// SPDX-License-Identifier: MIT
#include "ui/system/singleinstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSysInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace quorvane::ui {

namespace {

// A game that is ending removes its file while another start may already have it open; that
// start then holds a lock on a file no longer at the path and tries again.
constexpr int kAttempts = 20;
// Tokens are short; a datagram longer than this is no request of ours.
constexpr int kMessageLimit = 4096;
constexpr int kTokenLimit = 1024;
constexpr char kTokenKey[] = "XDG_ACTIVATION_TOKEN=";

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QByteArray lockPath(const QString& folder) {
    return QFile::encodeName(folder) + '/' + kApplicationId + ".lock";
}

QByteArray socketPath(const QString& folder) {
    return QFile::encodeName(folder) + '/' + kApplicationId + ".socket";
}

// Whether `folder` is a folder (not a link to one) of this account that no other account may
// enter, made so when `make` and it is missing.
bool isPrivateFolder(const QString& folder, bool make) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno != ENOENT || !make) {
            return false;
        }
        if (::mkdir(name.constData(), 0700) != 0 && errno == ENOENT) {
            // The cache folder itself may not be there yet; it is the player's and private too.
            ::mkdir(QFile::encodeName(QFileInfo(folder).path()).constData(), 0700);
            ::mkdir(name.constData(), 0700);
        }
        if (::lstat(name.constData(), &info) != 0) {
            return false;
        }
    }
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

// Takes the lock at `name`: Won with `fd` holding it, Running when a live process holds it,
// Unavailable when what is at the path is no plain file or cannot be opened.
SingleInstance::Claim lockAt(const QByteArray& name, int& fd) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Not through a link, and never waiting on a FIFO: only a plain file is locked.
        const int opened =
            ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (opened < 0) {
            if (errno == EINTR) {
                continue;
            }
            return SingleInstance::Claim::Unavailable;
        }
        struct stat held {};
        if (::fstat(opened, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(opened);
            return SingleInstance::Claim::Unavailable;
        }
        int locked = 0;
        do {
            locked = ::flock(opened, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            ::close(opened);
            return error == EWOULDBLOCK ? SingleInstance::Claim::Running
                                        : SingleInstance::Claim::Unavailable;
        }
        struct stat current {};
        if (::lstat(name.constData(), &current) != 0 || !sameFile(held, current)) {
            ::close(opened);  // removed or replaced between the open and the lock
            continue;
        }
        fd = opened;
        return SingleInstance::Claim::Won;
    }
    return SingleInstance::Claim::Unavailable;
}

// Removes the lock file while still holding it, and only if it is still the one held, so that a
// start waiting on it either finds it held or finds it gone.
void release(int fd, const QByteArray& name) {
    struct stat held {};
    struct stat current {};
    if (::fstat(fd, &held) == 0 && ::lstat(name.constData(), &current) == 0 &&
        sameFile(held, current)) {
        ::unlink(name.constData());
    }
    ::close(fd);
}

// Whether a live process holds the lock at `name`. Nothing is made there.
bool heldByAnother(const QByteArray& name) {
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    bool held = false;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        int locked = 0;
        do {
            locked = ::flock(fd, LOCK_SH | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        held = locked != 0 && errno == EWOULDBLOCK;
    }
    ::close(fd);
    return held;
}

bool socketAddress(const QByteArray& path, sockaddr_un& address) {
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

bool isToken(const QByteArray& text) {
    if (text.isEmpty() || text.size() > kTokenLimit) {
        return false;
    }
    for (const char c : text) {
        if (c <= ' ' || c > '~') {
            return false;
        }
    }
    return true;
}

}  // namespace

ForwardRequest ForwardRequest::fromEnvironment() {
    ForwardRequest request;
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (isToken(token)) {
        request.activationToken = token;
    }
    return request;
}

QByteArray ForwardRequest::encode() const {
    return kTokenKey + activationToken + '\n';
}

ForwardRequest ForwardRequest::decode(const QByteArray& message) {
    ForwardRequest request;
    for (const QByteArray& line : message.split('\n')) {
        if (line.startsWith(kTokenKey)) {
            const QByteArray token = line.mid(static_cast<qsizetype>(std::strlen(kTokenKey)));
            if (isToken(token)) {
                request.activationToken = token;
            }
        }
    }
    return request;
}

QStringList SingleInstance::privateFolders() {
    QStringList folders;
    // The runtime folder as the session names it, links resolved; it must be private in itself.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    char resolved[PATH_MAX];
    if (runtime.startsWith('/') && ::realpath(runtime.constData(), resolved) != nullptr) {
        folders << QFile::decodeName(resolved);
    }
    // The temporary folder is shared: the user id in the name keeps accounts apart, and one that
    // made the folder first only makes it unusable (passed over), never a lock of its own.
    folders << QDir::tempPath() + QLatin1Char('/') + QLatin1String(kApplicationId) +
                   QLatin1Char('-') + QString::number(::geteuid());
    // The cache folder may be shared with other machines; it comes last for that.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache)) {
        cache = QDir::homePath() + QLatin1String("/.cache");
    }
    folders << cache + QLatin1Char('/') + QLatin1String(kApplicationId);
    return folders;
}

SingleInstance::SingleInstance(QStringList folders) : folders_(std::move(folders)) {}

SingleInstance::~SingleInstance() {
    delete notifier_;
    if (socket_ >= 0) {
        ::close(socket_);
        ::unlink(socketPath(folder_).constData());  // still ours: the lock is held until below
    }
    if (fd_ >= 0) {
        release(fd_, lockPath(folder_));
    }
}

SingleInstance::Claim SingleInstance::claim() {
    if (fd_ >= 0) {
        return Claim::Won;
    }
    for (qsizetype i = 0; i < folders_.size(); ++i) {
        if (!isPrivateFolder(folders_[i], true)) {
            continue;
        }
        int fd = -1;
        const Claim claim = lockAt(lockPath(folders_[i]), fd);
        if (claim == Claim::Unavailable) {
            continue;
        }
        if (claim == Claim::Running) {
            folder_ = folders_[i];
            return Claim::Running;
        }
        for (qsizetype later = i + 1; later < folders_.size(); ++later) {
            if (isPrivateFolder(folders_[later], false) &&
                heldByAnother(lockPath(folders_[later]))) {
                release(fd, lockPath(folders_[i]));
                folder_ = folders_[later];
                return Claim::Running;
            }
        }
        fd_ = fd;
        folder_ = folders_[i];
        describeOwner();
        openSocket();
        return Claim::Won;
    }
    return Claim::Unavailable;
}

void SingleInstance::describeOwner() {
    // The program's name from the command line: the application object need not exist yet.
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QByteArray(program_invocation_short_name) + '\n' +
                            QSysInfo::machineHostName().toUtf8() + '\n' +
                            QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
    // The lock is what counts; a description that cannot be written only leaves it unnamed.
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd_, text.constData(), text.size(), 0);
    }
}

void SingleInstance::openSocket() {
    const QByteArray path = socketPath(folder_);
    sockaddr_un address{};
    if (!socketAddress(path, address)) {
        return;  // too long a path for a socket: the game runs, later starts only end
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    // What a game that was killed left there. The folder is the player's alone and only the
    // lock's holder binds here, so nothing else of worth can be at this path.
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return;
    }
    socket_ = fd;
}

bool SingleInstance::askToComeForward(const ForwardRequest& request) const {
    sockaddr_un address{};
    if (folder_.isEmpty() || !socketAddress(socketPath(folder_), address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const QByteArray message = request.encode();
    ssize_t sent = 0;
    do {
        // A game too busy to have read its earlier requests does not hold this start up.
        sent = ::sendto(fd, message.constData(), static_cast<size_t>(message.size()),
                        MSG_DONTWAIT | MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address),
                        sizeof(address));
    } while (sent < 0 && errno == EINTR);
    ::close(fd);
    return sent == message.size();
}

void SingleInstance::listen(QObject* owner, std::function<void(const ForwardRequest&)> request) {
    if (socket_ < 0 || notifier_) {
        return;
    }
    request_ = std::move(request);
    notifier_ = new QSocketNotifier(socket_, QSocketNotifier::Read, owner);
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { receive(); });
}

void SingleInstance::receive() {
    QByteArray buffer(kMessageLimit, Qt::Uninitialized);
    QByteArray last;
    bool any = false;
    for (;;) {
        const ssize_t got =
            ::recv(socket_, buffer.data(), static_cast<size_t>(buffer.size()), MSG_DONTWAIT);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;  // all read
        }
        last = buffer.left(got);
        any = true;
    }
    if (any && request_) {
        request_(ForwardRequest::decode(last));
    }
}

}  // namespace quorvane::ui
