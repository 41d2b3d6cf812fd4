#include "forms/TextField.h"

namespace selvana {

TextField::TextField(const QString& name, QObject* parent) : Control(name, parent) {}

void TextField::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    fireChange();
}

void TextField::type(const QString& text)
{
    if (text != m_text && m_validator)
        m_validator(text);
    setText(text);
}

} // namespace selvana
