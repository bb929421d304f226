// SPDX-License-Identifier: MIT
// The property bag: how a host stores the layout of its controls as text.
//
// Text form (UTF-8), one section per control and one key per line:
//
//   ; comment lines start with ';' or '#'
//   [XPButton1]
//   Caption = "重新开始(&R)"
//   BackStyle = 2
//   cFore = &H00C00000
//   Focus = -1
//   Font = "宋体", 9, bold, italic, underline, strikeout
//   Image = ":/icons/hint.png"
//   mIcon = ":/frame/cursor.png", 3, 1
//   mPointer = 99
//
// - Section names and keys are matched without regard to letter case. A key given twice keeps
//   its last value. Blank lines are ignored; spaces around '=' and around values are ignored.
// - Numbers are decimal ("-1", "2") or hexadecimal with the prefix "&H" ("&H8000000F"); a
//   trailing '&' is allowed. Colours are written as &H with 8 hex digits.
// - Booleans are -1 (True) and 0 (False); "True" and "False" are read too.
// - Strings are in double quotes with backslash escapes \\ \" \n \r \t. An unquoted value is
//   read as the trimmed text of the rest of the line.
// - A font is its quoted family, its point size (decimals allowed) and any of the words bold,
//   italic, underline, strikeout, separated by commas.
// - A picture or icon is the quoted path of a file or a Qt resource (":/..."); an icon may be
//   followed by its cursor hot spot x, y (default: the centre).
//
// Load a control with:
//   PropertyBag bag = PropertyBag::Parse(text);          // or PropertyBag::Load(path)
//   button->ReadProperties(bag.Section("XPButton1"));
#pragma once

#include <QFont>
#include <QPoint>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "widgets/xppicture.h"

namespace qm {

// One control's keys in the order they were written.
class PropertySection {
  public:
    PropertySection() = default;
    explicit PropertySection(QString name) : name_(std::move(name)) {}

    const QString& Name() const { return name_; }
    bool Contains(const QString& key) const { return Find(key) != nullptr; }
    std::optional<QString> Value(const QString& key) const;
    void SetValue(const QString& key, const QString& text);
    void Clear() { entries_.clear(); }
    const std::vector<std::pair<QString, QString>>& Entries() const { return entries_; }

    // Typed reads: a missing or unreadable key yields the default.
    int ReadInt(const QString& key, int def) const;
    std::uint32_t ReadColor(const QString& key, std::uint32_t def) const;
    bool ReadBool(const QString& key, bool def) const;
    QString ReadString(const QString& key, const QString& def) const;
    QFont ReadFont(const QString& key, const QFont& def) const;
    XPPicture ReadPicture(const QString& key) const;  // empty when missing

    // Typed writes: a value equal to its default is left out (pass no default to always write).
    void WriteInt(const QString& key, int value, std::optional<int> def = std::nullopt);
    void WriteColor(const QString& key, std::uint32_t value,
                    std::optional<std::uint32_t> def = std::nullopt);
    void WriteBool(const QString& key, bool value, std::optional<bool> def = std::nullopt);
    void WriteString(const QString& key, const QString& value,
                     std::optional<QString> def = std::nullopt);
    void WriteFont(const QString& key, const QFont& font);
    void WritePicture(const QString& key, const XPPicture& picture);  // nothing when empty

  private:
    const std::pair<QString, QString>* Find(const QString& key) const;

    QString name_;
    std::vector<std::pair<QString, QString>> entries_;
};

class PropertyBag {
  public:
    // Never fails: lines that are neither sections, keys nor comments are skipped; a key before
    // any section goes to a section with an empty name.
    static PropertyBag Parse(const QString& text);
    // Reads a UTF-8 file or a Qt resource; ok (when given) tells whether it could be read.
    static PropertyBag Load(const QString& path, bool* ok = nullptr);

    QString ToText() const;
    bool Save(const QString& path) const;

    // The named section, or an empty one (so reading gives every default) when absent.
    const PropertySection& Section(const QString& name) const;
    // The named section, created at the end when absent.
    PropertySection& AddSection(const QString& name);
    const std::vector<PropertySection>& Sections() const { return sections_; }

  private:
    std::vector<PropertySection> sections_;
};

// The text codecs, shared with tests and hosts that write bags by hand.
namespace bagtext {
QString FormatColor(std::uint32_t c);
std::optional<long long> ParseNumber(const QString& text);
QString FormatString(const QString& s);
QString ParseString(const QString& text);
QString FormatFont(const QFont& f);
std::optional<QFont> ParseFont(const QString& text, const QFont& base);
QString FormatPicture(const XPPicture& p);
XPPicture ParsePicture(const QString& text);
}  // namespace bagtext

}  // namespace qm
