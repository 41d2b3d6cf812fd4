#pragma once

#include "forms/Control.h"

namespace selvana {

// A number entry field: its value is always the shown value, rounded half away
// from zero to its decimals.
class NumberField : public Control {
    Q_OBJECT
public:
    NumberField(const QString& name, int decimals = 2, QObject* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    // The shown text; parsing throws the conversion message for a text that is no number.
    QString text() const;
    void setText(const QString& text);

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals) { m_decimals = decimals; }
    bool grouping() const { return m_grouping; }
    void setGrouping(bool grouping) { m_grouping = grouping; }
    bool zeroShownEmpty() const { return m_zeroEmpty; }
    void setZeroShownEmpty(bool zeroEmpty) { m_zeroEmpty = zeroEmpty; }
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

private:
    double m_value = 0.0;
    int m_decimals;
    bool m_grouping = true;
    bool m_zeroEmpty = false;
    bool m_readOnly = false;
};

} // namespace selvana
