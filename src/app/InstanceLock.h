#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace selvana {

// Two copies of the program on one data folder would overwrite each other's files.
class InstanceLock {
public:
    explicit InstanceLock(const QString& dataRoot);
    // True when this copy now holds the data folder; otherwise refusal() tells the user why.
    bool tryLock();
    // Empty while the lock is held or not yet tried.
    QString refusal() const { return m_refusal; }

private:
    bool heldByLiveProcess() const;
    QString folder() const;

    std::unique_ptr<QLockFile> m_lock;
    QString m_refusal;
};

} // namespace selvana
