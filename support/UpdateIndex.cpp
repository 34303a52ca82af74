#include "support/UpdateIndex.h"

#include "platform/codepage/CodePage1252.h"

namespace {

constexpr qsizetype kProbeLength = 27;
constexpr qsizetype kHeaderLength = 25;
constexpr qsizetype kRecordLength = 176;
// The columns up to the information page; a record with fewer was cut off in transfer.
constexpr qsizetype kRecordColumnsUsed = 174;

// Up to `length` bytes from `first` on; nothing beyond the end.
QByteArrayView slice(QByteArrayView bytes, qsizetype first, qsizetype length)
{
    if (first >= bytes.size()) return {};
    return bytes.sliced(first, std::min(length, bytes.size() - first));
}

// The index is read piece by piece, like a file: a read past the end gives what is left, or nothing.
class IndexReader {
public:
    explicit IndexReader(QByteArrayView index) : m_index(index) {}
    QByteArrayView read(qsizetype length)
    {
        const QByteArrayView piece = slice(m_index, m_position, length);
        m_position += piece.size();
        return piece;
    }

private:
    QByteArrayView m_index;
    qsizetype m_position = 0;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

QString column(const QString& line, qsizetype first, qsizetype width)
{
    QStringView text = QStringView(line).mid(first, width);
    while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text.toString();
}

// The lines end in CR LF when the first 27 bytes, a header and its line end, end so.
qsizetype lineEndLength(QByteArrayView index)
{
    const QByteArrayView probe = slice(index, 0, kProbeLength);
    return probe.isEmpty() || probe.endsWith("\r\n") ? 2 : 1;
}

// Characters 23-24 of the header: the digits after any blanks, 0 when there are none.
int recordCount(QByteArrayView header)
{
    QByteArrayView digits = slice(header, 23, 2);
    while (!digits.isEmpty() && isBlank(QChar(digits.front()))) digits = digits.sliced(1);
    int count = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        count = count * 10 + (c - '0');
    }
    return count;
}

void fillRecord(UpdateIndexRecord& record, QByteArrayView bytes)
{
    const QString line = platform::codepage1252::toUnicode(bytes);
    record.m_strRecordName = column(line, 0, 20);
    record.m_strRecordVersion = column(line, 20, 8);
    record.m_szRecordField28 = line.mid(28, 8);
    record.m_strDownloadPath = column(line, 36, 44);
    record.m_strSizeText = column(line, 80, 10);
    record.m_strRecordField90 = column(line, 90, 44);
    record.m_strRecordField134 = column(line, 134, 10);
    record.m_strInfoPage = column(line, 144, 30);
}

}  // namespace

UpdateIndexRecord readUpdateIndex(QByteArrayView index, QStringView productName)
{
    UpdateIndexRecord record;
    const qsizetype lineEnd = lineEndLength(index);
    IndexReader reader(index);
    const QByteArrayView header = reader.read(kHeaderLength + lineEnd);
    if (header.isEmpty()) return record;
    // Two more records than the header states are tried, as the update check always has.
    const int tried = recordCount(header) + 2;
    for (int i = 0; i < tried; ++i) {
        const QByteArrayView bytes = reader.read(kRecordLength + lineEnd);
        if (bytes.size() < kRecordColumnsUsed) {
            record.m_strRecordName = QStringLiteral("@");
            return record;
        }
        fillRecord(record, bytes);
        if (record.m_strRecordName == productName) return record;
    }
    return record;
}
