// SPDX-License-Identifier: MIT
#include "widgets/propertybag.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace qm {

namespace bagtext {

QString FormatColor(std::uint32_t c) {
    return QStringLiteral("&H%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<long long> ParseNumber(const QString& text) {
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('&'))) {
        t.chop(1);
    }
    bool ok = false;
    long long v = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        v = t.mid(2).toLongLong(&ok, 16);
    } else if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return -1;
    } else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return 0;
    } else {
        v = t.toLongLong(&ok, 10);
    }
    if (!ok) {
        return std::nullopt;
    }
    return v;
}

namespace {

// The escapes of a quoted string: a character and the letter written after its backslash.
constexpr std::pair<char16_t, char16_t> kEscapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

}  // namespace

QString FormatString(const QString& s) {
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        const auto* e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const auto& pair) { return pair.first == c.unicode(); });
        if (e != std::end(kEscapes)) {
            out += QLatin1Char('\\');
            out += QChar(e->second);
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

namespace {

// Reads a quoted string at the start of text; rest receives what follows the closing quote.
bool TakeQuoted(const QString& text, QString& value, QString& rest) {
    QString t = text.trimmed();
    if (!t.startsWith(QLatin1Char('"'))) {
        return false;
    }
    value.clear();
    for (qsizetype i = 1; i < t.size(); ++i) {
        QChar c = t[i];
        if (c == QLatin1Char('"')) {
            rest = t.mid(i + 1);
            return true;
        }
        if (c == QLatin1Char('\\') && i + 1 < t.size()) {
            const QChar letter = t[++i];
            const auto* e = std::find_if(
                std::begin(kEscapes), std::end(kEscapes),
                [letter](const auto& pair) { return pair.second == letter.unicode(); });
            value += e != std::end(kEscapes) ? QChar(e->first) : letter;  // unknown: kept as is
            continue;
        }
        value += c;
    }
    rest.clear();  // unterminated: take everything
    return true;
}

// The first field of a comma list, quoted or not; rest receives the remaining fields.
void TakeFirstField(const QString& text, QString& first, QString& rest) {
    if (!TakeQuoted(text, first, rest)) {
        QStringList parts = text.split(QLatin1Char(','));
        first = parts.value(0).trimmed();
        parts.removeFirst();
        rest = QLatin1Char(',') + parts.join(QLatin1Char(','));
    }
}

}  // namespace

QString ParseString(const QString& text) {
    QString value;
    QString rest;
    if (TakeQuoted(text, value, rest)) {
        return value;
    }
    return text.trimmed();
}

QString FormatFont(const QFont& f) {
    QString out = FormatString(f.family());
    double size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
    out += QStringLiteral(", ") + QString::number(size, 'g', 6);
    if (f.bold()) {
        out += QStringLiteral(", bold");
    }
    if (f.italic()) {
        out += QStringLiteral(", italic");
    }
    if (f.underline()) {
        out += QStringLiteral(", underline");
    }
    if (f.strikeOut()) {
        out += QStringLiteral(", strikeout");
    }
    return out;
}

std::optional<QFont> ParseFont(const QString& text, const QFont& base) {
    QString family;
    QString rest;
    TakeFirstField(text, family, rest);
    if (family.isEmpty()) {
        return std::nullopt;
    }
    QFont f = base;
    f.setFamily(family);
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    const QStringList fields = rest.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& raw : fields) {
        QString field = raw.trimmed().toLower();
        bool ok = false;
        double size = field.toDouble(&ok);
        if (ok && size > 0) {
            f.setPointSizeF(size);
        } else if (field == QLatin1String("bold")) {
            f.setBold(true);
        } else if (field == QLatin1String("italic")) {
            f.setItalic(true);
        } else if (field == QLatin1String("underline")) {
            f.setUnderline(true);
        } else if (field == QLatin1String("strikeout")) {
            f.setStrikeOut(true);
        }
    }
    return f;
}

QString FormatPicture(const XPPicture& p) {
    QString out = FormatString(p.Source());
    if (p.HotSpot() != QPoint(-1, -1)) {
        out += QStringLiteral(", %1, %2").arg(p.HotSpot().x()).arg(p.HotSpot().y());
    }
    return out;
}

XPPicture ParsePicture(const QString& text) {
    QString path;
    QString rest;
    TakeFirstField(text, path, rest);
    if (path.isEmpty()) {
        return {};
    }
    QPoint hot(-1, -1);
    const QStringList fields = rest.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (fields.size() >= 2) {
        bool okx = false;
        bool oky = false;
        int x = fields[0].trimmed().toInt(&okx);
        int y = fields[1].trimmed().toInt(&oky);
        if (okx && oky) {
            hot = QPoint(x, y);
        }
    }
    return XPPicture::Load(path, hot);
}

}  // namespace bagtext

