#include "platform/dialog/MultiLineEdit.h"

#include <QTextDocument>
#include <QTextOption>

namespace platform {

MultiLineEdit::MultiLineEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
}

QString MultiLineEdit::text() const
{
    // The raw text keeps what the person typed (a non-breaking space stays one); only the line ends change.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void MultiLineEdit::setText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    setPlainText(lines);
}

void MultiLineEdit::setTextAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
}

}  // namespace platform
