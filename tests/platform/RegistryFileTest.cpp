#include "platform/registry/RegistryFile.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <QElapsedTimer>
#include <functional>
#include <iostream>

using namespace std::string_view_literals;
using namespace platform;

namespace {

constexpr auto kUser = RegistryHive::CurrentUser;
const QString kSettings = QStringLiteral("Software\\Brandel\\Kalvenport-Zuzaza\\Settings");

RegistryFile reparsed(const RegistryFile& file)
{
    return RegistryFile::parse(kUser, file.serialize());
}

QByteArray withHeader(const QByteArray& body)
{
    return "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n" + body;
}

QStringList linesOf(const RegistryFile& file)
{
    return QString::fromUtf8(file.serialize()).split(u'\n');
}

// The bytes the heap hands out now; under a sanitizer's allocator the figure may stay 0.
qint64 heapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

QByteArray repeated(int times, const std::function<QByteArray(int)>& piece)
{
    QByteArray text;
    for (int i = 0; i < times; ++i) text += piece(i);
    return text;
}

}  // namespace

TEST(RegistryFile, TextsAndNumbersComeBackAsTheyWereWritten)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("Laser \"Büro\" C:\\Drucker\\"),
        QString::fromUtf8("Ä€ – „x“ 😀"),
        QStringLiteral("Zeile 1\r\nZeile 2"),
        QStringLiteral("Tab\there"),
        utf16(u"lone \xD800 surrogate"sv),
    };
    for (const QString& text : texts) {
        RegistryFile file(kUser);
        file.setValue(kSettings, u"Text", RegistryValue::fromString(text));
        EXPECT_EQ(reparsed(file).value(kSettings, u"Text")->toString(), text) << text.toStdString();
    }
    for (quint32 number : {0u, 1u, 0xFFFFFF9Du, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        RegistryFile file(kUser);
        file.setValue(kSettings, u"Number", RegistryValue::fromDword(number));
        EXPECT_EQ(reparsed(file).value(kSettings, u"Number")->toDword(), number);
    }
}

TEST(RegistryFile, APersonCanReadWhatIsWritten)
{
    RegistryFile file(kUser);
    file.setValue(kSettings, u"Language", RegistryValue::fromDword(1));
    file.setValue(kSettings, u"PrnFactorV", RegistryValue::fromDword(static_cast<quint32>(-99)));
    file.setValue(kSettings, u"Printer", RegistryValue::fromString(u"Laser \"Büro\""));
    file.setValue(kSettings, {}, RegistryValue::fromString(u"x"));
    const QStringList lines = linesOf(file);
    EXPECT_EQ(lines[0], "Windows Registry Editor Version 5.00");
    EXPECT_TRUE(lines.contains("[HKEY_CURRENT_USER\\Software\\Brandel\\Kalvenport-Zuzaza\\Settings]"));
    EXPECT_TRUE(lines.contains("\"Language\"=dword:00000001"));
    EXPECT_TRUE(lines.contains("\"PrnFactorV\"=dword:ffffff9d"));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("\"Printer\"=\"Laser \\\"Büro\\\"\"")));
    EXPECT_TRUE(lines.contains("@=\"x\""));
}

TEST(RegistryFile, ATextWithALineBreakIsWrittenAsUtf16HexWrappedWithinTheLine)
{
    RegistryFile file(kUser);
    file.setValue(u"K", u"Exporteur", RegistryValue::fromString(u"A\r\nB"));
    EXPECT_TRUE(linesOf(file).contains("\"Exporteur\"=hex(1):41,00,0d,00,0a,00,42,00,00,00"));
    const QString text = QString(60, u'x') + u'\n';
    file.setValue(u"K", u"Long", RegistryValue::fromString(text));
    for (const QString& line : linesOf(file)) EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_EQ(reparsed(file).value(u"K", u"Long")->toString(), text);
}

