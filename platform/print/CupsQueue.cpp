#include "platform/print/CupsQueue.h"

#include <cups/cups.h>

namespace platform {

CupsQueue::CupsQueue(const QString& name)
{
    if (name.isEmpty()) return;
    const QByteArray destName = name.toUtf8();
    m_dest.reset(cupsGetNamedDest(CUPS_HTTP_DEFAULT, destName.constData(), nullptr));
}

CupsQueue::~CupsQueue() = default;

QString CupsQueue::option(const char* name) const
{
    if (!m_dest) return {};
    return QString::fromUtf8(cupsGetOption(name, m_dest->num_options, m_dest->options));
}

bool CupsQueue::lastRequestGranted()
{
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

void CupsQueue::Free::operator()(cups_dest_s* dest) const
{
    cupsFreeDests(1, dest);
}

}  // namespace platform
