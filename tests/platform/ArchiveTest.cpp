#include "platform/archive/Archive.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

using namespace platform;
using Cause = ArchiveException::Cause;

namespace {

QByteArray stored(const QString& text)
{
    QByteArray sink;
    Archive archive(sink);
    archive.writeString(text);
    return sink;
}

QString loaded(const QByteArray& data)
{
    Archive archive(QByteArrayView{data});
    QString text = archive.readString();
    EXPECT_EQ(archive.bytesLeft(), 0);
    return text;
}

template <typename Read>
Cause failureOf(const QByteArray& data, Read read)
{
    Archive archive(QByteArrayView{data});
    try {
        read(archive);
    } catch (const ArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "no failure";
    return Cause::Generic;
}

}  // namespace

TEST(ArchivePrimitives, IntegersAreLittleEndian)
{
    QByteArray sink;
    Archive out(sink);
    out.writeByte(0xAB);
    out.writeWord(0x1206);
    out.writeDword(0x01020304);
    out.writeQword(0x1122334455667788ull);
    EXPECT_EQ(sink, bytes({0xAB, 0x06, 0x12, 0x04, 0x03, 0x02, 0x01, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22,
                           0x11}));

    Archive in(QByteArrayView{sink});
    EXPECT_EQ(in.readByte(), 0xAB);
    EXPECT_EQ(in.readWord(), 0x1206);
    EXPECT_EQ(in.readDword(), 0x01020304u);
    EXPECT_EQ(in.readQword(), 0x1122334455667788ull);
    EXPECT_EQ(in.bytesLeft(), 0);
}

TEST(ArchivePrimitives, CountsBelowFFFFAreOneWordAndLargerOnesEscapeToADword)
{
    const std::pair<std::uint32_t, QByteArray> cases[] = {
        {0, bytes({0x00, 0x00})},
        {21, bytes({0x15, 0x00})},
        {0xFFFE, bytes({0xFE, 0xFF})},
        {0xFFFF, bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {0x12345, bytes({0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00})},
    };
    for (const auto& [count, expected] : cases) {
        QByteArray sink;
        Archive out(sink);
        out.writeCount(count);
        EXPECT_EQ(sink, expected) << count;
        Archive in(QByteArrayView{sink});
        EXPECT_EQ(in.readCount(), count);
    }
}

TEST(ArchiveStrings, AreWrittenAsUtf16WithTheShortestLength)
{
    EXPECT_EQ(stored(""), bytes({0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(stored("abc"), bytes({0xFF, 0xFE, 0xFF, 0x03, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00}));

    const QByteArray s254 = stored(QString(254, 'x'));
    EXPECT_EQ(s254.first(4), bytes({0xFF, 0xFE, 0xFF, 0xFE}));
    EXPECT_EQ(s254.size(), 4 + 508);

    const QByteArray s255 = stored(QString(255, 'x'));
    EXPECT_EQ(s255.first(6), bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(s255.size(), 6 + 510);

    const QByteArray s300 = stored(QString(300, 'x'));
    EXPECT_EQ(s300.first(6), bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
    EXPECT_EQ(s300.size(), 6 + 600);

    // From 0xFFFE on, the word would read as the marker: the length escapes to a DWORD.
    const QByteArray s65534 = stored(QString(0xFFFE, 'x'));
    EXPECT_EQ(s65534.first(10), bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
}

TEST(ArchiveStrings, RoundTripEveryLengthFormAndEveryCodeUnit)
{
    const QString texts[] = {
        "",
        "abc",
        QString(254, 'a'),
        QString(255, 'b'),
        QString(300, 'c'),
        QString(0xFFFD, 'd'),
        QString(0xFFFE, 'e'),
        QString(0x10005, 'f'),
        utf16(u"zero\0inside, lone \xD800 surrogate, CR LF\r\nend"sv),
    };
    for (const QString& text : texts) EXPECT_EQ(loaded(stored(text)), text) << text.size();
}

TEST(ArchiveStrings, OldEightBitStringsAreReadAsCodePage1252)
{
    EXPECT_EQ(loaded(bytes({0x03, 0x61, 0x62, 0xE4})), QString::fromUtf8("abä"));
    EXPECT_EQ(loaded(bytes({0x02, 0x80, 0x84})), QString::fromUtf8("€„"));
    QByteArray longOld = bytes({0xFF, 0x2C, 0x01});  // BYTE 0xFF, WORD 300, no marker
    longOld.append(QByteArray(300, 'q'));
    EXPECT_EQ(loaded(longOld), QString(300, 'q'));
}

TEST(ArchiveStrings, FFFEAfterTheMarkerIsALength)
{
    QByteArray wordForm = bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF});
    QByteArray dwordForm = bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00});
    const QByteArray units = QByteArray(0xFFFE * 2, 'z');
    EXPECT_EQ(loaded(wordForm + units).size(), 0xFFFE);
    EXPECT_EQ(loaded(dwordForm + units).size(), 0xFFFE);
}

TEST(ArchiveStrings, QwordLengthAboveTheLongestTextIsAGenericFailure)
{
    const QByteArray data = bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                   0x00, 0x80, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(failureOf(data, [](Archive& a) { a.readString(); }), Cause::Generic);
}

TEST(ArchiveRobustness, ClaimsBeyondTheDataFailWithEndOfFileBeforeAllocating)
{
    // A string of 0x7FFFFFFF code units announced in a 18-byte file.
    const QByteArray hugeString = bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(failureOf(hugeString, [](Archive& a) { a.readString(); }), Cause::EndOfFile);

    const QByteArray hugeCount = bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0x62, 0x63, 0x64});
    EXPECT_EQ(failureOf(hugeCount, [](Archive& a) { a.readStringArray(); }), Cause::EndOfFile);
    EXPECT_EQ(failureOf(hugeCount, [](Archive& a) { a.readWordArray(); }), Cause::EndOfFile);

    // Three words announced, two and a half present.
    EXPECT_EQ(failureOf(bytes({0x03, 0x00, 1, 0, 2, 0, 3}), [](Archive& a) { a.readWordArray(); }),
              Cause::EndOfFile);
}

TEST(ArchiveRobustness, AnArrayOfMoreElementsThanAFormHasFieldsFailsBeforeAnyIsRead)
{
    // A count in its escaped form, followed by as many empty texts (or zero words) as it claims.
    const auto array = [](std::uint32_t count, int elementSize) {
        QByteArray data = bytes({0xFF, 0xFF});
        for (int i = 0; i < 4; ++i) data.append(char((count >> (8 * i)) & 0xFF));
        return data + QByteArray(qsizetype(count) * elementSize, '\0');
    };
    struct Case {
        std::uint32_t count;
        bool read;
    };
    // A form has at most 65,535 fields.
    const Case cases[] = {{0xFFFF, true}, {0x10000, false}, {0x00FFFFFF, false}};
    for (const Case& c : cases) {
        const QByteArray texts = array(c.count, 1);
        const QByteArray words = array(c.count, 2);
        Archive textArchive{QByteArrayView{texts}};
        Archive wordArchive{QByteArrayView{words}};
        if (c.read) {
            EXPECT_EQ(textArchive.readStringArray().size(), qsizetype(c.count));
            EXPECT_EQ(wordArchive.readWordArray().size(), qsizetype(c.count));
            continue;
        }
        try {
            textArchive.readStringArray();
            ADD_FAILURE() << c.count;
        } catch (const ArchiveException& e) {
            EXPECT_EQ(e.cause(), Cause::Generic) << c.count;
            EXPECT_EQ(textArchive.position(), 6) << c.count;
        }
        EXPECT_EQ(failureOf(words, [](Archive& a) { a.readWordArray(); }), Cause::Generic) << c.count;
    }
}

TEST(ArchiveRobustness, EveryTruncationOfStoredDataFailsWithEndOfFile)
{
    QByteArray sink;
    Archive out(sink);
    out.writeStringArray({"eins", QString(300, 'z'), ""});
    out.writeWordArray({1, 0x10, 0x203});
    out.writeDword(7);

    for (qsizetype size = 0; size < sink.size(); ++size) {
        const QByteArray prefix = sink.first(size);
        const Cause cause = failureOf(prefix, [](Archive& a) {
            a.readStringArray();
            a.readWordArray();
            a.readDword();
        });
        EXPECT_EQ(cause, Cause::EndOfFile) << size;
    }
}

TEST(ArchiveArrays, LoadingReplacesTheArrayWithExactlyTheCountRead)
{
    QByteArray sink;
    Archive out(sink);
    out.writeStringArray({"a", "b"});
    out.writeWordArray({7, 0xFFFF, 0});
    EXPECT_EQ(sink, bytes({0x02, 0x00, 0xFF, 0xFE, 0xFF, 0x01, 0x61, 0x00, 0xFF, 0xFE, 0xFF,
                           0x01, 0x62, 0x00, 0x03, 0x00, 0x07, 0x00, 0xFF, 0xFF, 0x00, 0x00}));

    Archive in(QByteArrayView{sink});
    EXPECT_EQ(in.readStringArray(), QStringList({"a", "b"}));
    EXPECT_EQ(in.readWordArray(), QList<std::uint16_t>({7, 0xFFFF, 0}));
}

TEST(ArchiveDirection, ReadingAStoringArchiveAndWritingALoadingOneFail)
{
    QByteArray sink;
    Archive out(sink);
    EXPECT_THROW(out.readByte(), ArchiveException);
    const QByteArray data("x");
    Archive in(QByteArrayView{data});
    EXPECT_THROW(in.writeByte(1), ArchiveException);
    EXPECT_TRUE(out.isStoring());
    EXPECT_TRUE(in.isLoading());
}
