#pragma once

#include "distances/DistancesHost.h"
#include "forms/Clock.h"
#include "forms/Form.h"
#include "forms/Windows.h"
#include "loko/LokoHost.h"
#include "mainwindow/SettingsPage.h"
#include "storage/Folders.h"

#include <memory>

namespace selvana {

class ExpensePages;
class ExpenseSheets;
class LookupListsPage;
class OrderBook;
class OrderPage;
class ReportsPage;
class SubjectsPage;

// Tfr_selvana: the main window's model: page buttons, pages, totals panel, status bar,
// the settings page, and the start-up sequence.
class MainWindowModel : public Form, public DistancesHost, public LokoHost {
    Q_OBJECT
public:
    // Page indices of pc_selvana, in the order of the page buttons.
    enum Page {
        Subjects,
        Order,
        Advances,
        PerDiems,
        Transport,
        OtherCosts,
        OrderReport,
        Lists,
        Settings,
        Reports,
        WorkPage,
        PageCount
    };

    // readOnly: a reader beside a running program (printing) writes nothing.
    MainWindowModel(Dialogs& dialogs, Clock& clock, Windows& windows, const Folders& folders,
                    bool readOnly = false);
    ~MainWindowModel() override;

    // Start-up in two halves. Loading asks the user nothing (it creates missing folders);
    // the window, the command line and the tests use it.
    void load();
    // The chores only the real window runs (the exchange-rate question, the update notice);
    // false when the program is to end at once.
    bool runStartupChores();
    // The order book is open: every page button but the developer's is usable.
    void setBookPagesEnabled(bool enabled);
    void bg_jahaciChange(int index);

    SubjectsPage& subjects() { return *m_subjects; }
    LookupListsPage& lookups() { return *m_lookups; }
    OrderBook& orderBook() { return *m_orderBook; }
    OrderPage& orderPage() { return *m_orderPage; }
    ExpenseSheets& sheets() { return *m_sheets; }
    ExpensePages& expenses() { return *m_expenses; }
    ReportsPage& reports() { return *m_reports; }
    const Folders& folders() const { return m_folders; }
    QString settingsPlace() const { return text(u"ed_ps_mjesto"); }
    Clock& clock() const { return m_clock; }
    bool readOnly() const { return m_readOnly; }

    // What the other two windows read and write (DistancesHost, LokoHost).
    QString subjectNumber() const override;
    QString subjectName() const override;
    QStringList subjectRecord() const override;
    int year() const override;
    bool isBookOpen() const override;
    QString orderNumber() const override;
    QString traveller() const override;
    QString destination() const override;
    void setEntryField(ExpenseKind kind, int field, const QString& text) override;
    void addPerDiemLine(const QStringList& fields) override;

private:
    void declareShell();
    void declarePanelSwitches();

    // Steps of the start-up that later parts of the program fill in.
    void loadSubjects();
    void loadLookupLists();
    void setUpReportKinds();
    void setUpExchangeRateKind();
    void showSubjectFieldsWhenEmpty();
    void hideLookupPanels();
    void askExchangeRateUpdate();
    void loadDravikBase();
    void appendVersionText();
    bool checkNewVersion(); // true: the user chose to upgrade, the program ends

    Clock& m_clock;
    Folders m_folders;
    bool m_readOnly;
    std::unique_ptr<SettingsPage> m_settings;
    std::unique_ptr<SubjectsPage> m_subjects;
    std::unique_ptr<LookupListsPage> m_lookups;
    std::unique_ptr<ExpenseSheets> m_sheets;
    std::unique_ptr<OrderPage> m_orderPage;
    std::unique_ptr<OrderBook> m_orderBook;
    std::unique_ptr<ExpensePages> m_expenses;
    std::unique_ptr<ReportsPage> m_reports;
    PageControl* m_pages = nullptr;
};

} // namespace selvana
