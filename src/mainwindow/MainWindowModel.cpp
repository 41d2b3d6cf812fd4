#include "mainwindow/MainWindowModel.h"

#include "expenses/ExpensePages.h"
#include "expenses/ExpenseSheets.h"
#include "lists/LookupListsPage.h"
#include "orders/OrderBook.h"
#include "orders/OrderPage.h"
#include "orders/SubjectsPage.h"
#include "reports/ReportsPage.h"

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

struct PageDef {
    const char16_t* button; // caption of its button in bg_jahaci
    const char16_t* page;   // page name in pc_selvana
    const char16_t* title;  // the page's title
};

constexpr PageDef kPages[] = {
    {u"&Subjekti", u"ts_subjekti", u"Subjekti"},       {u"&Nalozi", u"ts_nalog", u"Nalog"},
    {u"&Akontacije", u"ts_akontacije", u"Akontacije"}, {u"Dnevni&ce", u"ts_racun", u"Dnevnice"},
    {u"P&rijevoz", u"ts_prijevoz", u"Prijevoz"},       {u"Os&tali trošak", u"ts_ostali", u"Ostali trošak"},
    {u"I&zvješće", u"ts_ukupno", u"Izvješće"},         {u"Ta&blice", u"ts_tablice_2", u"Tablice"},
    {u"Posta&vke", u"ts_postavke", u"Postavke"},       {u"Izvje&štaji", u"ts_izvjestaji", u"Izvještaji"},
    {u"", u"ts_tablice", u"Radna stranica"},
};
static_assert(std::size(kPages) == MainWindowModel::PageCount);

// The "Prikaži/Sakrij" boxes and the entry panels they show.
struct PanelSwitch {
    const char16_t* box;
    const char16_t* caption;
    const char16_t* panel;
};

constexpr PanelSwitch kPanelSwitches[] = {
    {u"cb_subjekti_panel_polja", u"Dodaj/Obriši", u"pn_subjekti_polja"},
    {u"cb_panel_akontacije", u"Prikaži/Sakrij polja za unos akontacija", u"pn_akontacije_polja"},
    {u"cb_pn_dnevnice_polja", u"Prikaži/Sakrij polja za unos dnevnica", u"pn_dnevnice_polja"},
    {u"cb_pn_prijevoz_polja", u"Prikaži/Sakrij polja za unos troškova prijevoza i izračun udaljenosti",
     u"pn_prijevoz_polja"},
};

constexpr int kOtherCostsOpenHeight = 220;
constexpr int kOtherCostsClosedHeight = 21;
constexpr int kNumberingPanelHeight = 92;
constexpr int kDeveloperButton = MainWindowModel::WorkPage;

QString pageButtonName(int index)
{
    return index == kDeveloperButton ? u"bt_tab_radni"_s : u"bg_jahaci_"_s + QString::number(index);
}

} // namespace

MainWindowModel::MainWindowModel(Dialogs& dialogs, Clock& clock, Windows& windows, const Folders& folders,
                                 bool readOnly)
    : Form(u"Tfr_selvana"_s, dialogs), m_clock(clock), m_folders(folders), m_readOnly(readOnly)
{
    setCaption(u"Selvana"_s);
    setStatus(0, u"Info"_s);
    setStatus(1, u"Akcija"_s);
    declareShell();
    declarePanelSwitches();
    m_settings = std::make_unique<SettingsPage>(*this, m_folders.settingsFile());

    auto& year = add<NumberField>(u"nl_1"_s, 0);
    year.setGrouping(false);
    year.setCaption(u"Godina"_s);

    // Each page is given what it uses; the order of construction is that of their dependencies.
    const auto setBookPagesEnabled = [this](bool enabled) { this->setBookPagesEnabled(enabled); };
    m_subjects = std::make_unique<SubjectsPage>(*this, m_folders, m_readOnly, windows, setBookPagesEnabled);
    m_lookups = std::make_unique<LookupListsPage>(*this, m_folders, m_readOnly, windows);
    m_sheets = std::make_unique<ExpenseSheets>(*this);
    m_orderPage = std::make_unique<OrderPage>(*this, *m_sheets, *m_lookups, m_clock);
    m_orderBook =
        std::make_unique<OrderBook>(*this, *m_orderPage, *m_subjects, m_folders, setBookPagesEnabled);
    m_orderBook->setReadOnly(m_readOnly);
    m_expenses = std::make_unique<ExpensePages>(
        *this, *m_sheets, *m_lookups, [this] { m_orderBook->SaveOrder(); },
        [this] { bg_jahaciChange(PerDiems); });
    m_reports = std::make_unique<ReportsPage>(*this, m_clock);
    // The order page's print button prints through the reports page.
    auto& orderPrint = get<Button>(u"bg_nalozi_1fcShapeBtn4");
    orderPrint.setHint(u"Ispis naloga"_s);
    orderPrint.onClick([this] { m_reports->printTravelOrder(); });
}

MainWindowModel::~MainWindowModel() = default;

void MainWindowModel::declareShell()
{
    add<Panel>(u"pn_buttons"_s);
    m_pages = &add<PageControl>(u"pc_selvana"_s);
    for (int i = 0; i < PageCount; ++i) {
        m_pages->addPage(
            &add<Panel>(QString::fromUtf16(kPages[i].page), QString::fromUtf16(kPages[i].title)));
        auto& button = add<Button>(pageButtonName(i), QString::fromUtf16(kPages[i].button));
        button.onClick([this, i] { bg_jahaciChange(i); });
    }
    auto& developer = get<Button>(u"bt_tab_radni");
    developer.setVisible(false);
    developer.setEnabled(false);

    add<Panel>(u"pn_ukupno"_s);
    add<Label>(u"lb_ukupno"_s, u"Ukupni trošak"_s);
    const std::pair<const char16_t*, const char16_t*> totals[] = {
        {u"nl_23", u"Troškovi - sveukupno"}, {u"rc_16", u"Isplata"}, {u"rc_17", u"Povrat"}};
    for (const auto& [name, caption] : totals)
        add<NumberField>(QString::fromUtf16(name), 2).setCaption(QString::fromUtf16(caption));
}

