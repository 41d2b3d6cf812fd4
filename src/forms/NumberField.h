#pragma once

#include "forms/Control.h"

namespace selvana {

// A number entry field: its value is always the shown value, rounded half away
// from zero to its decimals.
class NumberField : public Control {
    Q_OBJECT
public:
    NumberField(const QString& name, int decimals = 2, QObject* parent = nullptr);

    double value() const override { return m_value; }
    void setValue(double value);
    // The shown text; parsing throws the conversion message for a text that is no number.
    QString text() const override;
    // What the user types: the text parsed, amounts beyond TextForms::kMaxAmount refused.
    void setText(const QString& text);
    void type(const QString& text) override { setText(text); }
    void typeValue(double value) override;

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals) { m_decimals = decimals; }
    bool grouping() const { return m_grouping; }
    void setGrouping(bool grouping) { m_grouping = grouping; }
    // Decimals up to decimals(), trailing zeros left out ("7,5" rather than "7,500000").
    bool dropsTrailingZeros() const { return m_dropZeros; }
    void setDropTrailingZeros(bool drop) { m_dropZeros = drop; }
    bool zeroShownEmpty() const { return m_zeroEmpty; }
    void setZeroShownEmpty(bool zeroEmpty) { m_zeroEmpty = zeroEmpty; }
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Values outside [min, max] are brought to the nearer bound, the current one too.
    void setRange(double min, double max);

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    double m_value = 0.0;
    int m_decimals;
    bool m_grouping = true;
    bool m_zeroEmpty = false;
    bool m_dropZeros = false;
    bool m_readOnly = false;
    bool m_ranged = false;
    double m_min = 0.0;
    double m_max = 0.0;
};

} // namespace selvana
