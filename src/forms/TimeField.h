#pragma once

#include "forms/ValueField.h"

#include <QTime>

namespace selvana {

struct TimeTraits {
    using Value = QTime;
    // Pickers work in whole minutes; no time is midnight.
    static QTime normalize(const QTime& time)
    {
        return time.isValid() ? QTime(time.hour(), time.minute()) : QTime(0, 0);
    }
    static constexpr auto format = TextForms::formatTime;
    static constexpr auto parse = TextForms::parseTime;
    static constexpr bool kEmptyIsNone = false;
    static constexpr char16_t kRefusal[] = u"'%1' nije ispravno vrijeme.";
};

// A time picker; text form "hh:mm".
class TimeField : public ValueField<TimeTraits> {
    Q_OBJECT
public:
    TimeField(const QString& name, QObject* parent = nullptr) : ValueField(name, parent) {}

    QTime time() const { return get(); }
    void setTime(const QTime& time) { set(time); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

} // namespace selvana
