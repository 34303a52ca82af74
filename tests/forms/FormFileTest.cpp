#include "editor/CQeEditWindow.h"
#include "forms/atr/ATR_FieldTable.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormFile.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "forms/lze848a/CLZE_848a_Doc.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "forms/uz/CUrsprungszeugnis_Doc.h"
#include "forms/uz/UZ_FieldTable.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using platform::Archive;
using platform::ArchiveException;

namespace {

struct Form {
    const char* name;
    const FormFileFormat& format;
    const FormFieldTable& table;
};
const Form kForms[] = {
    {"ATR", CATR_Doc::kFileFormat, ATR_FieldTable},
    {"EUR1", CEUR1_Doc::kFileFormat, EUR1_FieldTable},
    {"UZ", CUrsprungszeugnis_Doc::kFileFormat, UZ_FieldTable},
    {"LZE1", CLZE_848a_Doc::kFileFormat, LZE848a_FieldTable},
};

// Every field and cell holds a text that names it, so that a field that a load should leave alone shows.
void fillWithNames(CQeEditWindow& editor, const QString& prefix)
{
    for (std::uint16_t f = 0; f < editor.GetLineCount(); ++f)
        editor.SetFieldText(f, prefix + QString::number(f), 1);
    for (std::uint16_t c = 0; c < editor.GetColumnCount(); ++c) {
        editor.SetFieldText(c, prefix + "cell" + QString::number(c), 2);
    }
}

QStringList page1Texts(const CQeEditWindow& editor)
{
    QStringList texts;
    for (std::uint16_t f = 0; f < editor.GetLineCount(); ++f) texts.append(editor.GetFieldText(f, 1));
    return texts;
}

QByteArray storedFile(const Form& form, int choice = 1)
{
    DetachedFormEditor editor(form.table);
    fillWithNames(editor.FieldEditor(), "text ");
    QByteArray sink;
    Archive archive(sink);
    FormFile::Store(archive, form.format, editor.FieldEditor(), choice, {"PC", "u"});
    return sink;
}

struct Loaded {
    FormLoadStatus status;
    QStringList texts;
    int choice;
};

Loaded load(const Form& form, const QByteArray& file)
{
    DetachedFormEditor editor(form.table);
    fillWithNames(editor.FieldEditor(), "default ");
    int choice = 7;
    Archive archive{QByteArrayView(file)};
    const FormLoadStatus status = FormFile::Load(archive, form.format, editor.FieldEditor(), choice);
    return {status, page1Texts(editor.FieldEditor()), choice};
}

QByteArray withMagic(const char* magic, const QByteArray& rest = {})
{
    return QByteArray(magic) + rest;
}

}  // namespace

TEST(FormFile, ANewATRFileIsByteForByteTheFormat)
{
    DetachedFormEditor editor(ATR_FieldTable);
    QByteArray file;
    Archive archive(file);
    FormFile::Store(archive, CATR_Doc::kFileFormat, editor.FieldEditor(), 0, {"PC", "u"});

    QByteArray expected = "QEL-ATRForm@3.00" + bytes({0x2C, 0x01, 0, 0, 0, 0}) + QByteArray(9, '\xFF');
    expected += bytes({0x02, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 'P', 0, 'C', 0, 0xFF, 0xFE, 0xFF, 0x01, 'u', 0});
    expected += bytes({0x06, 0x12, 0x02, 0x00, 0x15, 0x00});
    for (int i = 0; i < 21; ++i) expected += bytes({0xFF, 0xFE, 0xFF, 0x00});
    expected += bytes({0x15, 0x00});
    for (int flags : {3, 3, 3, 3, 0x103, 3, 3, 3, 3, 3, 0x203, 2, 2, 2, 2, 2, 2, 2, 0x102, 0x102, 2}) {
        expected += bytes({flags & 0xFF, flags >> 8});
    }
    expected +=
        bytes({0x02, 0x20, 0x01, 0x00, 0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x00, 0x01, 0x00, 0x03, 0x00, '@'});
    EXPECT_EQ(file.size(), 196);
    EXPECT_EQ(file.toHex(' '), expected.toHex(' '));
}

