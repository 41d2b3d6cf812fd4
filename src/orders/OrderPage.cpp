#include "orders/OrderPage.h"

#include "base/AppError.h"
#include "base/StorableText.h"
#include "base/TextForms.h"
#include "expenses/ExpenseSheets.h"
#include "forms/Clock.h"
#include "forms/Form.h"
#include "lists/LookupListsPage.h"
#include "orders/OrderRecord.h"
#include "storage/PackedTable.h"
#include "storage/SplitText.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

enum class Kind { Text, Lines, Date, Number, ReadOnlyText };

struct FieldDef {
    const char16_t* name;
    Kind kind;
    int decimals;
    const char16_t* caption;
    const char16_t* hint;
};

constexpr FieldDef kOrderFields[] = {
    {u"nl_0", Kind::Number, 0, u"Broj naloga", nullptr},
    {u"nl_2", Kind::Text, 0, u"Mjesto izrade naloga", nullptr},
    {u"nl_3", Kind::Date, 0, u"Datum izrade naloga", nullptr},
    {u"nl_4", Kind::Text, 0, u"Ime i prezime", nullptr},
    {u"nl_5", Kind::Text, 0, u"Zvanje", nullptr},
    {u"nl_6", Kind::Text, 0, u"Zanimanje", nullptr},
    {u"nl_7", Kind::ReadOnlyText, 0, u"Datum polaska", nullptr},
    {u"nl_8", Kind::Text, 0, u"Mjesto putovanja", nullptr},
    {u"nl_9", Kind::Lines, 0, u"Zadaci", nullptr},
    {u"nl_10", Kind::Number, 1, u"Br. dana putov.", u"Moguće trajanje putovanja"},
    {u"nl_11", Kind::Number, 2, u"Iznos dnevnice", nullptr},
    {u"nl_12", Kind::Number, 2, u"Akontacija - ukupno", u"Dani predujam za putne troškove"},
    {u"nl_13", Kind::Text, 0, u"Akontacija - slovima", nullptr},
    {u"nl_14", Kind::Text, 0, u"Prijevozno sredstvo u odlasku", nullptr},
    {u"nl_15", Kind::Text, 0, u"Prijevozno sredstvo u dolasku", nullptr},
    {u"nl_16", Kind::Number, 0, u"Rok za pism. iz.", u"Rok za podnošenje izvješća"},
    {u"nl_17", Kind::Lines, 0, u"Prilozi", nullptr},
    {u"nl_18", Kind::Lines, 0, u"Izvješće", nullptr},
};

constexpr FieldDef kSettlementFields[] = {
    {u"rc_2", Kind::Number, 0, u"Broj priloga", nullptr},
    {u"rc_4", Kind::ReadOnlyText, 0, u"Datum dolaska", nullptr},
    {u"rc_5", Kind::ReadOnlyText, 0, u"Vrijeme polaska", nullptr},
    {u"rc_6", Kind::ReadOnlyText, 0, u"Vrijeme dolaska", nullptr},
    {u"rc_8", Kind::Number, 2, u"Ukupan broj dnevnica", nullptr},
    {u"nl_20", Kind::Number, 2, u"Dnevnice - ukupno", nullptr},
    {u"nl_21", Kind::Number, 2, u"Ukupni troškovi prijevoza", nullptr},
    {u"nl_22", Kind::Number, 2, u"Ostali troškovi - ukupno", nullptr},
    {u"rc_18", Kind::ReadOnlyText, 0, u"Datum izrade obračuna", nullptr},
    {u"rc_19", Kind::Text, 0, u"Mjesto izrade obračuna", nullptr},
    {u"rc_20", Kind::Number, 2, u"Ukupno sati", nullptr},
};

