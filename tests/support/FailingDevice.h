#pragma once

#include <QByteArray>
#include <QIODevice>

namespace selvana {

// A disk that fills up: accepts `capacity` bytes in all, then fails every write. The write
// that crosses the limit is cut short. Accepted bytes go on to `target` when one is given
// (e.g. a QSaveFile, to prove the old file survives), otherwise they are kept in data().
class FailingDevice : public QIODevice {
    Q_OBJECT
public:
    explicit FailingDevice(qint64 capacity, QIODevice* target = nullptr, QObject* parent = nullptr);

    qint64 accepted() const { return m_accepted; }
    int failedWrites() const { return m_failedWrites; }
    QByteArray data() const { return m_data; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 m_capacity;
    QIODevice* m_target;
    qint64 m_accepted = 0;
    int m_failedWrites = 0;
    QByteArray m_data;
};

} // namespace selvana