TEST(FormFile, HeadersOfTheFourFormats)
{
    struct Expected {
        int versionAt, namesAt;
        QString computerName;
        bool choice;
    };
    const Expected expected[] = {
        {16, 31, "PC", false}, {17, 32, "PC", false}, {15, 32, "PC", true}, {17, 32, "PC\n", true}};
    for (std::size_t i = 0; i < std::size(kForms); ++i) {
        const QByteArray file = storedFile(kForms[i], 0x101);
        const Expected& e = expected[i];
        EXPECT_EQ(file.mid(e.versionAt, 2), bytes({0x2C, 0x01})) << kForms[i].name;
        EXPECT_EQ(file.mid(e.versionAt + 6, e.namesAt - e.versionAt - 6),
                  QByteArray(e.namesAt - e.versionAt - 6, '\xFF'));
        Archive names{QByteArrayView(file).sliced(e.namesAt)};
        EXPECT_EQ(names.readStringArray(), QStringList({e.computerName, "u"})) << kForms[i].name;
        // The choice byte is the low byte of the choice; then the editor block begins.
        const QByteArray next = file.mid(e.namesAt + names.position(), 3);
        EXPECT_EQ(next, e.choice ? bytes({0x01, 0x06, 0x12}) : bytes({0x06, 0x12, 0x02})) << kForms[i].name;
        EXPECT_TRUE(file.endsWith('@'));
    }
}

TEST(FormFile, SavedFormsLoadBackWithTheirTextsAndChoice)
{
    for (const Form& form : kForms) {
        const Loaded loaded = load(form, storedFile(form, 1));
        EXPECT_EQ(loaded.status, kLoaded) << form.name;
        EXPECT_EQ(loaded.texts.first(), "text 0") << form.name;
        EXPECT_EQ(loaded.texts.last(), "text " + QString::number(form.table.page1FieldCount - 1));
        EXPECT_EQ(loaded.choice, form.format.hasChoice ? 1 : 7) << form.name;
    }
}

TEST(FormFile, LoadStatusOfMagicsAndVersions)
{
    const Form& atr = kForms[0];
    const Form& lze = kForms[3];
    const QByteArray rest = bytes({0x2C, 0x01, 0, 0, 0, 0});
    const struct {
        const Form& form;
        QByteArray file;
        FormLoadStatus status;
    } cases[] = {
        {atr, withMagic("QEL-ATRForm@3.01", rest), kNewerVersion},
        {atr, withMagic("QEL-ATRForm@2.00", rest), kOlderVersion},
        {atr, withMagic("QEL-ATRForm@4.00", rest), kOlderVersion},
        {atr, withMagic("QEL-ATRForm@1.02", rest), kOlderVersion},
        {atr, withMagic("QEL-XTRForm@3.00", rest), kNotAKnownFormat},
        {atr, withMagic("QEL-EUR1Form@3.0", rest), kNotAKnownFormat},
        {atr, withMagic("QEL-ATRForm@3.00", bytes({0x2B, 0x01})), kOlderVersion},  // version 299
        {atr, withMagic("QEL-ATRForm@3.00", bytes({0x2D, 0x01})), kNewerVersion},  // version 301
        {lze, withMagic("QEL-LZE1Form@2.00", rest), kNewerVersion},
        {lze, withMagic("QEL-LZE1Form@1.25", rest), kNewerVersion},
        {lze, withMagic("QEL-LZE1Form@1.10", rest), kOlderVersion},
        {lze, withMagic("QEL-LZE1Form@1.00", rest), kOlderVersion},
        {lze, withMagic("QEL-UZForm@3.00xx", rest), kNotAKnownFormat},
    };
    for (const auto& c : cases) {
        const Loaded loaded = load(c.form, c.file);
        EXPECT_EQ(loaded.status, c.status) << c.file.constData();
        // A refused file changes nothing.
        EXPECT_EQ(loaded.texts.first(), "default 0");
        EXPECT_EQ(loaded.choice, 7);
    }
}

TEST(FormFile, AFileShorterThanItsMagicLeavesTheNewForm)
{
    for (const QByteArray& file : {QByteArray(), QByteArray("QEL-ATR"), QByteArray("QEL-ATRForm@3.0")}) {
        const Loaded loaded = load(kForms[0], file);
        EXPECT_EQ(loaded.status, kLoaded);
        EXPECT_EQ(loaded.texts.first(), "default 0");
    }
}