// Order fields a lookup list learns from when the user leaves them.
constexpr std::pair<const char16_t*, LookupListsPage::List> kLearningFields[] = {
    {u"nl_4", LookupListsPage::Putnici},   {u"nl_5", LookupListsPage::Zvanje},
    {u"nl_6", LookupListsPage::Zanimanja}, {u"nl_8", LookupListsPage::Mjesta},
    {u"nl_14", LookupListsPage::Prijevoz}, {u"nl_15", LookupListsPage::Prijevoz},
};

const QString kLineJoint = u"\\\\"_s;

// Lines are stored joined by "\\": a line holding it, or ending in "\", would come back cut
// in other places.
void checkLineJoints(const QString& text)
{
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.contains(kLineJoint) || line.endsWith(u'\\'))
            throw AppError(u"Redak teksta ne smije sadržavati \"\\\\\" niti završavati znakom \"\\\"."_s);
    }
}

QString str(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

void declare(Form& form, const FieldDef& def)
{
    Control* control = nullptr;
    switch (def.kind) {
    case Kind::Text:
    case Kind::ReadOnlyText: {
        auto& field = form.add<TextField>(str(def.name));
        field.setReadOnly(def.kind == Kind::ReadOnlyText);
        field.setValidator([](const QString& text) { StorableText::check(text); });
        control = &field;
        break;
    }
    case Kind::Lines: {
        auto& field = form.add<TextField>(str(def.name));
        field.setMultiLine(true);
        field.setValidator([](const QString& text) {
            StorableText::check(text, true);
            checkLineJoints(text);
        });
        control = &field;
        break;
    }
    case Kind::Date: control = &form.add<DateField>(str(def.name)); break;
    case Kind::Number: {
        auto& field = form.add<NumberField>(str(def.name), def.decimals);
        field.setGrouping(def.decimals > 0);
        control = &field;
        break;
    }
    }
    control->setCaption(str(def.caption));
    control->setHint(str(def.hint));
}

// A zero and an empty text are the same in a cell: nothing.
QString numberCell(double value, const QString& shown)
{
    return value == 0.0 ? QString() : shown;
}

} // namespace

OrderPage::OrderPage(Form& main, ExpenseSheets& sheets, LookupListsPage& lookups, Clock& clock)
    : m_main(main), m_lookups(lookups), m_clock(clock), m_sheets(sheets)
{
    declareOrderFields();
    declareSettlementFields();
    declareTripControls();
}

void OrderPage::declareOrderFields()
{
    for (const FieldDef& def : kOrderFields)
        declare(m_main, def);
    auto& number = m_main.get<NumberField>(u"nl_0");
    number.setReadOnly(true);
    number.setValue(1);
    m_main.get<NumberField>(u"nl_11").setValue(170);
    m_main.get<DateField>(u"nl_3").setDate(m_clock.today());

    for (const auto& [name, list] : kLearningFields) {
        auto& field = m_main.get<TextField>(QString::fromUtf16(name));
        field.onLeave([this, &field, list = list] { m_lookups.autoAdd(list, field.text()); });
    }
    auto fromSettings = [this](const QString& button, const QString& target) {
        auto& b = m_main.add<Button>(button, u"Iz postavki"_s);
        b.setHint(u"Unesi iz postavki"_s);
        b.onClick([this, target] { m_main.get<TextField>(target).setText(m_main.text(u"ed_ps_mjesto")); });
    };
    fromSettings(u"fcShapeBtn5"_s, u"nl_2"_s);
    fromSettings(u"fcShapeBtn6"_s, u"rc_19"_s);
}

void OrderPage::declareSettlementFields()
{
    for (const FieldDef& def : kSettlementFields)
        declare(m_main, def);
    m_main.get<NumberField>(u"rc_20").setGrouping(false);
    m_main.get<NumberField>(u"rc_2").setGrouping(true); // ",0": 1.234
}

