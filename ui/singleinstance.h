// One game per user at a time.
//
// The claim is a kernel lock (flock) on a file in the temporary folder. The kernel drops that lock
// when the process holding it ends, however it ends, so nothing a file left behind can hold keeps
// a game from starting: no bytes at all, half a line, another machine's name, a process that is
// gone or a live process of some other program. Only a live holder of the lock counts, and of any
// number of starts at once exactly one gets it.
//
// The file's text describes the owner the way QLockFile does (process id, program name, host name,
// machine id and boot id, a line each). Earlier builds of the game claim the same path with
// QLockFile, which also holds a flock on its file: either build sees the other running.
#pragma once

#include <QString>

namespace quorvane::ui {

class SingleInstance {
  public:
    enum class Claim {
        Won,          // this process is the game now
        Running,      // a live process holds the lock: a game is already running
        Unavailable,  // no lock can be had at this path (folder not writable, not a plain file)
    };

    explicit SingleInstance(QString path);
    // Gives the claim up; the file goes with it.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Claim claim();
    bool holds() const { return fd_ >= 0; }

  private:
    void describeOwner();

    QString path_;
    int fd_ = -1;
};

}  // namespace quorvane::ui