TEST(FormFile, ADamagedEditorBlockIsRefusedAndTheDefaultsStay)
{
    const Form& uz = kForms[2];
    QByteArray file = storedFile(uz, 1);
    const qsizetype block = file.indexOf(bytes({0x06, 0x12, 0x02, 0x00}));
    ASSERT_GT(block, 0);

    QByteArray badMark = file;
    badMark[block] = 0x07;
    EXPECT_EQ(load(uz, badMark).status, kNotAKnownFormat);
    QByteArray newerBlock = file;
    newerBlock[block + 2] = 0x03;
    const Loaded loaded = load(uz, newerBlock);
    EXPECT_EQ(loaded.status, kNewerVersion);
    EXPECT_EQ(loaded.texts.size(), uz.table.page1FieldCount);
    EXPECT_EQ(loaded.texts.first(), "default 0");
    EXPECT_EQ(loaded.choice, 7);
}

TEST(FormFile, AFileWithoutTrailerLoads)
{
    QByteArray file = storedFile(kForms[1]);
    file.chop(1);
    EXPECT_EQ(load(kForms[1], file).status, kLoaded);
}

TEST(FormFile, EveryTruncationFailsWithEndOfFileOrKeepsTheNewForm)
{
    for (const Form& form : kForms) {
        const QByteArray file = storedFile(form);
        for (qsizetype size = 0; size < file.size() - 1; ++size) {
            const QByteArray cut = file.first(size);
            if (size < form.format.magic.size()) {
                EXPECT_EQ(load(form, cut).status, kLoaded);
                continue;
            }
            try {
                load(form, cut);
                ADD_FAILURE() << form.name << " cut at " << size << " loaded";
            } catch (const ArchiveException& e) {
                EXPECT_EQ(e.cause(), ArchiveException::Cause::EndOfFile) << form.name << " " << size;
            }
        }
    }
}

namespace {

// An old file: its magic, its string arrays of entries "e0", "e1" ... (B0, B1 ... in the second), its bytes.
QByteArray oldFile(const char* magic, std::initializer_list<int> arraySizes, const QByteArray& after = {})
{
    QByteArray file(magic);
    Archive archive(file);
    const char* prefixes[] = {"e", "B"};
    int array = 0;
    for (int size : arraySizes) {
        QStringList entries;
        for (int i = 0; i < size; ++i) entries.append(prefixes[array] + QString::number(i));
        archive.writeStringArray(entries);
        ++array;
    }
    archive.writeRaw(after);
    return file;
}

QStringList expectedTexts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts) list.append(QString::fromLatin1(text));
    return list;
}

}  // namespace

TEST(FormFileOldVersions, ATRPutsEveryEntryInItsField)
{
    const Loaded v101 = load(kForms[0], oldFile("QEL-ATRForm@1.01", {20}));
    EXPECT_EQ(v101.status, kLoaded);
    EXPECT_EQ(v101.texts,
              expectedTexts({"e0",  "e1",  "e2",  "e3",  "e4",  "e5",  "e6", "e7",  "e8",  "e9", "e10",
                             "e11", "e12", "e13", "e14", "e15", "e16", "",   "e17", "e18", "e19"}));

    const Loaded v100 = load(kForms[0], oldFile("QEL-ATRForm@1.00", {22}));
    EXPECT_EQ(v100.texts,
              expectedTexts({"e0",  "e1",  "e2",  "e3",  "e4",  "e5",  "e6", "e7",  "",    "e8", "e9",
                             "e10", "e11", "e12", "e13", "e14", "e15", "",   "e16", "e17", "e19"}));

    // Version 1.00 pads a short array: every field is named, the missing entries are empty.
    const Loaded short100 = load(kForms[0], oldFile("QEL-ATRForm@1.00", {5}));
    EXPECT_EQ(short100.texts.mid(0, 6), expectedTexts({"e0", "e1", "e2", "e3", "e4", ""}));
    EXPECT_EQ(short100.texts.last(), "");
}

