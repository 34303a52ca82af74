#include "forms/print/MarginOffset.h"

#include <cstdlib>

namespace {

struct OffsetTexts {
    const char16_t* positive;
    const char16_t* negative;
    const char16_t* zero;
};

constexpr OffsetTexts kHorizontal[2] = {
    {u"%1 mm nach rechts", u"%1 mm nach links", u"unverändert"},
    {u"%1 mm to the right", u"%1 mm to the left", u"unchanged"},
};
constexpr OffsetTexts kVertical[2] = {
    {u"%1 mm nach unten", u"%1 mm nach oben", u"unverändert"},
    {u"%1 mm to bottom", u"%1 mm to top", u"unchanged"},
};

// Millimetres with one decimal and a point, whatever the machine's regional settings.
QString millimetres(int tenths)
{
    const qint64 magnitude = std::llabs(qint64(tenths));
    return QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

QString offsetText(int tenths, const OffsetTexts& texts)
{
    if (tenths == 0) return QString::fromUtf16(texts.zero);
    return QString::fromUtf16(tenths > 0 ? texts.positive : texts.negative).arg(millimetres(tenths));
}

}  // namespace

int MarginOffset::StepBack(int tenths)
{
    return tenths > -kLimit ? tenths - kStep : tenths;
}

int MarginOffset::StepOn(int tenths)
{
    return tenths < kLimit ? tenths + kStep : tenths;
}

QString MarginOffset::HorizontalText(int tenths, int language)
{
    return offsetText(tenths, kHorizontal[language == 1 ? 1 : 0]);
}

QString MarginOffset::VerticalText(int tenths, int language)
{
    return offsetText(tenths, kVertical[language == 1 ? 1 : 0]);
}
