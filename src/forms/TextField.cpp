#include "forms/TextField.h"

namespace selvana {

TextField::TextField(const QString& name, QObject* parent) : Control(Kind::Text, name, parent) {}

void TextField::setText(const QString& text)
{
    if (text == m_text)
        return;
    if (m_validator)
        m_validator(text);
    m_text = text;
    fireChange();
}

} // namespace selvana
