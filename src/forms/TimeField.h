#pragma once

#include "forms/Control.h"

#include <QTime>

namespace selvana {

// A time picker; text form "hh:mm".
class TimeField : public Control {
    Q_OBJECT
public:
    TimeField(const QString& name, QObject* parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime& time);
    QString text() const;
    // Throws AppError for a text that is no time.
    void setText(const QString& text);

    // A picker: every pick is an event, even of the value it already shows.
    void setAlwaysNotify(bool always) { m_alwaysNotify = always; }
    bool alwaysNotifies() const { return m_alwaysNotify; }

private:
    bool m_alwaysNotify = false;
    QTime m_time{0, 0};
};

} // namespace selvana
