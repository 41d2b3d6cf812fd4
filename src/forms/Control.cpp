#include "forms/Control.h"

#include <stdexcept>

namespace selvana {

Control::Control(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit stateChanged();
}

void Control::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit stateChanged();
}

void Control::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit stateChanged();
}

void Control::setHint(const QString& hint)
{
    if (m_hint == hint)
        return;
    m_hint = hint;
    emit stateChanged();
}

void Control::type(const QString&)
{
    refuse("text to set");
}

double Control::value() const
{
    refuse("value");
}

void Control::typeValue(double)
{
    refuse("value to set");
}

void Control::click()
{
    refuse("click");
}

void Control::fireChange()
{
    emit valueChanged();
    m_rules();
}

void Control::refuse(const char* what) const
{
    throw std::invalid_argument(name().toStdString() + " has no " + what);
}

} // namespace selvana
