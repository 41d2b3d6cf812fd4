#include "app/InstanceLock.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace selvana {

InstanceLock::InstanceLock(const QString& dataRoot)
    : m_lock(std::make_unique<QLockFile>(QDir(dataRoot).absoluteFilePath(u"selvana.lock"_s)))
{
    // Not stale by age: a long session stays locked; a crashed copy's lock is
    // still taken over because its process is gone.
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::tryLock()
{
    QDir().mkpath(QFileInfo(m_lock->fileName()).absolutePath());
    return m_lock->tryLock(0);
}

QString InstanceLock::refusedMessage()
{
    return u"Program je već pokrenut."_s;
}

} // namespace selvana
