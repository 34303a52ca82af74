#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "platform/clock/Clock.h"
#include "tests/forms/TablelessFormFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

using OpenForm = DetachedForm;

class FormDocuments : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQELWinAppEx app{dir.filePath("config"), "/opt/kalvenport-zuzaza"};
    std::vector<platform::DocTemplate> templates;

    void SetUp() override
    {
        app.InitInstance();
        templates = CreateFormTemplates(app);
        platform::Clock::setSource([] { return QDateTime(QDate(2020, 1, 6), QTime(9, 30)); });
    }
    void TearDown() override { platform::Clock::setSource({}); }

    OpenForm create(const platform::DocTemplate& docTemplate) { return DetachedForm::Create(docTemplate); }
    OpenForm newForm(int index)
    {
        OpenForm form = create(templates[index]);
        form.doc->OnNewDocument();
        return form;
    }
    OpenForm open(const QString& path)
    {
        OpenForm form = create(*platform::DocTemplate::findForFile(templates, path));
        EXPECT_TRUE(form.doc->OnOpenDocument(path)) << form.doc->lastError().toStdString();
        return form;
    }
};

constexpr int kEUR1 = 0, kATR = 1, kUZ = 2, kLZE = 3;

}  // namespace

TEST_F(FormDocuments, NewFormsTakeTheDefaultTextsOfTheirSection)
{
    const struct {
        int form;
        const char* section;
        int exporteur, ursprungsland, transport, date;
    } cases[] = {
        {kATR, "ATRForm_Defaults", 0, 4, 6, 19},
        {kEUR1, "EUR1Form_Defaults", 0, 4, 6, 19},
        {kUZ, "UZForm_Defaults", 1, 3, 4, 9},
    };
    for (const auto& c : cases) {
        const QString section = c.section;
        app.WriteProfileString(section, u"Exporteur", u"Brandel GmbH\r\nHafenstr. 1");
        app.WriteProfileString(section, u"Ursprungsland", u"Deutschland");
        app.WriteProfileString(section, u"Transport", u"LKW");
        app.WriteProfileString(section, u"Stadt", u"Bremen");
        app.WriteProfileInt(section, u"Autodatum", 1);
        OpenForm form = newForm(c.form);
        EXPECT_EQ(form.editor().GetFieldText(c.exporteur, 1), "Brandel GmbH\r\nHafenstr. 1") << c.section;
        EXPECT_EQ(form.editor().GetFieldText(c.ursprungsland, 1), "Deutschland") << c.section;
        EXPECT_EQ(form.editor().GetFieldText(c.transport, 1), "LKW") << c.section;
        EXPECT_EQ(form.editor().GetFieldText(c.date, 1), "Bremen, 6.1.2020") << c.section;
        EXPECT_FALSE(form.doc->isModified());
    }
}

TEST_F(FormDocuments, TheAutomaticDateNeedsAutodatumOne)
{
    app.WriteProfileInt(u"ATRForm_Defaults", u"Autodatum", 1);
    EXPECT_EQ(newForm(kATR).editor().GetFieldText(19, 1), ", 6.1.2020");
    app.WriteProfileInt(u"ATRForm_Defaults", u"Autodatum", 2);
    EXPECT_EQ(newForm(kATR).editor().GetFieldText(19, 1), "");
    // A city is text, never a pattern.
    app.WriteProfileInt(u"ATRForm_Defaults", u"Autodatum", 1);
    app.WriteProfileString(u"ATRForm_Defaults", u"Stadt", u"%2 %1");
    EXPECT_EQ(newForm(kATR).editor().GetFieldText(19, 1), "%2 %1, 6.1.2020");
    EXPECT_EQ(FormDocument::DateText("Bremen", QDate()), "Bremen, 0.0.0");
}

TEST_F(FormDocuments, ANew848aFormIsEmpty)
{
    app.WriteProfileString(u"LZE1Form_Defaults", u"Exporteur", u"niemand");
    OpenForm form = newForm(kLZE);
    for (std::uint16_t f = 0; f < form.editor().GetLineCount(); ++f)
        EXPECT_EQ(form.editor().GetFieldText(f, 1), "");
}