const std::pair<QString, QString>* PropertySection::Find(const QString& key) const {
    for (const auto& e : entries_) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            return &e;
        }
    }
    return nullptr;
}

std::optional<QString> PropertySection::Value(const QString& key) const {
    if (const auto* e = Find(key)) {
        return e->second;
    }
    return std::nullopt;
}

void PropertySection::SetValue(const QString& key, const QString& text) {
    for (auto& e : entries_) {
        if (e.first.compare(key, Qt::CaseInsensitive) == 0) {
            e.second = text;
            return;
        }
    }
    entries_.emplace_back(key, text);
}

int PropertySection::ReadInt(const QString& key, int def) const {
    auto v = Value(key);
    if (!v) {
        return def;
    }
    auto n = bagtext::ParseNumber(*v);
    return n ? static_cast<int>(*n) : def;
}

std::uint32_t PropertySection::ReadColor(const QString& key, std::uint32_t def) const {
    auto v = Value(key);
    if (!v) {
        return def;
    }
    auto n = bagtext::ParseNumber(*v);
    return n ? static_cast<std::uint32_t>(*n) : def;
}

bool PropertySection::ReadBool(const QString& key, bool def) const {
    auto v = Value(key);
    if (!v) {
        return def;
    }
    auto n = bagtext::ParseNumber(*v);
    return n ? *n != 0 : def;
}

QString PropertySection::ReadString(const QString& key, const QString& def) const {
    auto v = Value(key);
    return v ? bagtext::ParseString(*v) : def;
}

QFont PropertySection::ReadFont(const QString& key, const QFont& def) const {
    auto v = Value(key);
    if (!v) {
        return def;
    }
    return bagtext::ParseFont(*v, def).value_or(def);
}

XPPicture PropertySection::ReadPicture(const QString& key) const {
    auto v = Value(key);
    return v ? bagtext::ParsePicture(*v) : XPPicture();
}

void PropertySection::WriteInt(const QString& key, int value, std::optional<int> def) {
    if (!def || *def != value) {
        SetValue(key, QString::number(value));
    }
}

void PropertySection::WriteColor(const QString& key, std::uint32_t value,
                                 std::optional<std::uint32_t> def) {
    if (!def || *def != value) {
        SetValue(key, bagtext::FormatColor(value));
    }
}

void PropertySection::WriteBool(const QString& key, bool value, std::optional<bool> def) {
    if (!def || *def != value) {
        SetValue(key, value ? QStringLiteral("-1") : QStringLiteral("0"));
    }
}

void PropertySection::WriteString(const QString& key, const QString& value,
                                  std::optional<QString> def) {
    if (!def || *def != value) {
        SetValue(key, bagtext::FormatString(value));
    }
}

void PropertySection::WriteFont(const QString& key, const QFont& font) {
    SetValue(key, bagtext::FormatFont(font));
}

void PropertySection::WritePicture(const QString& key, const XPPicture& picture) {
    if (!picture.IsEmpty()) {
        SetValue(key, bagtext::FormatPicture(picture));
    }
}

PropertyBag PropertyBag::Parse(const QString& text) {
    PropertyBag bag;
    PropertySection* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = &bag.AddSection(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            continue;
        }
        if (current == nullptr) {
            current = &bag.AddSection(QString());
        }
        current->SetValue(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return bag;
}

PropertyBag PropertyBag::Load(const QString& path, bool* ok) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok != nullptr) {
        *ok = opened;
    }
    if (!opened) {
        return {};
    }
    return Parse(QString::fromUtf8(file.readAll()));
}

QString PropertyBag::ToText() const {
    QString out;
    for (const auto& s : sections_) {
        if (!out.isEmpty()) {
            out += QLatin1Char('\n');
        }
        out += QLatin1Char('[') + s.Name() + QStringLiteral("]\n");
        for (const auto& [k, v] : s.Entries()) {
            out += k + QStringLiteral(" = ") + v + QLatin1Char('\n');
        }
    }
    return out;
}

bool PropertyBag::Save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(ToText().toUtf8());
    return file.commit();
}

const PropertySection& PropertyBag::Section(const QString& name) const {
    for (const auto& s : sections_) {
        if (s.Name().compare(name, Qt::CaseInsensitive) == 0) {
            return s;
        }
    }
    static const PropertySection kEmpty;
    return kEmpty;
}

PropertySection& PropertyBag::AddSection(const QString& name) {
    for (auto& s : sections_) {
        if (s.Name().compare(name, Qt::CaseInsensitive) == 0) {
            return s;
        }
    }
    sections_.emplace_back(name);
    return sections_.back();
}

}  // namespace qm
