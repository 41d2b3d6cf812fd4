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

namespace {

// Makes the widget of a control's class, one function per class.
class WidgetMaker final : public ControlVisitor {
public:
    WidgetMaker(QWidget* parent, const QString& name) : m_parent(parent), m_name(name) {}
    QWidget* widget = nullptr;

    void visit(TextField& field) override
    {
        if (!field.isMultiLine()) {
            make<QLineEdit>();
            return;
        }
        auto* memo = make<QPlainTextEdit>();
        memo->setTabChangesFocus(true);
        memo->setFixedHeight(70);
    }
    void visit(NumberField&) override { make<NumberEdit>(); }
    void visit(DateField&) override { make<QDateEdit>()->setCalendarPopup(true); }
    void visit(TimeField&) override { make<QTimeEdit>(); }
    void visit(ChoiceList&) override { make<QComboBox>(); }
    void visit(CheckBox&) override { make<QCheckBox>(); }
    void visit(RadioGroup& group) override
    {
        // The form knows the items as buttons named group + "_" + index.
        auto* box = make<QGroupBox>();
        box->setTitle(group.caption());
        auto* layout = new QVBoxLayout(box);
        const QStringList items = group.items();
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], box);
            radio->setObjectName(m_name + u'_' + QString::number(i));
            layout->addWidget(radio);
        }
    }
    void visit(Button&) override { make<QPushButton>(); }
    void visit(Label&) override { make<QLabel>(); }
    void visit(Panel&) override { make<QWidget>(); }
    void visit(PageControl&) override { make<QWidget>(); }
    void visit(GridControl&) override
    {
        auto* view = make<QTableView>();
        view->verticalHeader()->setVisible(false);
        view->setMinimumHeight(160);
    }

private:
    template <class W> W* make()
    {
        auto* w = new W(m_parent);
        widget = w;
        return w;
    }

    QWidget* m_parent;
    QString m_name;
};

// Buttons, check boxes and labels show their caption themselves.
bool showsOwnCaption(const Control& control)
{
    return qobject_cast<const Button*>(&control) || qobject_cast<const CheckBox*>(&control) ||
           qobject_cast<const Label*>(&control);
}

} // namespace

QWidget* PageBuilder::createWidget(Form& form, const QString& name, QWidget* parent)
{
    WidgetMaker maker(parent, name);
    form.control(name).accept(maker);
    maker.widget->setObjectName(name);
    return maker.widget;
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
        if (!control.caption().isEmpty() && !qobject_cast<const Button*>(&control))
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
        const bool labelled = !control.caption().isEmpty() && !showsOwnCaption(control);
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