TEST_F(FormDocuments, SaveAndReopenKeepTextsFlagsChoiceAndCells)
{
    for (int index : {kEUR1, kATR, kUZ, kLZE}) {
        OpenForm form = newForm(index);
        CQeEditWindow& editor = form.editor();
        editor.SetFieldText(0, "Erste Zeile  \r\nZweite Zeile \t\r\n", 1);
        editor.SetFieldText(2, "mitte", 1);
        editor.SetFieldFlags(2, 1, 0x214);
        editor.SetFieldText(0, "Zelle A", 2);
        editor.SetFieldFlags(0, 2, 0x104);
        if (editor.GetColumnCount() > 1) editor.SetFieldText(10, "Zelle K", 2);
        form.doc->m_nMarkChoice = 1;
        form.doc->setModifiedFlag();
        const QString path = dir.filePath("form" + QString::number(index) +
                                          templates[index].field(platform::DocTemplate::Field::FilterExt));
        ASSERT_TRUE(form.doc->OnSaveDocument(path));
        EXPECT_FALSE(form.doc->isModified());
        EXPECT_EQ(form.doc->pathName(), path);

        OpenForm reopened = open(path);
        CQeEditWindow& loaded = reopened.editor();
        EXPECT_EQ(reopened.doc->m_nLoadStatus, 0);
        EXPECT_EQ(loaded.GetFieldText(0, 1), "Erste Zeile  \r\nZweite Zeile") << index;
        EXPECT_EQ(loaded.GetFieldText(2, 1), "mitte");
        EXPECT_EQ(loaded.GetFieldFlags(2, 1), 0x214);
        EXPECT_EQ(loaded.GetFieldText(0, 2), "Zelle A");
        EXPECT_EQ(loaded.GetFieldFlags(0, 2), 0x104);
        if (editor.GetColumnCount() > 1) {
            EXPECT_EQ(loaded.GetFieldText(10, 2), "Zelle K");
        }
        EXPECT_EQ(reopened.doc->m_nMarkChoice, reopened.doc->fileFormat().hasChoice ? 1 : 0) << index;
        EXPECT_EQ(loaded.GetLineCount(), editor.GetLineCount());
        EXPECT_EQ(loaded.GetColumnCount(), editor.GetColumnCount());
        EXPECT_EQ(reopened.doc->title(), "form" + QString::number(index) +
                                             templates[index].field(platform::DocTemplate::Field::FilterExt));
    }
}

TEST_F(FormDocuments, SavingLeavesTheEditorOnItsField)
{
    OpenForm form = newForm(kEUR1);
    for (auto [field, page] : {std::pair{3, 2}, {0, 1}, {1, 1}, {20, 1}}) {
        form.editor().Activate(field, page);
        ASSERT_TRUE(form.doc->OnSaveDocument(dir.filePath("eur1.fme")));
        EXPECT_EQ(form.editor().GetCurrentField(), field);
        EXPECT_EQ(form.editor().GetCurrentPage(), page);
    }
}

TEST_F(FormDocuments, ARefusedFileOpensAsAnUntitledNewFormAndIsNeverOverwritten)
{
    app.WriteProfileString(u"EUR1Form_Defaults", u"Exporteur", u"Vorgabe");
    const QByteArray lz2 = QByteArray("QEL-LZE2Form@3.00") + QByteArray(40, '\x01');
    const QString path = dir.filePath("alt.lz2");
    writeFile(path, lz2);

    OpenForm form = open(path);  // a foreign extension opens with the first template, EUR.1
    ASSERT_NE(dynamic_cast<CEUR1_Doc*>(form.doc.get()), nullptr);
    EXPECT_EQ(form.doc->m_nLoadStatus, 18);
    EXPECT_TRUE(form.doc->pathName().isEmpty());
    EXPECT_EQ(form.editor().GetFieldText(0, 1), "Vorgabe");
    EXPECT_EQ(contentsOf(path), lz2);
}

TEST_F(FormDocuments, FilesThatEndEarlyOrClaimTooMuchFailToOpen)
{
    OpenForm full = newForm(kATR);
    const QString good = dir.filePath("good.fma");
    ASSERT_TRUE(full.doc->OnSaveDocument(good));
    const QByteArray bytes = contentsOf(good);

    const QString cut = dir.filePath("cut.fma");
    writeFile(cut, bytes.first(bytes.size() / 2));
    OpenForm form = create(templates[kATR]);
    EXPECT_FALSE(form.doc->OnOpenDocument(cut));
    EXPECT_EQ(form.doc->lastError(), "Unerwartetes Dateiformat.");

    // An old file that claims a million texts in a few bytes.
    const QString claim = dir.filePath("claim.fma");
    writeFile(claim, QByteArray("QEL-ATRForm@1.01") + QByteArray::fromHex("ffff40420f00") + "abc");
    EXPECT_FALSE(form.doc->OnOpenDocument(claim));
    EXPECT_EQ(form.doc->lastError(), "Unerwartetes Dateiformat.");

    const QString fewer = dir.filePath("fewer.fma");
    writeFile(fewer, QByteArray("QEL-ATRForm@1.01") + QByteArray::fromHex("0100fffeff00"));
    EXPECT_FALSE(form.doc->OnOpenDocument(fewer));
    EXPECT_EQ(form.doc->lastError(), QString::fromUtf8("Fehler beim Öffnen des Dokuments."));
}

