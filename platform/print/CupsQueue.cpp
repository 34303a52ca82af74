#include "platform/print/CupsQueue.h"

#include "platform/print/CupsLibrary.h"

namespace platform {

CupsQueue::CupsQueue(const QString& name)
{
    const CupsLibrary::Functions* cups = CupsLibrary::functions();
    if (name.isEmpty() || !cups) return;
    const QByteArray destName = name.toUtf8();
    m_dest.reset(cups->getNamedDest(CUPS_HTTP_DEFAULT, destName.constData(), nullptr));
}

CupsQueue::~CupsQueue() = default;

QString CupsQueue::option(const char* name) const
{
    if (!m_dest) return {};
    // A queue was found: the library is loaded.
    return QString::fromUtf8(CupsLibrary::functions()->getOption(name, m_dest->num_options, m_dest->options));
}

bool CupsQueue::lastRequestGranted()
{
    const CupsLibrary::Functions* cups = CupsLibrary::functions();
    return cups && cups->lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

void CupsQueue::Free::operator()(cups_dest_s* dest) const
{
    CupsLibrary::functions()->freeDests(1, dest);
}

}  // namespace platform
