#include "app/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <signal.h>
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

bool isProcessRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#elif defined(Q_OS_WIN)
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
#else
    return true;
#endif
}

QString runningMessage()
{
    return u"Program je već pokrenut."_s;
}

QString unwritableMessage(const QString& folder)
{
    return u"Mapa s podacima nije dostupna za pisanje: "_s + QDir::toNativeSeparators(folder);
}

} // namespace

InstanceLock::InstanceLock(const QString& dataRoot)
    : m_lock(std::make_unique<QLockFile>(QDir(dataRoot).absoluteFilePath(u"selvana.lock"_s)))
{
    // Not stale by age: a long session stays locked. Staleness is decided by the holder
    // being gone (QLockFile's own check, then heldByLiveProcess()).
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::tryLock()
{
    m_refusal.clear();
    if (QDir().mkpath(folder()) && m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        if (heldByLiveProcess()) {
            m_refusal = runningMessage();
            return false;
        }
        // Empty or garbled (a crash while it was written), or its process is gone. The
        // removal fails while another starting copy still holds the file's native lock.
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return true;
        if (m_lock->error() == QLockFile::LockFailedError && QFileInfo(folder()).isWritable()) {
            m_refusal = runningMessage();
            return false;
        }
    }
    m_refusal = unwritableMessage(folder());
    return false;
}

bool InstanceLock::heldByLiveProcess() const
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock->getLockInfo(&pid, &host, &app))
        return false; // no holder can be named
    // A copy on another machine sharing the folder cannot be checked: assume it runs.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true;
    return isProcessRunning(pid);
}

QString InstanceLock::folder() const
{
    return QFileInfo(m_lock->fileName()).absolutePath();
}

} // namespace selvana