TEST_F(FormDocuments, ASaveThatRunsOutOfRoomKeepsTheOldFileWholeAndTheFormModified)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    const QString path = disk.path("Kunde.fme");
    OpenForm form = newForm(kEUR1);
    form.editor().SetFieldText(2, "Brandel GmbH", 1);
    ASSERT_TRUE(form.doc->OnSaveDocument(path));
    const QByteArray saved = contentsOf(path);

    form.editor().SetFieldText(2, QString(3000, u'x'), 1);
    form.doc->setModifiedFlag();
    disk.fill();
    EXPECT_FALSE(form.doc->OnSaveDocument(path));
    EXPECT_TRUE(form.doc->isModified());
    EXPECT_TRUE(form.doc->lastError().startsWith(
        QString::fromUtf8("Fehler beim Speichern des Dokuments.\n\n") + path + ": "));
    EXPECT_EQ(contentsOf(path), saved);
    EXPECT_EQ(QDir(disk.path({})).entryList({"*Kunde*"}, QDir::Files | QDir::Hidden),
              QStringList{"Kunde.fme"});
}

TEST_F(FormDocuments, ADocumentWhoseViewIsGoneLeavesItsFileAlone)
{
    const QString path = dir.filePath("noview.fma");
    writeFile(path, "a form");
    OpenForm form = create(templates[kATR]);
    DetachedFormEditor view(form.doc->fieldTable());
    form.doc->AttachView(&view);
    form.doc->DetachView(&view);
    EXPECT_FALSE(form.doc->OnSaveDocument(path));
    EXPECT_EQ(contentsOf(path), "a form");
}

TEST_F(FormDocuments, AFormWithoutAViewOfItsOwnStillOpensAndSaves)
{
    auto doc = std::unique_ptr<FormDocument>(
        static_cast<FormDocument*>(templates[kEUR1].createDocument().release()));
    const QString lz2 = dir.filePath("alt.lz2");
    writeFile(lz2, "QEL-LZE2Form@3.00 und mehr");
    ASSERT_TRUE(doc->OnOpenDocument(lz2));
    EXPECT_EQ(doc->m_nLoadStatus, 18);

    doc->FieldEditor()->SetFieldText(3, "Ankara", 2);
    const QString path = dir.filePath("eur1.fme");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    OpenForm reopened = open(path);
    EXPECT_EQ(reopened.editor().GetFieldText(3, 2), "Ankara");
}

TEST_F(FormDocuments, AFileWithoutATableGetsThePage2FieldsBackAndKeepsItsTexts)
{
    const struct {
        int form;
        std::uint16_t blockVersion;
    } cases[] = {{kEUR1, 1}, {kEUR1, 2}, {kUZ, 1}, {kUZ, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.form) + " block version " + std::to_string(c.blockVersion));
        OpenForm fresh = newForm(c.form);
        const QString path =
            dir.filePath("alt" + templates[c.form].field(platform::DocTemplate::Field::FilterExt));
        fresh.editor().SetFieldText(1, "Brandel GmbH", 1);
        fresh.editor().SetFieldFlags(1, 1, 0x214);
        ASSERT_TRUE(fresh.doc->OnSaveDocument(path));
        writeFile(path, withoutTable(contentsOf(path), fresh.editor(), c.blockVersion));

        OpenForm old = open(path);
        CQeEditWindow& loaded = old.editor();
        ASSERT_EQ(old.doc->m_nLoadStatus, 0);
        EXPECT_EQ(loaded.GetFieldText(1, 1), "Brandel GmbH");
        EXPECT_EQ(loaded.GetFieldFlags(1, 1), 0x214);
        // The back page is there again, empty and as a new form starts it.
        ASSERT_EQ(loaded.GetColumnCount(), fresh.editor().GetColumnCount());
        ASSERT_EQ(loaded.GetPageCount(), 2);
        for (std::uint16_t field = 0; field < loaded.GetColumnCount(); ++field) {
            EXPECT_EQ(loaded.GetFieldText(field, 2), "");
            EXPECT_EQ(loaded.GetFieldFlags(field, 2), fresh.editor().GetFieldFlags(field, 2)) << field;
        }
        EXPECT_FALSE(old.doc->isModified());

        // What is typed there now is saved and comes back.
        loaded.SetFieldText(0, "Rückseite", 2);
        ASSERT_TRUE(old.doc->OnSaveDocument(path));
        EXPECT_EQ(open(path).editor().GetFieldText(0, 2), "Rückseite");
    }
}
