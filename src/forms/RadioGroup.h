#pragma once

#include "forms/Control.h"

#include <QStringList>

namespace selvana {

// A group of radio items; its value is the index of the chosen item, -1 for none.
// The items answer to the group's name + "_" + index.
class RadioGroup : public Control {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QStringList& items, QObject* parent = nullptr)
        : Control(name, parent), m_items(items)
    {}

    QStringList items() const { return m_items; }
    int index() const { return m_index; }
    void setIndex(int index)
    {
        if (index < -1 || index >= m_items.size())
            index = -1;
        if (index == m_index)
            return;
        m_index = index;
        fireChange();
    }
    QString text() const override { return m_index < 0 ? QString() : m_items.at(m_index); }
    double value() const override { return m_index; }
    void typeValue(double value) override { setIndex(int(value)); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    QStringList m_items;
    int m_index = -1;
};

} // namespace selvana
