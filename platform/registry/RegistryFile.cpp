#include "platform/registry/RegistryFile.h"

#include <QStringDecoder>
#include <algorithm>

namespace platform {
namespace {

const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kOlderHeader = QStringLiteral("REGEDIT4");
// Long hex data is wrapped as regedit wraps it, so that a line stays readable.
constexpr qsizetype kHexLineWidth = 76;
const QString kHexContinuation = QStringLiteral("\\\n  ");

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString quoted(QStringView text)
{
    QString out(u'"');
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') out += u'\\';
        out += c;
    }
    return out + u'"';
}

// Reads the quoted text that starts at `pos`; `pos` ends behind the closing quote.
std::optional<QString> readQuoted(QStringView line, qsizetype& pos)
{
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\' && pos + 1 < line.size()) c = line[++pos];
        text += c;
    }
    return std::nullopt;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::optional<QByteArray> parseHexBytes(QStringView text)
{
    QByteArray bytes;
    if (text.trimmed().isEmpty()) return bytes;
    for (QStringView token : text.split(u',')) {
        token = token.trimmed();
        bool ok = false;
        const uint byte = token.toUInt(&ok, 16);
        if (!ok || token.isEmpty() || token.size() > 2) return std::nullopt;
        bytes.append(static_cast<char>(byte));
    }
    return bytes;
}

bool startsWithHex(QStringView data)
{
    return data.startsWith(u"hex:", Qt::CaseInsensitive) || data.startsWith(u"hex(", Qt::CaseInsensitive);
}

// The data behind "name=": a quoted text, dword:0000abcd, hex:.. (binary) or hex(N):.. (type N).
std::optional<RegistryValue> parseData(QStringView data)
{
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        const std::optional<QString> text = readQuoted(data, pos);
        if (!text || !data.sliced(pos).trimmed().isEmpty()) return std::nullopt;
        return RegistryValue::fromString(*text);
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        // Always eight digits: one digit fewer is a number cut short, not a smaller number.
        const QStringView digits = data.sliced(6);
        if (digits.size() != 8 || !std::all_of(digits.begin(), digits.end(), isHexDigit)) return std::nullopt;
        return RegistryValue::fromDword(digits.toUInt(nullptr, 16));
    }
    if (!startsWithHex(data)) return std::nullopt;
    quint32 type = RegistryValue::kBinary;
    const qsizetype colon = data.indexOf(u':');
    if (colon < 0) return std::nullopt;
    if (data[3] == u'(') {
        bool ok = false;
        type = data.sliced(4, std::max<qsizetype>(colon - 5, 0)).toUInt(&ok, 16);
        if (!ok || data[colon - 1] != u')') return std::nullopt;
    }
    const std::optional<QByteArray> bytes = parseHexBytes(data.sliced(colon + 1));
    if (!bytes) return std::nullopt;
    return RegistryValue{type, *bytes};
}

QString hexBytes(const QByteArray& bytes, qsizetype column)
{
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QString byte = QStringLiteral("%1").arg(uint(static_cast<quint8>(bytes[i])), 2, 16, QChar(u'0'));
        if (i + 1 < bytes.size()) byte += u',';
        if (i > 0 && column + byte.size() > kHexLineWidth) {
            out += kHexContinuation;
            column = 2;
        }
        out += byte;
        column += byte.size();
    }
    return out;
}

// `column` is where the data starts on its line, for wrapping hex data.
QString dataText(const RegistryValue& value, qsizetype column)
{
    if (value.type == RegistryValue::kString) {
        const std::optional<QString> text = value.toString();
        if (RegistryFile::isWritableName(*text) && RegistryValue::fromString(*text) == value)
            return quoted(*text);
    }
    if (value.toDword()) return QStringLiteral("dword:%1").arg(*value.toDword(), 8, 16, QChar(u'0'));
    const QString head = value.type == RegistryValue::kBinary
                             ? QStringLiteral("hex:")
                             : QStringLiteral("hex(%1):").arg(value.type, 0, 16);
    return head + hexBytes(value.data, column + head.size());
}

}  // namespace

