#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace selvana {

// One file replaced atomically (temporary, then rename) with every step checked: the flush,
// the sync to disk and the size on disk are verified before the rename, because QSaveFile
// in Qt 6.4 reports a successful commit even when its last flush failed on a full disk.
// Until commit() succeeds the old file stays as it was; a SafeSave destroyed uncommitted
// drops its temporary.
class SafeSave {
public:
    explicit SafeSave(const QString& path);
    ~SafeSave();
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;

    const QString& path() const { return m_path; }
    // Opens the temporary; false when it cannot be created.
    bool open();
    // The temporary to write to (open first).
    QIODevice& device() { return m_file; }
    // Flush, error check, sync, size check, rename; false and the old file kept on any failure.
    bool commit();
    void cancel() { m_file.cancelWriting(); }

    // Writes bytes as the whole new contents of path; false when any step failed.
    static bool write(const QString& path, QByteArrayView bytes);

private:
    QString m_path;
    QSaveFile m_file;
};

// Syncs a file that is open for writing to the disk; false when the system reports an error.
bool syncToDisk(QFileDevice& file);
// Syncs a folder's entries (the renames into it), where the system allows it.
void syncFolder(const QString& folder);

} // namespace selvana
