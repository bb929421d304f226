// SPDX-License-Identifier: MIT
// One game per player at a time, and a second start that brings the running game forward.
//
// The claim is a kernel lock (flock) on a file in a folder only the player's account can enter:
// with a folder other accounts can write, any of them could hold the lock and keep the player's
// game from starting. The kernel drops the lock when the process holding it ends, however it
// ends, so nothing a file left behind holds keeps a game from starting: no bytes at all, half a
// line, another machine's name, a process that is gone or a live process of some other program.
// Only a live holder of the lock counts, and of any number of starts at once exactly one gets it.
//
// The folders are tried in one fixed order (privateFolders()). A start takes the lock in the
// first folder that is private and whose lock path holds a plain file or nothing; a folder that
// is not private or whose lock path holds anything else (a folder, a link, a FIFO ...) is passed
// over. Every start sees the same folders and passes over the same ones, so all of them meet at
// the same lock. A start that wins a folder also looks at the later folders' locks: a game that
// began while this folder was unusable still runs there, and it counts.
//
// Beside the lock the game has a datagram socket. A later start that finds the lock held sends it
// the launcher's activation token and ends; the game, told through listen(), comes forward.
//
// The lock file's text describes the owner the way QLockFile does (process id, program name, host
// name, machine id and boot id, a line each), for a person who wonders which process holds it.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QSocketNotifier;

namespace quorvane::ui {

// Names the lock and the socket: <id>.lock, <id>.socket.
inline constexpr char kApplicationId[] = "io.github.quorvane.Quorvane";

// What a later start passes to the running game.
struct ForwardRequest {
    // The Wayland launcher's token (XDG_ACTIVATION_TOKEN): a compositor lets a window take the
    // focus with it. Empty when the start had none.
    QByteArray activationToken;

    static ForwardRequest fromEnvironment();
    QByteArray encode() const;
    // Whatever arrives is a request; what does not read as a token is left out.
    static ForwardRequest decode(const QByteArray& message);
};

class SingleInstance {
  public:
    enum class Claim {
        Won,          // this process is the game now
        Running,      // a live process holds the lock: a game is already running
        Unavailable,  // no folder given was private with a lockable path
    };

    // The player's private folders, in the order every start tries them: the session's runtime
    // folder ($XDG_RUNTIME_DIR), then <id>-<uid> in the temporary folder, then <id> in the
    // player's cache folder. The last two are made here, mode 0700, when missing. A folder that
    // turns out to be a link, of another owner or open to others is passed over by claim().
    static QStringList privateFolders();

    explicit SingleInstance(QStringList folders);
    // Gives the claim up; the lock file and the socket go with it.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Claim claim();
    bool holds() const { return fd_ >= 0; }
    // The folder of the lock won or found held; empty before a claim and when Unavailable.
    const QString& folder() const { return folder_; }

    // After Running: hands the request to the running game. False when nothing received it (a
    // game still starting has no socket yet; it comes up in front anyway).
    bool askToComeForward(const ForwardRequest& request) const;
    // After Won, with the application object made: `request` is called for each later start (for
    // the last of several that came at once, with the freshest token), as long as `owner` lives.
    void listen(QObject* owner, std::function<void(const ForwardRequest&)> request);

  private:
    void describeOwner();
    void openSocket();
    void receive();

    QStringList folders_;
    QString folder_;
    int fd_ = -1;
    int socket_ = -1;
    std::function<void(const ForwardRequest&)> request_;
    QPointer<QSocketNotifier> notifier_;
};

}  // namespace quorvane::ui
