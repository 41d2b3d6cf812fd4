#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace selvana {

// Two copies of the program on one data folder would overwrite each other's files.
class InstanceLock {
public:
    explicit InstanceLock(const QString& dataRoot);
    // False while another running copy holds the folder.
    bool tryLock();
    static QString refusedMessage();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace selvana
