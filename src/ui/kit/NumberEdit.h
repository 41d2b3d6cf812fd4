#pragma once

#include <QLineEdit>

namespace selvana {

// A number entry field: digits, one minus sign in front and one decimal comma; "." typed
// becomes ","; no more decimals than the field has.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

    void setDecimals(int decimals) { m_decimals = decimals; }
    int decimals() const { return m_decimals; }
    // Whether a text could be the start of a number of this field (grouping dots allowed).
    bool acceptable(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_decimals = 2;
};

} // namespace selvana
