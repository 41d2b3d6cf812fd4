#include "ui/main/MainWindow.h"

#include "app/Application.h"
#include "ui/kit/FormBinder.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace selvana {

MainWindow::MainWindow(Application& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_model(app.main()), m_binder(new FormBinder(app.main(), this))
{
    setObjectName(u"Tfr_selvana"_s);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildButtonRow());
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildTotals());
    setCentralWidget(central);
    buildStatusBar();

    auto showCaption = [this] { setWindowTitle(m_model.caption()); };
    showCaption();
    connect(&m_model, &Form::captionChanged, this, showCaption);
    m_binder->bind(this);
    resize(1100, 760);
}

QWidget* MainWindow::buildButtonRow()
{
    auto* row = PageBuilder::createWidget(m_model, u"pn_buttons"_s, this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    auto& pages = m_model.get<PageControl>(u"pc_selvana");
    QList<QPushButton*> buttons;
    for (int i = 0; i < MainWindowModel::PageCount; ++i) {
        const QString name =
            i == MainWindowModel::WorkPage ? u"bt_tab_radni"_s : u"bg_jahaci_"_s + QString::number(i);
        auto* button = static_cast<QPushButton*>(PageBuilder::createWidget(m_model, name, row));
        button->setCheckable(true);
        group->addButton(button, i);
        layout->addWidget(button);
        buttons.push_back(button);
    }
    layout->addStretch();
    // The pressed button is the one of the page shown.
    auto showPressed = [buttons, &pages] {
        if (pages.index() < buttons.size())
            buttons[pages.index()]->setChecked(true);
    };
    showPressed();
    connect(&pages, &Control::valueChanged, row, showPressed);
    connect(group, &QButtonGroup::idClicked, row, showPressed);
    return row;
}

QWidget* MainWindow::buildPages()
{
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* stack = new QStackedWidget;
    stack->setObjectName(u"pc_selvana"_s);
    for (int i = 0; i < MainWindowModel::PageCount; ++i)
        stack->addWidget(page(i, stack));
    m_scroll->setWidget(stack);
    auto& pages = m_model.get<PageControl>(u"pc_selvana");
    connect(&pages, &PageControl::scrollToTopRequested, m_scroll,
            [this] { m_scroll->verticalScrollBar()->setValue(0); });
    return m_scroll;
}

QWidget* MainWindow::page(int index, QStackedWidget* stack)
{
    const auto& pages = m_model.get<PageControl>(u"pc_selvana").pages();
    auto* widget = new QWidget(stack);
    widget->setObjectName(pages[index]->name());
    switch (index) {
    case MainWindowModel::Subjects: buildSubjectsView(m_model, widget); break;
    case MainWindowModel::Order: buildOrderView(m_model, widget); break;
    case MainWindowModel::Advances:
    case MainWindowModel::PerDiems:
    case MainWindowModel::Transport:
    case MainWindowModel::OtherCosts:
        buildExpenseView(m_model, widget, index - MainWindowModel::Advances);
        break;
    case MainWindowModel::OrderReport: buildReportFieldsView(m_model, widget); break;
    case MainWindowModel::Lists: buildListsView(m_model, widget); break;
    case MainWindowModel::Reports: buildReportsView(m_model, widget); break;
    case MainWindowModel::Settings: buildSettingsPage(widget); break;
    default: buildEmptyPage(widget); break;
    }
    return widget;
}

void MainWindow::buildSettingsPage(QWidget* page)
{
    PageBuilder b(m_model, page);
    b.heading(m_model.get<Panel>(page->objectName()).caption());
    b.row({u"fcButtonGroup12_0"_s, u"fcButtonGroup12_1"_s});
    auto* stack = new QStackedWidget(page);
    stack->setObjectName(u"pc_pst_stranice"_s);
    for (Panel* sub : m_model.get<PageControl>(u"pc_pst_stranice").pages()) {
        auto* subPage = new QWidget(stack);
        subPage->setObjectName(sub->name());
        PageBuilder s(m_model, subPage);
        s.heading(sub->caption());
        if (sub->name() == u"ts_pst_ostalo") {
            s.field(u"ed_ps_mjesto"_s);
            s.field(u"ed_pst_lokacija_baze"_s);
            s.row({u"bt_ps_spremi"_s});
        }
        s.stretch();
        stack->addWidget(subPage);
    }
    page->layout()->addWidget(stack);
    b.stretch();
}

void MainWindow::buildEmptyPage(QWidget* page)
{
    PageBuilder b(m_model, page);
    b.heading(m_model.get<Panel>(page->objectName()).caption());
    b.stretch();
}

QWidget* MainWindow::buildTotals()
{
    auto* panel = PageBuilder::createWidget(m_model, u"pn_ukupno"_s, this);
    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(PageBuilder::createWidget(m_model, u"lb_ukupno"_s, panel));
    layout->addStretch();
    for (const QString& name : {u"nl_23"_s, u"rc_16"_s, u"rc_17"_s}) {
        auto* label = new QLabel(panel);
        label->setProperty(FormBinder::captionProperty(), name);
        auto* field = PageBuilder::createWidget(m_model, name, panel);
        field->setMaximumWidth(140);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    }
    return panel;
}

void MainWindow::buildStatusBar()
{
    auto* bar = statusBar();
    bar->setObjectName(u"sb_0"_s);
    for (int panel = 0; panel < 2; ++panel) {
        auto* label = new QLabel(bar);
        label->setObjectName(u"sb_0_"_s + QString::number(panel));
        label->setMinimumWidth(panel == 0 ? 420 : 300);
        bar->addWidget(label, panel == 0 ? 0 : 1);
        auto show = [this, label, panel] { label->setText(m_model.status(panel)); };
        show();
        connect(&m_model, &Form::statusChanged, label, [show, panel](int changed) {
            if (changed == panel)
                show();
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_app.close();
    event->accept();
}

} // namespace selvana