void OrderPage::declareTripControls()
{
    // The pickers write the texts that are stored; every pick counts.
    auto datePicker = [this](const QString& name, const QString& target, const QString& format) {
        auto& picker = m_main.add<DateField>(name);
        picker.setAlwaysNotify(true);
        picker.setDate(m_clock.today());
        picker.onChange([this, &picker, target, format] {
            m_main.get<TextField>(target).setText(picker.date().toString(format));
        });
        return &picker;
    };
    auto timePicker = [this](const QString& name, const QString& target) {
        auto& picker = m_main.add<TimeField>(name);
        picker.setAlwaysNotify(true);
        picker.onChange([this, &picker, target] { m_main.get<TextField>(target).setText(picker.text()); });
    };
    datePicker(u"nl_8a"_s, u"nl_7"_s, u"dd.MM.yyyy"_s)->onEnter([this] { m_suppressTripReset = false; });
    datePicker(u"rc_4a"_s, u"rc_4"_s, u"dd.MM.yyyy"_s);
    datePicker(u"rc_18a"_s, u"rc_18"_s, u"dd.MM.yyyy."_s);
    timePicker(u"rc_5a"_s, u"rc_5"_s);
    timePicker(u"rc_6a"_s, u"rc_6"_s);

    for (const QString& name : {u"nl_7"_s, u"rc_4"_s, u"rc_5"_s, u"rc_6"_s})
        m_main.get<TextField>(name).onChange([this] { resetTrip(); });

    auto& perDiems = m_main.add<NumberField>(u"ce_br_dnevnica"_s, 1);
    perDiems.setCaption(u"Broj dnevnica"_s);
    perDiems.setReadOnly(true);
    auto& hours = m_main.get<NumberField>(u"rc_20");
    hours.onChange([&hours, &perDiems] {
        if (hours.value() != 0.0)
            perDiems.setValue(domesticPerDiems(hours.value()));
    });

    auto& clearDeparture = m_main.add<Button>(u"SpeedButton2"_s, u"Obriši"_s);
    clearDeparture.setHint(u"Obriši datum i vrijeme polaska"_s);
    clearDeparture.onClick([this] {
        m_main.get<TextField>(u"nl_7").setText(QString());
        m_main.get<TextField>(u"rc_5").setText(QString());
        m_main.get<NumberField>(u"nl_10").setValue(0);
        m_main.get<NumberField>(u"rc_20").setValue(0);
    });
    auto& clearReturn = m_main.add<Button>(u"SpeedButton1"_s, u"Obriši"_s);
    clearReturn.setHint(u"Obriši datum i vrijeme dolaska"_s);
    clearReturn.onClick([this] {
        m_main.get<TextField>(u"rc_4").setText(QString());
        m_main.get<TextField>(u"rc_6").setText(QString());
    });
    auto& compute = m_main.add<Button>(u"SpeedButton3"_s, u"Izračunaj"_s);
    compute.setHint(u"Izračunaj ukupan broj dana i sati"_s);
    compute.onClick([this] { computeTrip(); });
}

void OrderPage::resetTrip()
{
    if (m_suppressTripReset)
        return;
    m_main.get<NumberField>(u"nl_10").setValue(0);
    m_main.get<NumberField>(u"rc_20").setValue(0);
}

double OrderPage::domesticPerDiems(double hours)
{
    // Whole hours, halves to the even number: 26,5 h count as 26, 7,5 h as 8.
    const long long h = std::llrint(hours);
    const long long days = h / 24;
    const long long rest = h % 24;
    if (rest < 8)
        return double(days);
    return rest < 12 ? days + 0.5 : days + 1.0;
}

