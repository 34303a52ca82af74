#include "editor/PastedText.h"

#include "editor/TrailingWhiteSpace.h"

namespace {

QString WithCrLfLineEnds(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) result += u'\r';
        result += text[i];
    }
    return result;
}

}  // namespace

QString NormalizePastedText(QStringView clipboardText)
{
    QString text = WithoutTrailingWhiteSpace(WithCrLfLineEnds(clipboardText));
    if (text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.size() < 2 ? QString() : text.mid(1, text.size() - 2);
    return text;
}
