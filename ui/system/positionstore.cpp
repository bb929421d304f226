// SPDX-License-Identifier: MIT
#include "ui/system/positionstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>
#include <vector>

namespace quorvane::ui {

namespace {

constexpr int kMaxStoredLength = 32;  // anything longer is not a coordinate

constexpr QByteArrayView kSection = "SetLog";
constexpr QByteArrayView kKeyX = "frmMainX";
constexpr QByteArrayView kKeyY = "frmMainY";

// A plain file at the path, opened for reading, or nothing. The open never blocks: a pipe with
// no writer would hold it for ever, and a device may do anything.
std::optional<int> openPlainFile(const QString& path, mode_t& mode) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    mode = info.st_mode;
    return fd;
}

// The whole file, mapped rather than read: a huge file costs address space for a moment, not
// memory.
class MappedFile {
  public:
    bool open(const QString& path) {
        const std::optional<int> fd = openPlainFile(path, mode_);
        if (!fd || !file_.open(*fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (fd) {
                ::close(*fd);
            }
            return false;
        }
        if (file_.size() > 0) {
            const uchar* data = file_.map(0, file_.size());
            if (data == nullptr) {
                return false;
            }
            text_ = QByteArrayView(data, file_.size());
        }
        return true;
    }
    QByteArrayView text() const { return text_; }
    mode_t permissions() const { return mode_ & 07777; }

  private:
    QFile file_;
    mode_t mode_ = 0;
    QByteArrayView text_;
};

// One line of an INI file: where it starts, where its text ends and where the next one starts.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

Line lineAt(QByteArrayView text, qsizetype begin) {
    qsizetype newline = text.sliced(begin).indexOf('\n');
    const qsizetype next = newline < 0 ? text.size() : begin + newline + 1;
    qsizetype end = newline < 0 ? text.size() : begin + newline;
    if (end > begin && text[end - 1] == '\r') {
        --end;
    }
    return {begin, end, next};
}

// What a line of an INI file is, as QSettings reads it: a section header, a key with its value,
// or nothing that counts (a blank line, a comment, a line without "=").
struct IniLine {
    enum class Kind { Other, Section, Key } kind = Kind::Other;
    QByteArrayView name;   // the section's or the key's
    QByteArrayView value;  // the key's, without its quotes
};

IniLine readLine(QByteArrayView line) {
    line = line.trimmed();
    if (line.isEmpty() || line.front() == ';' || line.front() == '#') {
        return {};
    }
    if (line.front() == '[') {
        const qsizetype close = line.indexOf(']');
        return {IniLine::Kind::Section,
                close < 0 ? line.sliced(1) : line.sliced(1, close - 1).trimmed(),
                {}};
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) {
        return {};
    }
    QByteArrayView value = line.sliced(equals + 1).trimmed();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.sliced(1, value.size() - 2);
    }
    return {IniLine::Kind::Key, line.first(equals).trimmed(), value};
}

// Calls visit(line, iniLine, inSection) for every line, in order, telling whether the line lies
// in a "SetLog" section (its header excluded).
template <typename Visit>
void forEachLine(QByteArrayView text, Visit visit) {
    bool inSection = false;
    for (qsizetype at = 0; at < text.size();) {
        const Line line = lineAt(text, at);
        const IniLine ini = readLine(text.sliced(line.begin, line.end - line.begin));
        if (ini.kind == IniLine::Kind::Section) {
            inSection = ini.name == kSection;
            visit(line, ini, false);
        } else {
            visit(line, ini, inSection);
        }
        at = line.next;
    }
}

std::optional<int> twipsOf(QByteArrayView value) {
    int parsed = 0;
    if (parseTwips(QString::fromLatin1(value.first(std::min<qsizetype>(value.size(), 64))),
                   parsed)) {
        return parsed;
    }
    return std::nullopt;
}

// A piece of the new file: either bytes of the old one or new text.
struct Piece {
    QByteArrayView old;
    QByteArray added;
};

std::vector<Piece> editedPieces(QByteArrayView ini, int x, int y) {
    const QByteArray lineX = kKeyX.toByteArray() + '=' + QByteArray::number(x);
    const QByteArray lineY = kKeyY.toByteArray() + '=' + QByteArray::number(y);

    // The bytes from..to of the old file give way to text; edits come in file order.
    struct Edit {
        qsizetype from;
        qsizetype to;
        QByteArray text;
    };
    std::vector<Edit> edits;
    bool haveX = false;
    bool haveY = false;
    std::optional<qsizetype> sectionEnd;  // after the first section's last line of content
    std::optional<std::size_t> editsBeforeEnd;
    bool inFirstSection = false;
    forEachLine(ini, [&](const Line& line, const IniLine& read, bool inSection) {
        if (read.kind == IniLine::Kind::Section) {
            if (inFirstSection) {
                editsBeforeEnd = edits.size();
            }
            inFirstSection = read.name == kSection && !sectionEnd;
            if (inFirstSection) {
                sectionEnd = line.next;
            }
            return;
        }
        if (inFirstSection && read.kind != IniLine::Kind::Other) {
            sectionEnd = line.next;
        }
        if (inSection && read.kind == IniLine::Kind::Key &&
            (read.name == kKeyX || read.name == kKeyY)) {
            // The line's text is replaced; its line ending stays.
            const bool isX = read.name == kKeyX;
            edits.push_back({line.begin, line.end, isX ? lineX : lineY});
            (isX ? haveX : haveY) = true;
        }
    });

    QByteArray missing;
    if (!haveX) {
        missing += lineX + '\n';
    }
    if (!haveY) {
        missing += lineY + '\n';
    }
    if (!sectionEnd) {
        const QByteArray header = '[' + kSection.toByteArray() + "]\n";
        const QByteArray gap = ini.isEmpty() ? "" : ini.back() == '\n' ? "\n" : "\n\n";
        edits.push_back({ini.size(), ini.size(), gap + header + missing});
    } else if (!missing.isEmpty()) {
        // At the end of the first section's content, after any edit within it.
        const qsizetype at = *sectionEnd;
        const QByteArray gap = at > 0 && ini[at - 1] != '\n' ? "\n" : "";
        const auto position =
            edits.begin() + static_cast<std::ptrdiff_t>(editsBeforeEnd.value_or(edits.size()));
        edits.insert(position, {at, at, gap + missing});
    }

    std::vector<Piece> pieces;
    qsizetype copiedTo = 0;
    for (Edit& edit : edits) {
        pieces.push_back({ini.sliced(copiedTo, edit.from - copiedTo), {}});
        pieces.push_back({{}, std::move(edit.text)});
        copiedTo = edit.to;
    }
    pieces.push_back({ini.sliced(copiedTo), {}});
    return pieces;
}

bool writeAll(QFile& file, QByteArrayView bytes) {
    return bytes.isEmpty() || file.write(bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace

QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quorvane/Quorvane.ini");
}

bool parseTwips(const QString& text, int& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxStoredLength) {
        return false;
    }
    bool ok = false;
    const int parsed = trimmed.toInt(&ok, 10);
    if (ok) {
        value = parsed;
    }
    return ok;
}

QPoint loadWindowPosition(QPoint fallback) {
    MappedFile file;
    if (!file.open(settingsFile())) {
        return fallback;
    }
    // As QSettings reads it: the last line of a key counts.
    std::optional<QByteArrayView> x;
    std::optional<QByteArrayView> y;
    forEachLine(file.text(), [&](const Line&, const IniLine& read, bool inSection) {
        if (inSection && read.kind == IniLine::Kind::Key) {
            if (read.name == kKeyX) {
                x = read.value;
            } else if (read.name == kKeyY) {
                y = read.value;
            }
        }
    });
    QPoint position = fallback;
    if (const std::optional<int> value = x ? twipsOf(*x) : std::nullopt) {
        position.setX(*value);
    }
    if (const std::optional<int> value = y ? twipsOf(*y) : std::nullopt) {
        position.setY(*value);
    }
    return position;
}

void saveWindowPosition(QPoint twips) {
    // The new file is written whole under a name of its own next to the old one and then renamed
    // over it, so the file is always either the old one or the new one, and no lock is taken that
    // a crash could leave behind. A symbolic link stays a link: its target is replaced.
    QString target = settingsFile();
    if (const QFileInfo link(target); link.isSymLink()) {
        target = link.symLinkTarget();
    }
    const QFileInfo old(target);
    MappedFile current;
    const bool exists = old.exists() || old.isSymLink();
    if (exists && !current.open(target)) {
        return;  // not a plain file, or unreadable: the player's, left as it is
    }
    if (!QDir().mkpath(old.absolutePath())) {
        return;
    }
    QTemporaryFile draft(old.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!draft.open()) {
        return;
    }
    for (const Piece& piece : editedPieces(current.text(), twips.x(), twips.y())) {
        if (!writeAll(draft, piece.old) || !writeAll(draft, piece.added)) {
            return;
        }
    }
    if (!draft.flush()) {
        return;
    }
    if (exists) {
        ::fchmod(draft.handle(), current.permissions());
    }
    // Replaces the old file in one step (POSIX rename; QFile::rename would refuse).
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(target).constData()) == 0) {
        draft.setAutoRemove(false);
    }
}

}  // namespace quorvane::ui
