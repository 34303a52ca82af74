// libFuzzer target: any bytes as the update index the maker's web server sends, read as the update check
// reads it and written into the download page that the browser shows. A text from the index never adds
// markup to that page: the page has the same tags, attributes and script strings whatever the texts hold.
#include "support/UpdateIndex.h"
#include "support/UpdatePage.h"
#include "tests/fuzz/FuzzInput.h"

#include <array>

namespace {

constexpr char kMarkup[] = "<>\"'";

UpdateIndexRecord withoutMarkup(UpdateIndexRecord record)
{
    for (QString* text : {&record.m_strRecordName, &record.m_strRecordVersion, &record.m_szRecordField28,
                          &record.m_strDownloadPath, &record.m_strSizeText, &record.m_strRecordField90,
                          &record.m_strRecordField134, &record.m_strInfoPage}) {
        for (const char c : std::string_view(kMarkup)) text->replace(QLatin1Char(c), u'x');
    }
    return record;
}

std::array<qsizetype, 3> markupCount(const UpdateIndexRecord& record)
{
    const QByteArray page = updatePageBytes(u"https://example.org", record, 3, 20, 4);
    return {page.count('<'), page.count('>'), page.count('"')};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UpdateIndexRecord record = readUpdateIndex(fuzzinput::bytes(data, size), u"Kalvenport-Zuzaza");
    fuzzinput::require(markupCount(record) == markupCount(withoutMarkup(record)),
                       "texts from the update index add no markup to the download page");
    return 0;
}
