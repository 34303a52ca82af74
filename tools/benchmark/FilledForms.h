#pragma once

#include "platform/docview/DocTemplate.h"

#include <QString>
#include <vector>

class CQELWinAppEx;

// A form file of each kind with every field filled with text that wraps over several lines, saved by the
// program's own documents into `folder`: what the repaint, open, save and print figures work on.
class FilledForms {
public:
    FilledForms(CQELWinAppEx& app, QString folder);

    // False, with the reason, when a file could not be written.
    bool write(QString& error);

    const std::vector<platform::DocTemplate>& templates() const { return m_templates; }
    // The filled file of the form at `index` of the list of the forms.
    QString path(int index) const;

private:
    std::vector<platform::DocTemplate> m_templates;
    QString m_folder;
};
