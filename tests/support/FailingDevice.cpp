#include "FailingDevice.h"

#include <algorithm>

namespace selvana {

FailingDevice::FailingDevice(qint64 capacity, QIODevice* target, QObject* parent)
    : QIODevice(parent), m_capacity(capacity), m_target(target)
{
    // Unbuffered, so every write reaches writeData and its count reaches the caller.
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailingDevice::readData(char*, qint64)
{
    return -1;
}

qint64 FailingDevice::writeData(const char* data, qint64 size)
{
    const qint64 room = std::min(size, m_capacity - m_accepted);
    if (room <= 0) {
        ++m_failedWrites;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    qint64 taken = room;
    if (m_target) {
        taken = m_target->write(data, room);
        if (taken < 0)
            return -1;
    } else {
        m_data.append(data, room);
    }
    m_accepted += taken;
    return taken;
}

} // namespace selvana