TEST(RegistryFile, NamesMatchWithoutRegardToCase)
{
    RegistryFile file(kUser);
    file.setValue(u"Software\\Brandel", u"Language", RegistryValue::fromDword(1));
    EXPECT_EQ(file.value(u"SOFTWARE\\brandel", u"LANGUAGE")->toDword(), 1u);
    EXPECT_FALSE(file.setValue(u"software\\BRANDEL\\", u"language", RegistryValue::fromDword(1)));
    EXPECT_TRUE(file.setValue(u"software\\BRANDEL", u"language", RegistryValue::fromDword(2)));
    EXPECT_EQ(reparsed(file).value(u"Software\\Brandel", u"Language")->toDword(), 2u);
    EXPECT_EQ(linesOf(file).filter("anguage").size(), 1);
}

TEST(RegistryFile, SubkeysFollowTheirKeyAndKeysExistThroughTheirSubkeys)
{
    RegistryFile file(kUser);
    file.setValue(u"A B", u"v", RegistryValue::fromDword(1));
    file.setValue(u"A\\B", u"v", RegistryValue::fromDword(2));
    file.setValue(u"A", u"v", RegistryValue::fromDword(3));
    const QStringList keys = linesOf(file).filter(QStringLiteral("["));
    EXPECT_EQ(keys, QStringList(
                        {"[HKEY_CURRENT_USER\\A]", "[HKEY_CURRENT_USER\\A\\B]", "[HKEY_CURRENT_USER\\A B]"}));
    RegistryFile onlySub(kUser);
    onlySub.setValue(u"Root\\Sub", u"v", RegistryValue::fromDword(1));
    EXPECT_TRUE(onlySub.hasKey(u"root"));
    EXPECT_FALSE(onlySub.hasKey(u"Ro"));
    EXPECT_FALSE(onlySub.createKey(u"Root"));
}

TEST(RegistryFile, RemovingATreeTakesItsSubkeysAndNothingBeside)
{
    RegistryFile file(kUser);
    for (QStringView key : {u"R\\Font", u"R\\Font\\Sub", u"R\\FontX", u"R\\Settings"}) {
        file.setValue(key, u"v", RegistryValue::fromDword(1));
    }
    EXPECT_TRUE(file.removeTree(u"r\\font"));
    EXPECT_FALSE(file.hasKey(u"R\\Font"));
    EXPECT_FALSE(file.hasKey(u"R\\Font\\Sub"));
    EXPECT_TRUE(file.hasKey(u"R\\FontX"));
    EXPECT_TRUE(file.hasKey(u"R\\Settings"));
    EXPECT_FALSE(file.removeTree(u"R\\Font"));
}

TEST(RegistryFile, ReadsHandEditedFiles)
{
    const QByteArray text =
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "; a comment\r\n"
        "[HKEY_CURRENT_USER\\Software\\X]\r\n"
        "  \"Number\" = dword:0000002a  \r\n"
        "@=\"default\"\r\n"
        "\"Wrapped\"=hex(1):41,00,\\\r\n"
        "  42,00,00,00\r\n"
        "\"Multi\"=hex(7):61,00,00,00,00,00\r\n";
    const RegistryFile file = RegistryFile::parse(kUser, text);
    EXPECT_FALSE(file.isDamaged());
    EXPECT_EQ(file.value(u"Software\\X", u"Number")->toDword(), 42u);
    EXPECT_EQ(file.value(u"Software\\X", {})->toString(), QString("default"));
    EXPECT_EQ(file.value(u"Software\\X", u"Wrapped")->toString(), QString("AB"));
    // A type the program does not use survives a rewrite byte for byte.
    const RegistryValue multi = *file.value(u"Software\\X", u"Multi");
    EXPECT_EQ(multi.type, 7u);
    EXPECT_EQ(*reparsed(file).value(u"Software\\X", u"Multi"), multi);
}