void OrderPage::computeTrip()
{
    const QString departureDate = m_main.text(u"nl_7");
    const QString returnDate = m_main.text(u"rc_4");
    const QString departureTime = m_main.text(u"rc_5");
    const QString returnTime = m_main.text(u"rc_6");
    if (departureDate.isEmpty() || returnDate.isEmpty() || departureTime.isEmpty() || returnTime.isEmpty())
        throw AppError(u"Datumi i vremena dolaska i polaska nisu upisani."_s);

    const QDateTime departure(TextForms::parseDate(departureDate), TextForms::parseTime(departureTime));
    const QDateTime arrival(TextForms::parseDate(returnDate), TextForms::parseTime(returnTime));
    if (!departure.isValid() || !arrival.isValid())
        throw AppError(u"Datumi i vremena dolaska i polaska nisu upisani."_s);
    auto& days = m_main.get<NumberField>(u"nl_10");
    auto& hours = m_main.get<NumberField>(u"rc_20");
    if (arrival < departure) {
        hours.setValue(0);
        days.setValue(0);
        throw AppError(u"Datum povratka je manji od datuma polaska."_s);
    }
    const qint64 dayCount = departure.date().daysTo(arrival.date());
    const qint64 minutes = dayCount * 1440 + (arrival.time().hour() - departure.time().hour()) * 60 +
                           (arrival.time().minute() - departure.time().minute());
    hours.setValue(double(minutes) / 60.0);
    days.setValue(double(dayCount));
}

QString OrderPage::joinLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n'))
        if (!line.isEmpty())
            lines.push_back(line);
    return lines.join(kLineJoint);
}

QString OrderPage::splitLines(const QString& cell)
{
    QStringList lines;
    for (const QString& piece : SplitText(cell, kLineJoint))
        if (!piece.isEmpty())
            lines.push_back(piece);
    return lines.join(u"\r\n"_s);
}

void OrderPage::WriteOrder()
{
    GridTable& orders = m_main.table(u"sg_nalozi");
    GridTable& settlements = m_main.table(u"sg_obracun");
    const int orderRow = orders.currentRow();
    const int settlementRow = settlements.currentRow();

    // Cells are formed first, so a sheet that cannot be packed changes no row.
    QStringList orderCells;
    for (const RecordColumn& column : orderColumns()) {
        const QString name = QString::fromUtf16(column.field);
        switch (column.form) {
        case CellForm::Lines: orderCells << joinLines(m_main.text(name)); break;
        case CellForm::Shortest: {
            const double value = m_main.value(name);
            orderCells << numberCell(value, TextForms::formatShortest(value));
            break;
        }
        default: orderCells << m_main.text(name); break;
        }
    }
    QStringList settlementCells;
    for (const RecordColumn& column : settlementColumns()) {
        const QString name = QString::fromUtf16(column.field);
        switch (column.form) {
        case CellForm::Sheet: settlementCells << PackTable(m_main.table(name)); break;
        case CellForm::Display: {
            const double value = m_main.value(name);
            settlementCells << numberCell(value, m_main.text(name));
            break;
        }
        case CellForm::Shortest: {
            const double value = m_main.value(name);
            settlementCells << numberCell(value, TextForms::formatShortest(value));
            break;
        }
        default: settlementCells << m_main.text(name); break;
        }
    }

    GridTable::Batch batchOrders(orders);
    GridTable::Batch batchSettlements(settlements);
    if (orders.colCount() != int(orderCells.size()))
        orders.setColCount(int(orderCells.size()));
    settlements.setColCount(int(settlementCells.size()));
    for (int c = 0; c < orderCells.size(); ++c)
        orders.setCell(c, orderRow, orderCells[c]);
    for (int c = 0; c < settlementCells.size(); ++c)
        settlements.setCell(c, settlementRow, settlementCells[c]);
}

void OrderPage::ClearOrderFields()
{
    m_damage.clear();
    for (const QString& name : {u"nl_2"_s, u"nl_4"_s, u"nl_5"_s, u"nl_6"_s, u"nl_7"_s, u"nl_8"_s, u"nl_13"_s,
                                u"nl_14"_s, u"nl_15"_s, u"nl_9"_s, u"nl_17"_s, u"nl_18"_s})
        m_main.get<TextField>(name).setText(QString());
    for (const QString& name :
         {u"nl_10"_s, u"nl_11"_s, u"nl_12"_s, u"nl_16"_s, u"nl_20"_s, u"nl_21"_s, u"nl_22"_s, u"nl_23"_s})
        m_main.get<NumberField>(name).setValue(0);
}

