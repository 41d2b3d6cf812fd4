#pragma once

#include <QString>
#include <stdexcept>

namespace selvana {

// A failure the user must see: carries the exact text shown in the message box.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

} // namespace selvana
