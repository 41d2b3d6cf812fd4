#pragma once

#include "forms/Control.h"
#include "forms/Panel.h"

#include <QList>

namespace selvana {

// Pages of which one is shown; its text is the shown page's name.
class PageControl : public Control {
    Q_OBJECT
public:
    PageControl(const QString& name, QObject* parent = nullptr) : Control(name, parent) {}

    void addPage(Panel* page) { m_pages.push_back(page); }
    const QList<Panel*>& pages() const { return m_pages; }
    int index() const { return m_index; }
    void setIndex(int index)
    {
        if (index < 0 || index >= m_pages.size() || index == m_index)
            return;
        m_index = index;
        fireChange();
    }
    QString text() const override { return m_pages.isEmpty() ? QString() : m_pages.at(m_index)->name(); }
    double value() const override { return m_index; }

    // A request of the view to scroll the page area back to the top.
    void scrollToTop() { emit scrollToTopRequested(); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

signals:
    void scrollToTopRequested();

private:
    QList<Panel*> m_pages;
    int m_index = 0;
};

} // namespace selvana