TEST(RegistryFile, LinesThatAreNotUnderstoodAreLeftOutAndMarkTheFileDamaged)
{
    const QByteArray badLines[] = {
        "\"Language\"=1",
        "\"X\"=dword:123456789",
        "\"X\"=dword:",
        "\"X\"=dword:zz",
        "\"X\"=dword:0000002",
        "\"X\"=dword: 0000002",
        "\"X\"=\"unterminated",
        "\"X\"=\"text\" trailing",
        "\"X\"=hex:1,2,xyz",
        "\"X\"=hex:123",
        "\"X\"=hex(1",
        "\"X\"=hex(:00",
        "\"X\"=-",
        "\"X\"",
        "X=dword:1",
        "[-HKEY_CURRENT_USER\\Gone]",
        "[HKEY_LOCAL_MACHINE\\Other]\n\"Y\"=dword:1",
        "\"Bad\xFF\"=dword:1",
    };
    for (const QByteArray& bad : badLines) {
        const RegistryFile file =
            RegistryFile::parse(kUser, withHeader("\"Good\"=dword:00000007\n" + bad + "\n"));
        EXPECT_TRUE(file.isDamaged()) << bad.constData();
        EXPECT_EQ(file.value(u"K", u"Good")->toDword(), 7u) << bad.constData();
        EXPECT_EQ(file.value(u"K", u"X"), nullptr) << bad.constData();
    }
    EXPECT_TRUE(RegistryFile::parse(kUser, "\"Before\"=dword:1\n[HKEY_CURRENT_USER\\K]").isDamaged());
    EXPECT_FALSE(RegistryFile::parse(kUser, withHeader("\"Good\"=dword:00000007\n")).isDamaged());
}

TEST(RegistryFile, AValueIsReadOnlyWithinItsSizeAndType)
{
    const RegistryFile file = RegistryFile::parse(kUser, withHeader("\"Short\"=hex(4):01,02\n"
                                                                    "\"Long\"=hex(4):01,02,03,04,05\n"
                                                                    "\"Exact\"=hex(4):01,02,03,04\n"
                                                                    "\"Odd\"=hex(1):41,00,42\n"
                                                                    "\"Unterminated\"=hex(1):41,00,42,00\n"
                                                                    "\"Embedded\"=hex(1):41,00,00,00,42,00\n"
                                                                    "\"Text\"=\"12\"\n"
                                                                    "\"Number\"=dword:0000000c\n"
                                                                    "\"Empty\"=hex:\n"));
    EXPECT_EQ(file.value(u"K", u"Short")->toDword(), std::nullopt);
    EXPECT_EQ(file.value(u"K", u"Long")->toDword(), std::nullopt);
    EXPECT_EQ(file.value(u"K", u"Exact")->toDword(), 0x04030201u);
    EXPECT_EQ(file.value(u"K", u"Odd")->toString(), QString("A"));
    EXPECT_EQ(file.value(u"K", u"Unterminated")->toString(), QString("AB"));
    EXPECT_EQ(file.value(u"K", u"Embedded")->toString(), QString("A"));
    EXPECT_EQ(file.value(u"K", u"Text")->toDword(), std::nullopt);
    EXPECT_EQ(file.value(u"K", u"Number")->toString(), std::nullopt);
    EXPECT_TRUE(file.value(u"K", u"Empty")->data.isEmpty());
}

TEST(RegistryFile, EveryCutOfAFileReadsWithoutHarm)
{
    RegistryFile file(kUser);
    file.setValue(kSettings, u"Language", RegistryValue::fromDword(1));
    file.setValue(kSettings, u"Exporteur", RegistryValue::fromString(QString::fromUtf8("Zeile ä\r\n€")));
    file.setValue(kSettings, u"Printer", RegistryValue::fromString(u"HP \"x\""));
    const QByteArray text = file.serialize();
    for (qsizetype size = 0; size <= text.size(); ++size) {
        const RegistryFile cut = RegistryFile::parse(kUser, text.first(size));
        cut.serialize();
    }
}

TEST(RegistryFile, OnlyNamesThatFitOnALineCanBeWritten)
{
    EXPECT_TRUE(RegistryFile::isWritableName(u"Recent File List"));
    EXPECT_FALSE(RegistryFile::isWritableName(u"a\nb"));
    EXPECT_FALSE(RegistryFile::isWritableName(utf16(u"\xDC00"sv)));
}

