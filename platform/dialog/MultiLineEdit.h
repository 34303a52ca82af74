#pragma once

#include <QTextEdit>

namespace platform {

// A multi-line edit field of a dialog. Its text crosses the edge with CR LF line ends, as the settings and
// the forms keep them; inside, the lines are Qt's. Enter makes a new line, Tab moves on to the next control,
// and only plain text goes in, also when rich text is pasted.
class MultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);

    // Lines end with CR LF.
    QString text() const;
    // CR LF, a lone CR and a lone LF each end a line.
    void setText(const QString& text);
    // Every line aligned alike: Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight.
    void setTextAlignment(Qt::Alignment alignment);
};

}  // namespace platform
