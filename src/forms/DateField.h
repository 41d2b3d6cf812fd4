#pragma once

#include "forms/ValueField.h"

#include <QDate>

namespace selvana {

struct DateTraits {
    using Value = QDate;
    static QDate normalize(const QDate& date) { return date.isValid() ? date : QDate(); }
    static constexpr auto format = TextForms::formatDate;
    static constexpr auto parse = TextForms::parseDate;
    static constexpr bool kEmptyIsNone = true;
    static constexpr char16_t kRefusal[] = u"'%1' nije ispravan datum.";
};

// A date picker; text form "dd.mm.yyyy", empty while no date is set.
class DateField : public ValueField<DateTraits> {
    Q_OBJECT
public:
    DateField(const QString& name, QObject* parent = nullptr) : ValueField(name, parent) {}

    QDate date() const { return get(); }
    void setDate(const QDate& date) { set(date); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

} // namespace selvana