bool RegistryFile::KeyOrder::operator()(QStringView a, QStringView b) const
{
    const auto rank = [](QChar c) { return c == u'\\' ? 0 : int(c.unicode()) + 1; };
    const auto [endA, endB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (endA == a.end() || endB == b.end()) return a.size() < b.size();
    return rank(*endA) < rank(*endB);
}

bool RegistryFile::isWithin(QStringView path, QStringView key)
{
    if (key.isEmpty() || path.size() == key.size()) return key.isEmpty() || sameName(path, key);
    return path.size() > key.size() && path[key.size()] == u'\\' && sameName(path.first(key.size()), key);
}

bool RegistryFile::isWritableName(QStringView name)
{
    return name.isValidUtf16() &&
           std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
}

QString RegistryFile::normalizedKey(QStringView key)
{
    QStringList parts;
    for (QStringView part : key.split(u'\\', Qt::SkipEmptyParts)) parts.append(part.toString());
    return parts.join(u'\\');
}

RegistryFile RegistryFile::parse(RegistryHive hive, QByteArrayView text)
{
    RegistryFile file(hive);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder(text);
    file.m_damaged = decoder.hasError();
    if (decoded.startsWith(QChar(0xFEFF))) decoded.remove(0, 1);
    file.parseLines(decoded.split(u'\n'));
    return file;
}

void RegistryFile::parseLines(const QStringList& lines)
{
    const QString hiveName = registryHiveName(m_hive);
    Key* currentKey = nullptr;  // none before the first key and under a key of another hive
    QStringList comments;       // read since the last key or value: they belong to the next one
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line == kHeader || line == kOlderHeader) continue;
        if (line.startsWith(u';')) {
            comments.append(line);
        } else if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QStringView path = QStringView(line).sliced(1, line.size() - 2);
            currentKey = isWithin(path, hiveName) ? &keyForWriting(path.sliced(hiveName.size())) : nullptr;
            if (currentKey) currentKey->comments += std::exchange(comments, {});
            m_damaged |= !currentKey;
        } else {
            m_damaged |= !currentKey || !parseValueLine(*currentKey, lines, i, comments);
        }
    }
    m_closingComments = comments;
}

bool RegistryFile::parseValueLine(Key& key, const QStringList& lines, qsizetype& index, QStringList& comments)
{
    const QStringView line = QStringView(lines[index]).trimmed();
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(u'@')) {
        pos = 1;
    } else if (line.startsWith(u'"')) {
        const std::optional<QString> quotedName = readQuoted(line, pos);
        if (!quotedName) return false;
        name = *quotedName;
    } else {
        return false;
    }
    QString data = line.sliced(pos).trimmed().toString();
    if (!data.startsWith(u'=')) return false;
    data = data.sliced(1).trimmed();
    while (startsWithHex(data) && data.endsWith(u'\\') && index + 1 < lines.size()) {
        data.chop(1);
        data += lines[++index].trimmed();
    }
    const std::optional<RegistryValue> value = parseData(data);
    if (!value) return false;
    setValueIn(key, name, *value).named.comments += std::exchange(comments, {});
    return true;
}

QByteArray RegistryFile::serialize() const
{
    QString out = kHeader + u'\n';
    for (const auto& [foldedPath, key] : m_keys) serializeKey(out, key);
    if (!m_closingComments.isEmpty()) out += u'\n' + m_closingComments.join(u'\n') + u'\n';
    return out.toUtf8();
}

