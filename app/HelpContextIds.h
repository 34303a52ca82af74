#pragma once

// The help topics by context id. The application keeps the id of the screen in front (m_nHelpContext);
// the help command opens its topic. Form views set the ids of their fields from their own tables.
namespace HelpContextIds {

inline constexpr int kContents = 100;  // also the default
inline constexpr int kAbout = 101;
inline constexpr int kMargins = 120;
inline constexpr int kPrintEUR1 = 121;
inline constexpr int kPrintATR = 122;
inline constexpr int kPrintUZ = 123;
inline constexpr int kPrintLZE = 124;
inline constexpr int kDefaultsEUR1 = 125;
inline constexpr int kDefaultsATR = 126;
inline constexpr int kDefaultsUZ = 127;
inline constexpr int kCrossPositions = 128;
inline constexpr int kPrinterFontSize = 129;
inline constexpr int kAdvancedPositionsEUR1 = 130;
inline constexpr int kAdvancedPositionsATR = 131;
inline constexpr int kFileOpen = 200;
inline constexpr int kPrintSetup = 201;
inline constexpr int kEUR1Page1 = 300;
inline constexpr int kEUR1Page2 = 312;
inline constexpr int kATR = 320;
inline constexpr int kUZPage1 = 340;
inline constexpr int kUZPage2 = 350;
inline constexpr int kLZE848a = 360;

// The pages of the forms; the topics of their fields follow each page's id, up to the next page.
inline constexpr int kFormPages[] = {kEUR1Page1, kEUR1Page2, kATR, kUZPage1, kUZPage2, kLZE848a};
inline constexpr int kLastFieldTopic = 399;

// The topic that stands in for a topic without a page of its own: the page of the form it belongs to, or the
// contents.
inline constexpr int FormTopicOf(int id)
{
    int topic = kContents;
    for (int page : kFormPages) {
        if (page <= id && id <= kLastFieldTopic) topic = page;
    }
    return topic;
}

// Every id above; each has a page of its own.
inline constexpr int kAll[] = {kContents,
                               kAbout,
                               kMargins,
                               kPrintEUR1,
                               kPrintATR,
                               kPrintUZ,
                               kPrintLZE,
                               kDefaultsEUR1,
                               kDefaultsATR,
                               kDefaultsUZ,
                               kCrossPositions,
                               kPrinterFontSize,
                               kAdvancedPositionsEUR1,
                               kAdvancedPositionsATR,
                               kFileOpen,
                               kPrintSetup,
                               kEUR1Page1,
                               kEUR1Page2,
                               kATR,
                               kUZPage1,
                               kUZPage2,
                               kLZE848a};

}  // namespace HelpContextIds