TEST(FormFileOldVersions, EUR1FillsBothPages)
{
    DetachedFormEditor editor(EUR1_FieldTable);
    fillWithNames(editor.FieldEditor(), "default ");
    const QByteArray file = oldFile("QEL-EUR1Form@1.01", {20, 11});
    Archive archive{QByteArrayView(file)};
    int choice = 7;
    ASSERT_EQ(FormFile::Load(archive, CEUR1_Doc::kFileFormat, editor.FieldEditor(), choice), kLoaded);
    EXPECT_EQ(editor.FieldEditor().GetFieldText(16, 1), "e16");
    EXPECT_EQ(editor.FieldEditor().GetFieldText(17, 1), "");
    EXPECT_EQ(editor.FieldEditor().GetFieldText(20, 1), "e19");
    EXPECT_EQ(editor.FieldEditor().GetFieldText(0, 2), "B0");
    EXPECT_EQ(editor.FieldEditor().GetFieldText(10, 2), "B10");
    EXPECT_EQ(choice, 7);
}

TEST(FormFileOldVersions, CertificateOfOriginTakesTheChoiceByte)
{
    DetachedFormEditor editor(UZ_FieldTable);
    fillWithNames(editor.FieldEditor(), "default ");
    const QByteArray file = oldFile("QEL-UZForm@1.01", {11}, bytes({0x01}));
    Archive archive{QByteArrayView(file)};
    int choice = 7;
    ASSERT_EQ(FormFile::Load(archive, CUrsprungszeugnis_Doc::kFileFormat, editor.FieldEditor(), choice),
              kLoaded);
    EXPECT_EQ(page1Texts(editor.FieldEditor()).mid(0, 11),
              expectedTexts({"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8", "e9", "default 10"}));
    EXPECT_EQ(editor.FieldEditor().GetFieldText(0, 2), "e10");
    EXPECT_EQ(choice, 1);
}

TEST(FormFileOldVersions, Declaration848aVersionsKeepUnnamedFields)
{
    const Loaded v130 = load(kForms[3], oldFile("QEL-LZE1Form@1.30", {11}, bytes({9, 9, 1})));
    EXPECT_EQ(v130.texts.mid(0, 12), expectedTexts({"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8",
                                                    "e9", "e10", "default 11"}));
    EXPECT_EQ(v130.choice, 1);

    const QStringList twelve = expectedTexts({"e0", "e1", "e2", "e3", "default 4", "default 5", "default 6",
                                              "e4", "e5", "e6", "e7", "default 11"});
    const Loaded v121 = load(kForms[3], oldFile("QEL-LZE1Form@1.21", {8}, bytes({9, 9})));
    EXPECT_EQ(v121.texts.mid(0, 12), twelve);
    EXPECT_EQ(v121.choice, 0);
    const Loaded v120 = load(kForms[3], oldFile("QEL-LZE1Form@1.20", {8}));
    EXPECT_EQ(v120.texts.mid(0, 12), twelve);
    EXPECT_EQ(v120.choice, 0);
}

TEST(FormFileOldVersions, TooFewEntriesCannotBeOpened)
{
    const struct {
        const Form& form;
        QByteArray file;
    } cases[] = {
        {kForms[0], oldFile("QEL-ATRForm@1.01", {19})},
        {kForms[1], oldFile("QEL-EUR1Form@1.01", {19, 11})},
        {kForms[1], oldFile("QEL-EUR1Form@1.01", {20, 10})},
        {kForms[2], oldFile("QEL-UZForm@1.01", {10}, bytes({1}))},
        {kForms[3], oldFile("QEL-LZE1Form@1.30", {10}, bytes({0, 0, 1}))},
        {kForms[3], oldFile("QEL-LZE1Form@1.20", {7})},
    };
    for (const auto& c : cases) {
        try {
            load(c.form, c.file);
            ADD_FAILURE() << c.file.left(17).constData() << " opened";
        } catch (const ArchiveException& e) {
            EXPECT_EQ(e.cause(), ArchiveException::Cause::Generic);
        }
    }
    // The bytes after the array are part of the file: without them it ends early.
    EXPECT_THROW(load(kForms[2], oldFile("QEL-UZForm@1.01", {11})), ArchiveException);
}
