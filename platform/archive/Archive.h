#pragma once

#include "platform/archive/ArchiveException.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

namespace platform {

// The little-endian primitives of a form file, written to or read from a byte buffer. An archive either
// stores or loads. A load never reads outside its buffer and never allocates more than the bytes left could
// hold: a count or length that claims more fails with EndOfFile before anything is allocated. An array
// grows with the elements really read, never with what its count claims.
class Archive {
public:
    // No array of a form file holds more elements than a form has fields; a count above fails with Generic
    // before anything is read.
    static constexpr std::uint32_t kMostElements = 0xFFFF;

    // An archive that appends to `sink`, which must outlive it.
    explicit Archive(QByteArray& sink);
    // An archive that reads `source`, which must outlive it.
    explicit Archive(QByteArrayView source);

    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool isStoring() const { return m_sink != nullptr; }
    bool isLoading() const { return m_sink == nullptr; }

    void writeByte(std::uint8_t value);
    void writeWord(std::uint16_t value);
    void writeDword(std::uint32_t value);
    void writeQword(std::uint64_t value);
    void writeRaw(QByteArrayView bytes);
    // An element count: one WORD below 0xFFFF, else the WORD 0xFFFF and the count as a DWORD.
    void writeCount(std::uint32_t count);
    // Always the UTF-16 form: the marker FF FE FF, the length in code units, the code units.
    void writeString(QStringView text);
    void writeStringArray(const QStringList& texts);
    void writeWordArray(const QList<std::uint16_t>& words);

    std::uint8_t readByte();
    std::uint16_t readWord();
    std::uint32_t readDword();
    std::uint64_t readQword();
    QByteArray readRaw(qsizetype size);
    std::uint32_t readCount();
    // Reads the UTF-16 form and the older 8-bit form, whose bytes are code page 1252.
    QString readString();
    QStringList readStringArray();
    QList<std::uint16_t> readWordArray();

    qsizetype position() const { return m_position; }
    qsizetype bytesLeft() const { return m_source.size() - m_position; }

private:
    void requireLoading() const;
    void requireStoring() const;
    // Fails with EndOfFile unless `size` more bytes can be read.
    void requireBytes(qsizetype size) const;
    std::uint64_t readLittleEndian(int size);
    // The count of an array whose elements take at least `leastElementSize` bytes each, held to the bytes
    // left and to kMostElements.
    std::uint32_t readArrayCount(int leastElementSize);
    void writeLittleEndian(std::uint64_t value, int size);
    void writeStringLength(std::uint64_t length);
    struct StringHeader {
        std::uint64_t length;  // in characters
        int charSize;          // 1 for the 8-bit form, 2 for UTF-16
    };
    StringHeader readStringHeader();

    QByteArray* m_sink = nullptr;
    QByteArrayView m_source;
    qsizetype m_position = 0;
};

}  // namespace platform
