#include "forms/Control.h"

namespace selvana {

Control::Control(Kind kind, const QString& name, QObject* parent) : QObject(parent), m_kind(kind)
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

void Control::leave()
{
    if (m_leave)
        m_leave();
}

void Control::enter()
{
    if (m_enter)
        m_enter();
}

void Control::fireChange()
{
    emit valueChanged();
    // Copy: a rule may add rules (rarely) while we iterate.
    const auto rules = m_rules;
    for (const auto& rule : rules)
        rule();
}

} // namespace selvana
