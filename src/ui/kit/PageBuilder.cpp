#include "ui/kit/PageBuilder.h"

#include "forms/Form.h"
#include "ui/kit/FormBinder.h"
#include "ui/kit/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace selvana {

PageBuilder::PageBuilder(Form& form, QWidget* page) : m_form(form), m_page(page)
{
    auto* layout = new QVBoxLayout(page);
    m_stack.push_back(layout);
}

QWidget* PageBuilder::createWidget(Form& form, const QString& name, QWidget* parent)
{
    Control& control = form.control(name);
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case Control::Kind::Text:
        if (static_cast<TextField&>(control).isMultiLine()) {
            auto* memo = new QPlainTextEdit(parent);
            memo->setTabChangesFocus(true);
            memo->setFixedHeight(70);
            widget = memo;
        } else {
            widget = new QLineEdit(parent);
        }
        break;
    case Control::Kind::Number: widget = new NumberEdit(parent); break;
    case Control::Kind::Date: {
        auto* edit = new QDateEdit(parent);
        edit->setCalendarPopup(true);
        widget = edit;
        break;
    }
    case Control::Kind::Time: widget = new QTimeEdit(parent); break;
    case Control::Kind::Choice: widget = new QComboBox(parent); break;
    case Control::Kind::Check: widget = new QCheckBox(parent); break;
    case Control::Kind::Button: widget = new QPushButton(parent); break;
    case Control::Kind::Label: widget = new QLabel(parent); break;
    case Control::Kind::Grid: {
        auto* view = new QTableView(parent);
        view->verticalHeader()->setVisible(false);
        view->setMinimumHeight(160);
        widget = view;
        break;
    }
    case Control::Kind::Radio: {
        auto* box = new QGroupBox(control.caption(), parent);
        auto* layout = new QVBoxLayout(box);
        const QStringList items = static_cast<RadioGroup&>(control).items();
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], box);
            radio->setObjectName(name + u'_' + QString::number(i));
            layout->addWidget(radio);
        }
        widget = box;
        break;
    }
    case Control::Kind::Panel: widget = new QWidget(parent); break;
    case Control::Kind::Pages: widget = new QWidget(parent); break;
    }
    widget->setObjectName(name);
    return widget;
}

QFormLayout* PageBuilder::formLayout()
{
    if (!m_fields) {
        m_fields = new QFormLayout;
        m_fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        m_stack.last()->addLayout(m_fields);
    }
    return m_fields;
}

namespace {

// Entry fields keep a readable width instead of spanning a wide window.
void limitWidth(QWidget* widget)
{
    if (qobject_cast<NumberEdit*>(widget))
        widget->setMaximumWidth(170);
    else if (qobject_cast<QDateTimeEdit*>(widget))
        widget->setMaximumWidth(130);
    else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget))
        widget->setMaximumWidth(520);
}

QLabel* captionLabel(const QString& name, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setProperty(FormBinder::captionProperty(), name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

QWidget* PageBuilder::field(const QString& name)
{
    QWidget* widget = createWidget(m_form, name, m_page);
    limitWidth(widget);
    formLayout()->addRow(captionLabel(name, widget, m_page), widget);
    return widget;
}

QWidget* PageBuilder::fieldWith(const QString& name, const QStringList& companions)
{
    QWidget* widget = createWidget(m_form, name, m_page);
    limitWidth(widget);
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(widget);
    for (const QString& companion : companions) {
        if (!m_form.has(companion))
            continue;
        QWidget* extra = createWidget(m_form, companion, m_page);
        limitWidth(extra);
        const Control& control = m_form.control(companion);
        if (!control.caption().isEmpty() && control.kind() != Control::Kind::Button)
            line->addWidget(captionLabel(companion, extra, m_page));
        line->addWidget(extra);
    }
    line->addStretch();
    formLayout()->addRow(captionLabel(name, widget, m_page), line);
    return widget;
}

QWidget* PageBuilder::wide(const QString& name)
{
    QWidget* widget = createWidget(m_form, name, m_page);
    m_fields = nullptr;
    m_stack.last()->addWidget(widget);
    return widget;
}

QList<QWidget*> PageBuilder::row(const QStringList& names)
{
    auto* layout = new QHBoxLayout;
    QList<QWidget*> widgets;
    for (const QString& name : names) {
        if (!m_form.has(name))
            continue;
        const Control& control = m_form.control(name);
        const bool labelled = !control.caption().isEmpty() && control.kind() != Control::Kind::Button &&
                              control.kind() != Control::Kind::Check &&
                              control.kind() != Control::Kind::Label;
        widgets.push_back(createWidget(m_form, name, m_page));
        if (labelled)
            layout->addWidget(captionLabel(name, widgets.last(), m_page));
        layout->addWidget(widgets.last());
    }
    layout->addStretch();
    m_fields = nullptr;
    m_stack.last()->addLayout(layout);
    return widgets;
}

void PageBuilder::heading(const QString& text)
{
    auto* label = new QLabel(text, m_page);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    m_fields = nullptr;
    m_stack.last()->addWidget(label);
}

QWidget* PageBuilder::beginPanel(const QString& name)
{
    auto* panel = new QWidget(m_page);
    panel->setObjectName(name);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_fields = nullptr;
    m_stack.last()->addWidget(panel);
    m_stack.push_back(layout);
    return panel;
}

void PageBuilder::endPanel()
{
    if (m_stack.size() > 1)
        m_stack.removeLast();
    m_fields = nullptr;
}

void PageBuilder::stretch()
{
    m_fields = nullptr;
    m_stack.last()->addStretch();
}

} // namespace selvana
