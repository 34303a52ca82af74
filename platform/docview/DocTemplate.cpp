#include "platform/docview/DocTemplate.h"

#include "platform/docview/ChildFrame.h"

namespace platform {

DocTemplate::DocTemplate(int resourceId, const QString& documentString, Factory factory,
                         ViewFactory viewFactory)
    : m_resourceId(resourceId),
      m_fields(documentString.split(QLatin1Char('\n'))),
      m_factory(std::move(factory)),
      m_viewFactory(std::move(viewFactory))
{
}

ChildFrame* DocTemplate::createFrame() const
{
    return m_frameFactory ? m_frameFactory() : new ChildFrame;
}

QString DocTemplate::field(Field which) const
{
    return m_fields.value(static_cast<int>(which));
}

bool DocTemplate::matchesFile(const QString& path) const
{
    const QString extension = field(Field::FilterExt);
    return !extension.isEmpty() && path.endsWith(extension, Qt::CaseInsensitive);
}

const DocTemplate* DocTemplate::findForFile(std::span<const DocTemplate> templates, const QString& path)
{
    for (const DocTemplate& docTemplate : templates) {
        if (docTemplate.matchesFile(path)) return &docTemplate;
    }
    return templates.empty() ? nullptr : &templates.front();
}

}  // namespace platform
