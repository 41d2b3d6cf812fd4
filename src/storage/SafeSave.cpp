#include "storage/SafeSave.h"

#include "storage/TableFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace selvana {

bool syncToDisk(QFileDevice& file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return false;
    const int fd = file.handle();
    if (fd < 0)
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(fd) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(fd) == 0;
#else
    return true;
#endif
}

void syncFolder(const QString& folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

namespace {

// The size the system holds for the open file, or -1.
qint64 sizeOnDisk(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    if (file.handle() < 0 || ::fstat(file.handle(), &st) != 0)
        return -1;
    return qint64(st.st_size);
#else
    return file.size();
#endif
}

} // namespace

SafeSave::SafeSave(const QString& path) : m_path(path), m_file(path) {}

SafeSave::~SafeSave() = default;

bool SafeSave::open()
{
    return m_file.open(QIODevice::WriteOnly);
}

bool SafeSave::commit()
{
    if (!m_file.isOpen())
        return false;
    const qint64 expected = m_file.pos();
    if (!syncToDisk(m_file) || sizeOnDisk(m_file) != expected) {
        m_file.cancelWriting(); // the temporary goes with the object
        return false;
    }
    if (!m_file.commit())
        return false;
    if (QFileInfo(m_path).size() != expected)
        return false;
    syncFolder(QFileInfo(m_path).absolutePath());
    return true;
}

bool SafeSave::write(const QString& path, QByteArrayView bytes)
{
    SafeSave save(path);
    return save.open() && writeFully(save.device(), bytes) && save.commit();
}

} // namespace selvana