void RegistryFile::serializeKey(QString& out, const Key& key) const
{
    const QString path =
        key.path.isEmpty() ? registryHiveName(m_hive) : registryHiveName(m_hive) + u'\\' + key.path;
    out += u'\n';
    for (const QString& comment : key.comments) out += comment + u'\n';
    out += u'[' + path + QStringLiteral("]\n");
    for (const NamedValue& named : key.values) {
        for (const QString& comment : named.comments) out += comment + u'\n';
        const QString name = named.name.isEmpty() ? QStringLiteral("@") : quoted(named.name);
        out += name + u'=' + dataText(named.value, name.size() + 1) + u'\n';
    }
}

const RegistryFile::Key* RegistryFile::findKey(QStringView path) const
{
    const auto found = m_keys.find(folded(normalizedKey(path)));
    return found == m_keys.end() ? nullptr : &found->second;
}

RegistryFile::Key& RegistryFile::keyForWriting(QStringView path)
{
    const QString normalized = normalizedKey(path);
    return m_keys.try_emplace(folded(normalized), Key{normalized, {}, {}, {}}).first->second;
}

RegistryFile::Keys::const_iterator RegistryFile::firstWithin(const QString& foldedPath) const
{
    // By the order of the keys, those within a key follow it directly.
    const auto first = m_keys.lower_bound(foldedPath);
    return first != m_keys.end() && isWithin(first->first, foldedPath) ? first : m_keys.end();
}

const RegistryValue* RegistryFile::value(QStringView key, QStringView name) const
{
    const Key* found = findKey(key);
    if (!found) return nullptr;
    const auto place = found->valueIndex.constFind(folded(name));
    return place == found->valueIndex.constEnd() ? nullptr : &found->values[*place].value;
}

bool RegistryFile::hasKey(QStringView key) const
{
    const QString normalized = normalizedKey(key);
    return normalized.isEmpty() || firstWithin(folded(normalized)) != m_keys.end();
}

bool RegistryFile::hasSubkeys(QStringView key) const
{
    const QString foldedPath = folded(normalizedKey(key));
    auto within = firstWithin(foldedPath);
    if (within != m_keys.end() && within->first.size() == foldedPath.size()) ++within;  // the key itself
    return within != m_keys.end() && isWithin(within->first, foldedPath);
}

bool RegistryFile::createKey(QStringView key)
{
    if (hasKey(key)) return false;
    keyForWriting(key);
    return true;
}

bool RegistryFile::setValue(QStringView key, QStringView name, const RegistryValue& value)
{
    return setValueIn(keyForWriting(key), name, value).changed;
}

RegistryFile::Stored RegistryFile::setValueIn(Key& key, QStringView name, const RegistryValue& value)
{
    const QString foldedName = folded(name);
    if (const auto place = key.valueIndex.constFind(foldedName); place != key.valueIndex.constEnd()) {
        NamedValue& stored = key.values[*place];
        return {stored, std::exchange(stored.value, value) != value};
    }
    key.valueIndex.insert(foldedName, key.values.size());
    key.values.append(NamedValue{name.toString(), value, {}});
    return {key.values.last(), true};
}

bool RegistryFile::removeValue(QStringView key, QStringView name)
{
    const auto found = m_keys.find(folded(normalizedKey(key)));
    if (found == m_keys.end()) return false;
    Key& target = found->second;
    const auto place = target.valueIndex.constFind(folded(name));
    if (place == target.valueIndex.constEnd()) return false;
    m_closingComments += target.values[*place].comments;
    target.values.removeAt(*place);
    target.valueIndex.clear();
    for (qsizetype i = 0; i < target.values.size(); ++i)
        target.valueIndex.insert(folded(target.values[i].name), i);
    return true;
}

bool RegistryFile::removeTree(QStringView key)
{
    const QString foldedPath = folded(normalizedKey(key));
    auto end = firstWithin(foldedPath);
    if (end == m_keys.end()) return false;
    const auto first = end;
    for (; end != m_keys.end() && isWithin(end->first, foldedPath); ++end) {
        m_closingComments += end->second.comments;
        for (const NamedValue& named : end->second.values) m_closingComments += named.comments;
    }
    m_keys.erase(first, end);
    return true;
}

}  // namespace platform