TEST(RegistryFile, ReadingTakesTimeInProportionToTheFile)
{
    // A figure for the record, not a timed test: the times are printed.
    for (int keys : {2'000, 20'000}) {
        QByteArray text = "Windows Registry Editor Version 5.00\n";
        for (int k = 0; k < keys; ++k)
            text += "\n[HKEY_CURRENT_USER\\S\\K" + QByteArray::number(k) + "]\n\"V\"=dword:0000002a\n";
        QElapsedTimer timer;
        timer.start();
        const RegistryFile file = RegistryFile::parse(kUser, text);
        int found = 0;
        for (int k = 0; k < keys; ++k) found += file.value(QString("s\\k%1").arg(k), u"v") != nullptr;
        std::cout << keys << " keys, " << text.size() / 1024 << " KiB: read and every value looked up in "
                  << timer.elapsed() << " ms\n";
        EXPECT_EQ(found, keys);
    }
    // Every value of a key lands in it without its path being looked at again.
    const QByteArray deep = "[HKEY_CURRENT_USER" + QByteArray("\\a").repeated(32'000) + "]\n" +
                            QByteArray("\"V\"=dword:00000001\n").repeated(20'000);
    QElapsedTimer timer;
    timer.start();
    const RegistryFile file = RegistryFile::parse(kUser, deep);
    std::cout << "a key 32,000 deep with 20,000 values, " << deep.size() / 1024 << " KiB: read in "
              << timer.elapsed() << " ms\n";
    EXPECT_TRUE(file.hasKey(QString("a\\").repeated(31'999) + "a"));
    // Linear, this takes milliseconds even under the sanitizers; looking at the path for every value, the
    // better part of a minute.
    EXPECT_LT(timer.elapsed(), 10'000);
}

TEST(RegistryFile, ReadingTakesMemoryInProportionToTheFile)
{
    const QByteArray head = "Windows Registry Editor Version 5.00\n";
    struct Case {
        const char* shape;
        QByteArray text;
        QString key;  // holds "V" = 1
    };
    const Case cases[] = {
        {"one key nested 4,000 deep",
         head + "[HKEY_CURRENT_USER" + QByteArray("\\a").repeated(4'000) + "]\n\"V\"=dword:00000001\n",
         QString("a\\").repeated(3'999) + "a"},
        {"20,000 keys side by side",
         head +
             repeated(20'000,
                      [](int k) { return "[HKEY_CURRENT_USER\\S\\K" + QByteArray::number(k) + "]\n"; }) +
             "[HKEY_CURRENT_USER\\S\\K7]\n\"V\"=dword:00000001\n",
         "S\\K7"},
        {"20,000 values in one key",
         head + "[HKEY_CURRENT_USER\\S]\n\"V\"=dword:00000001\n" +
             repeated(20'000, [](int v) { return "\"V" + QByteArray::number(v) + "\"=dword:00000002\n"; }),
         "S"},
        {"one key named 20,000 times",
         head + repeated(20'000, [](int) { return QByteArray("[HKEY_CURRENT_USER\\S]\n"); }) +
             "\"V\"=dword:00000001\n",
         "S"},
        {"64 KiB of hex data over 2,700 lines",
         head + "[HKEY_CURRENT_USER\\S]\n\"V\"=dword:00000001\n\"B\"=hex:" +
             repeated(2'700, [](int) { return QByteArray("00,").repeated(24) + "\\\n  "; }) + "00\n",
         "S"},
    };
    for (const Case& c : cases) {
        const qint64 before = heapInUse();
        const RegistryFile file = RegistryFile::parse(kUser, c.text);
        const qint64 grown = heapInUse() - before;
        EXPECT_LE(grown, 64 * c.text.size() + 1024 * 1024) << c.shape << ": " << c.text.size() << " bytes";
        ASSERT_NE(file.value(c.key, u"V"), nullptr) << c.shape;
        EXPECT_EQ(file.value(c.key, u"V")->toDword(), 1u) << c.shape;
        EXPECT_FALSE(file.isDamaged()) << c.shape;
    }
}
