#pragma once

#include "base/AppError.h"
#include "base/TextForms.h"
#include "forms/Control.h"

namespace selvana {

// A picker's field holding one value (a date, a time); Traits says what differs:
//   Value, normalize (to what a picker holds), format, parse (an invalid Value when the text
//   is none), kEmptyIsNone (the empty text clears the field) and kRefusal (the message).
template <class Traits> class ValueField : public Control {
public:
    using Value = typename Traits::Value;

    QString text() const override { return Traits::format(m_value); }
    // Throws AppError, in Croatian, for a text that is no value.
    void setText(const QString& text)
    {
        if (Traits::kEmptyIsNone && text.trimmed().isEmpty()) {
            set(Value());
            return;
        }
        const Value value = Traits::parse(text);
        if (!value.isValid())
            throw AppError(QString::fromUtf16(Traits::kRefusal).arg(text));
        set(value);
    }
    void type(const QString& text) override { setText(text); }

    // A picker: every pick is an event, even of the value it already shows.
    void setAlwaysNotify(bool always) { m_alwaysNotify = always; }
    bool alwaysNotifies() const { return m_alwaysNotify; }

protected:
    ValueField(const QString& name, QObject* parent) : Control(name, parent) {}

    Value get() const { return m_value; }
    void set(const Value& value)
    {
        const Value next = Traits::normalize(value);
        if (next == m_value && !m_alwaysNotify)
            return;
        m_value = next;
        fireChange();
    }

private:
    bool m_alwaysNotify = false;
    Value m_value = Traits::normalize(Value());
};

} // namespace selvana
