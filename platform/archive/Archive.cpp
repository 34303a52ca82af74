#include "platform/archive/Archive.h"

#include "platform/codepage/CodePage1252.h"

#include <limits>

namespace platform {
namespace {

constexpr std::uint8_t kByteEscape = 0xFF;
constexpr std::uint16_t kWordEscape = 0xFFFF;
constexpr std::uint32_t kDwordEscape = 0xFFFFFFFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
// A text longer than this cannot be held; the 64-bit length form above it is refused.
constexpr std::uint64_t kLongestString = 0x7FFFFFFF;

[[noreturn]] void failEndOfFile()
{
    throw ArchiveException(ArchiveException::Cause::EndOfFile, "the data ends before what it announces");
}

}  // namespace

Archive::Archive(QByteArray& sink) : m_sink(&sink) {}

Archive::Archive(QByteArrayView source) : m_source(source) {}

void Archive::requireLoading() const
{
    if (isStoring()) throw ArchiveException(ArchiveException::Cause::Generic, "archive is storing");
}

void Archive::requireStoring() const
{
    if (isLoading()) throw ArchiveException(ArchiveException::Cause::Generic, "archive is loading");
}

void Archive::requireBytes(qsizetype size) const
{
    if (size < 0 || size > bytesLeft()) failEndOfFile();
}

void Archive::writeLittleEndian(std::uint64_t value, int size)
{
    requireStoring();
    for (int i = 0; i < size; ++i) m_sink->append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t Archive::readLittleEndian(int size)
{
    requireLoading();
    requireBytes(size);
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) {
        value |= std::uint64_t(static_cast<std::uint8_t>(m_source[m_position + i])) << (8 * i);
    }
    m_position += size;
    return value;
}

void Archive::writeByte(std::uint8_t value)
{
    writeLittleEndian(value, 1);
}
void Archive::writeWord(std::uint16_t value)
{
    writeLittleEndian(value, 2);
}
void Archive::writeDword(std::uint32_t value)
{
    writeLittleEndian(value, 4);
}
void Archive::writeQword(std::uint64_t value)
{
    writeLittleEndian(value, 8);
}

void Archive::writeRaw(QByteArrayView bytes)
{
    requireStoring();
    m_sink->append(bytes);
}

std::uint8_t Archive::readByte()
{
    return static_cast<std::uint8_t>(readLittleEndian(1));
}
std::uint16_t Archive::readWord()
{
    return static_cast<std::uint16_t>(readLittleEndian(2));
}
std::uint32_t Archive::readDword()
{
    return static_cast<std::uint32_t>(readLittleEndian(4));
}
std::uint64_t Archive::readQword()
{
    return readLittleEndian(8);
}

QByteArray Archive::readRaw(qsizetype size)
{
    requireLoading();
    requireBytes(size);
    QByteArray bytes = m_source.sliced(m_position, size).toByteArray();
    m_position += size;
    return bytes;
}

void Archive::writeCount(std::uint32_t count)
{
    if (count < kWordEscape) {
        writeWord(static_cast<std::uint16_t>(count));
        return;
    }
    writeWord(kWordEscape);
    writeDword(count);
}

std::uint32_t Archive::readCount()
{
    const std::uint16_t count = readWord();
    return count == kWordEscape ? readDword() : count;
}

std::uint32_t Archive::readArrayCount(int leastElementSize)
{
    const std::uint32_t count = readCount();
    // A count beyond what the bytes left can hold cannot be true.
    if (count > static_cast<std::uint64_t>(bytesLeft()) / leastElementSize) failEndOfFile();
    if (count > kMostElements)
        throw ArchiveException(ArchiveException::Cause::Generic, "more elements than a form has fields");
    return count;
}

void Archive::writeStringLength(std::uint64_t length)
{
    if (length < kByteEscape) {
        writeByte(static_cast<std::uint8_t>(length));
        return;
    }
    writeByte(kByteEscape);
    if (length < kUnicodeMarker) {
        writeWord(static_cast<std::uint16_t>(length));
        return;
    }
    writeWord(kWordEscape);
    if (length < kDwordEscape) {
        writeDword(static_cast<std::uint32_t>(length));
        return;
    }
    writeDword(kDwordEscape);
    writeQword(length);
}

void Archive::writeString(QStringView text)
{
    writeByte(kByteEscape);
    writeWord(kUnicodeMarker);
    writeStringLength(static_cast<std::uint64_t>(text.size()));
    for (const QChar unit : text) writeWord(unit.unicode());
}

Archive::StringHeader Archive::readStringHeader()
{
    const std::uint8_t first = readByte();
    if (first < kByteEscape) return {first, 1};

    int charSize = 1;
    std::uint16_t word = readWord();
    // Only directly after the first 0xFF is 0xFFFE the UTF-16 marker; after the marker it is a length.
    if (word == kUnicodeMarker) {
        charSize = 2;
        const std::uint8_t byte = readByte();
        if (byte < kByteEscape) return {byte, charSize};
        word = readWord();
    }
    if (word < kWordEscape) return {word, charSize};

    const std::uint32_t dword = readDword();
    if (dword < kDwordEscape) return {dword, charSize};

    const std::uint64_t qword = readQword();
    if (qword > kLongestString) {
        throw ArchiveException(ArchiveException::Cause::Generic, "a text longer than any text");
    }
    return {qword, charSize};
}

QString Archive::readString()
{
    const StringHeader header = readStringHeader();
    if (header.length > static_cast<std::uint64_t>(bytesLeft()) / header.charSize) failEndOfFile();
    const QByteArray bytes = readRaw(static_cast<qsizetype>(header.length) * header.charSize);
    if (header.charSize == 1) return codepage1252::toUnicode(bytes);

    QString text(static_cast<qsizetype>(header.length), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        text[i] = QChar(static_cast<char16_t>(low | high << 8));
    }
    return text;
}

void Archive::writeStringArray(const QStringList& texts)
{
    writeCount(static_cast<std::uint32_t>(texts.size()));
    for (const QString& text : texts) writeString(text);
}

QStringList Archive::readStringArray()
{
    // Every text takes at least one byte.
    const std::uint32_t count = readArrayCount(1);
    QStringList texts;
    for (std::uint32_t i = 0; i < count; ++i) texts.append(readString());
    return texts;
}

void Archive::writeWordArray(const QList<std::uint16_t>& words)
{
    writeCount(static_cast<std::uint32_t>(words.size()));
    for (const std::uint16_t word : words) writeWord(word);
}

QList<std::uint16_t> Archive::readWordArray()
{
    const std::uint32_t count = readArrayCount(2);
    QList<std::uint16_t> words;
    for (std::uint32_t i = 0; i < count; ++i) words.append(readWord());
    return words;
}

}  // namespace platform
