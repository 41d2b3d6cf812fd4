#pragma once

#include "forms/Control.h"

namespace selvana {

class CheckBox : public Control {
    Q_OBJECT
public:
    CheckBox(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(name, parent)
    {
        setCaption(caption);
    }

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked)
    {
        if (checked == m_checked)
            return;
        m_checked = checked;
        fireChange();
    }
    // A press turns an enabled box over.
    void click() override
    {
        if (isEnabled())
            setChecked(!m_checked);
    }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    bool m_checked = false;
};

} // namespace selvana