void MainWindowModel::declarePanelSwitches()
{
    for (const PanelSwitch& s : kPanelSwitches) {
        auto& panel = add<Panel>(QString::fromUtf16(s.panel));
        panel.setVisible(false);
        auto& box = add<CheckBox>(QString::fromUtf16(s.box), QString::fromUtf16(s.caption));
        box.onChange([&panel, &box] { panel.setVisible(box.isChecked()); });
    }
    // The other-costs panel holds its own box, so it folds instead of vanishing.
    auto& otherCosts = add<Panel>(u"pn_ostali_polja"_s);
    auto& otherBox =
        add<CheckBox>(u"cb_pn_ostali_polja"_s, u"Prikaži/Sakrij polja za unos ostalih troškova"_s);
    otherBox.onChange([&otherCosts, &otherBox] {
        otherCosts.setHeight(otherBox.isChecked() ? kOtherCostsOpenHeight : kOtherCostsClosedHeight);
    });
    add<Panel>(u"pn_brj_nlg"_s);
}

void MainWindowModel::setBookPagesEnabled(bool enabled)
{
    for (int i = Order; i <= OrderReport; ++i)
        get<Button>(pageButtonName(i)).setEnabled(enabled);
    get<Button>(pageButtonName(Reports)).setEnabled(enabled);
}

void MainWindowModel::bg_jahaciChange(int index)
{
    m_pages->setIndex(index);
    get<Panel>(u"pn_ukupno").setVisible(index >= Order && index <= OrderReport);
    m_pages->scrollToTop();
}

void MainWindowModel::load()
{
    // 1-3: status, page buttons, panel sizes
    setStatus(1, u"Odaberite subjekta / Odaberite godinu / Otvorite knjigu naloga"_s);
    get<Panel>(u"pn_ukupno").setVisible(false);
    setBookPagesEnabled(false);
    get<Panel>(u"pn_ostali_polja").setHeight(kOtherCostsClosedHeight);
    get<Panel>(u"pn_brj_nlg").setHeight(kNumberingPanelHeight);
    // 4: number and date forms are process-wide (TextForms); the folders are formed.
    m_folders.createMissing();
    // 5-6
    loadSubjects();
    loadLookupLists();
    // 7
    m_settings->load();
    // 8
    get<NumberField>(u"nl_1").setValue(clock().today().year());
    // 9
    bg_jahaciChange(Subjects);
    // 10
    setUpReportKinds();
    setUpExchangeRateKind();
    // 11-12
    showSubjectFieldsWhenEmpty();
    hideLookupPanels();
    // 14
    m_settings->showSubPage(0);
    loadDravikBase();
}

bool MainWindowModel::runStartupChores()
{
    // 13
    askExchangeRateUpdate();
    // 14
    appendVersionText();
    // 15
    return !checkNewVersion();
}

void MainWindowModel::loadSubjects()
{
    m_subjects->load();
}
void MainWindowModel::loadLookupLists()
{
    m_lookups->load();
}
void MainWindowModel::setUpReportKinds()
{
    m_reports->setUp();
}
void MainWindowModel::setUpExchangeRateKind() {}
void MainWindowModel::showSubjectFieldsWhenEmpty()
{
    m_subjects->showFieldsWhenEmpty();
}
void MainWindowModel::hideLookupPanels()
{
    m_lookups->hidePanels();
}
void MainWindowModel::askExchangeRateUpdate() {}
void MainWindowModel::loadDravikBase()
{
    m_subjects->loadBase();
}
void MainWindowModel::appendVersionText() {}
bool MainWindowModel::checkNewVersion()
{
    return false;
}

// --- the other windows' view of this one ---

QString MainWindowModel::subjectNumber() const
{
    return m_subjects->currentNumber();
}

QString MainWindowModel::subjectName() const
{
    return m_subjects->currentName();
}

QStringList MainWindowModel::subjectRecord() const
{
    const GridTable& t = get<GridControl>(u"sg_subjekti").table();
    return m_subjects->isEmpty() ? QStringList() : t.rowTexts(t.currentRow());
}

int MainWindowModel::year() const
{
    return int(get<NumberField>(u"nl_1").value());
}

bool MainWindowModel::isBookOpen() const
{
    return m_orderBook->isOpen();
}

QString MainWindowModel::orderNumber() const
{
    return isBookOpen() ? text(u"nl_0") : QString();
}

QString MainWindowModel::traveller() const
{
    return text(u"nl_4");
}

QString MainWindowModel::destination() const
{
    return text(u"nl_8");
}

void MainWindowModel::setEntryField(ExpenseKind kind, int field, const QString& text)
{
    control(expenseKindSpec(kind).fieldName(field)).type(text);
}

void MainWindowModel::addPerDiemLine(const QStringList& fields)
{
    for (int n = 1; n <= fields.size(); ++n)
        setEntryField(ExpenseKind::Dnevnice, n, fields.at(n - 1));
    m_expenses->AddSheetRecord(ExpenseKind::Dnevnice);
}

} // namespace selvana