void OrderPage::ClearSettlement()
{
    for (const QString& name : {u"rc_2"_s, u"rc_8"_s, u"rc_16"_s, u"rc_17"_s, u"rc_20"_s})
        m_main.get<NumberField>(name).setValue(0);
    for (const QString& name : {u"rc_4"_s, u"rc_5"_s, u"rc_6"_s, u"rc_18"_s, u"rc_19"_s})
        m_main.get<TextField>(name).setText(QString());
    m_sheets.clearAll();
}

QString OrderPage::damageText() const
{
    return u"Nalog pod rednim brojem "_s + m_damagedNumber + u" nije moguće pročitati u cijelosti:\n"_s +
           m_damage.join(u'\n') + u"\nPrikazan je bez tih podataka i ne može se spremiti."_s;
}

void OrderPage::ShowOrder()
{
    // Showing another order never loses its stored days and hours.
    m_suppressTripReset = true;
    GridTable& orders = m_main.table(u"sg_nalozi");
    GridTable& settlements = m_main.table(u"sg_obracun");
    const int orderRow = orders.currentRow();
    const int settlementRow = settlements.currentRow();

    // The whole page is emptied first, so nothing of the previous order stays under this number.
    m_damage.clear();
    m_damagedNumber = orders.cell(0, orderRow);
    ClearOrderFields();
    ClearSettlement();
    const auto show = [this](const QString& name, const std::function<void()>& fill) {
        try {
            fill();
        } catch (const AppError& error) {
            const QString caption = m_main.control(name).caption();
            m_damage << (caption.isEmpty() ? name : caption) + u": "_s + error.text();
        }
    };

    const auto columns = orderColumns();
    for (int c = 0; c < int(columns.size()); ++c) {
        const QString name = QString::fromUtf16(columns[c].field);
        const QString cell = orders.cell(c, orderRow);
        show(name, [&] {
            switch (columns[c].form) {
            case CellForm::Year: break;
            case CellForm::Shortest:
                if (!cell.isEmpty())
                    m_main.get<NumberField>(name).setValue(TextForms::parseNumber(cell));
                break;
            case CellForm::Date:
                if (!cell.isEmpty()) {
                    const QDate date = TextForms::parseDate(cell.left(10));
                    if (date.isValid())
                        m_main.get<DateField>(name).setDate(date);
                }
                break;
            case CellForm::Lines: m_main.get<TextField>(name).setText(splitLines(cell)); break;
            default: m_main.get<TextField>(name).setText(cell); break;
            }
        });
    }

    const auto settlement = settlementColumns();
    for (int c = 0; c < int(settlement.size()); ++c) {
        const QString name = QString::fromUtf16(settlement[c].field);
        const QString cell = settlements.cell(c, settlementRow);
        show(name, [&] {
            switch (settlement[c].form) {
            case CellForm::WriteOnly: break;
            case CellForm::Display:
            case CellForm::Shortest:
                m_main.get<NumberField>(name).setValue(TextForms::parseNumber(cell));
                break;
            case CellForm::Sheet: break; // after the fields, below
            default: m_main.get<TextField>(name).setText(cell); break;
            }
        });
    }
    for (const ExpenseKindSpec& kind : expenseKindSpecs()) {
        const QString cell = settlements.cell(kind.settlementColumn, settlementRow);
        if (cell.isEmpty())
            continue;
        const auto which = static_cast<ExpenseKind>(&kind - expenseKindSpecs().data());
        show(kind.sheetName(), [&] {
            UnpackTable(cell, m_sheets.sheet(which));
            m_sheets.RowToFields(which, 1);
        });
    }
}

} // namespace selvana
