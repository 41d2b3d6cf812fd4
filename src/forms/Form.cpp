#include "forms/Form.h"

#include "base/AppError.h"

namespace selvana {

Form::Form(const QString& formName, Dialogs& dialogs, QObject* parent) : QObject(parent), m_dialogs(dialogs)
{
    setObjectName(formName);
}

void Form::registerControl(Control* control)
{
    const QString name = control->name();
    if (m_controls.contains(name))
        throw std::logic_error("duplicate control name " + name.toStdString());
    control->setParent(this);
    m_controls.insert(name, control);
    m_order.push_back(control);
}

RadioGroup& Form::addRadioGroup(const QString& name, const QStringList& items)
{
    auto& group = add<RadioGroup>(name, items);
    for (int i = 0; i < items.size(); ++i) {
        auto& item = add<Button>(name + u'_' + QString::number(i), items.at(i));
        item.onClick([&group, i] { group.setIndex(i); });
    }
    return group;
}

void Form::alias(const QString& name, Control& control)
{
    if (m_controls.contains(name))
        throw std::logic_error("duplicate control name " + name.toStdString());
    m_controls.insert(name, &control);
}

Control& Form::control(QStringView name) const
{
    Control* c = m_controls.value(name.toString());
    if (!c)
        throw std::invalid_argument(objectName().toStdString() + " has no control named " +
                                    name.toString().toStdString());
    return *c;
}

void Form::guard(const std::function<void()>& action)
{
    if (m_guardDepth > 0) {
        action();
        return;
    }
    ++m_guardDepth;
    try {
        action();
    } catch (const AppError& error) {
        --m_guardDepth;
        ++m_errorCount;
        m_dialogs.message(error.text());
        return;
    } catch (...) {
        --m_guardDepth;
        throw;
    }
    --m_guardDepth;
}

QString Form::text(QStringView name) const
{
    return control(name).text();
}

void Form::setText(QStringView name, const QString& text)
{
    Control& c = control(name);
    guard([&] { c.type(text); });
}

double Form::value(QStringView name) const
{
    return control(name).value();
}

void Form::setValue(QStringView name, double value)
{
    Control& c = control(name);
    guard([&] { c.typeValue(value); });
}

QDate Form::date(QStringView name) const
{
    return get<DateField>(name).date();
}

void Form::setDate(QStringView name, const QDate& date)
{
    auto& field = get<DateField>(name);
    guard([&] { field.setDate(date); });
}

GridTable& Form::table(QStringView name)
{
    return get<GridControl>(name).table();
}

const GridTable& Form::table(QStringView name) const
{
    return get<GridControl>(name).table();
}

QStringList Form::items(QStringView name) const
{
    if (const auto* group = qobject_cast<const RadioGroup*>(&control(name)))
        return group->items();
    return get<ChoiceList>(name).texts();
}

QString Form::itemValue(QStringView name) const
{
    return get<ChoiceList>(name).currentValue();
}

void Form::choose(QStringView name, const QString& text)
{
    auto& list = get<ChoiceList>(name);
    guard([&] { list.choose(text); });
}

void Form::click(QStringView name)
{
    Control& c = control(name);
    guard([&] { c.click(); });
}

void Form::leave(QStringView name)
{
    Control& c = control(name);
    guard([&] { c.leave(); });
}

void Form::enter(QStringView name)
{
    Control& c = control(name);
    guard([&] { c.enter(); });
}

void Form::selectCell(QStringView table, int col, int row)
{
    auto& grid = get<GridControl>(table);
    guard([&] { grid.selectCell(col, row); });
}

bool Form::isEnabled(QStringView name) const
{
    return control(name).isEnabled();
}
bool Form::isVisible(QStringView name) const
{
    return control(name).isVisible();
}
bool Form::isChecked(QStringView name) const
{
    return get<CheckBox>(name).isChecked();
}

void Form::setChecked(QStringView name, bool checked)
{
    auto& box = get<CheckBox>(name);
    guard([&] { box.setChecked(checked); });
}

QString Form::status(int panel) const
{
    return m_status.value(panel);
}

QString Form::hint(QStringView name) const
{
    return control(name).hint();
}

void Form::setStatus(int panel, const QString& text)
{
    while (m_status.size() <= panel)
        m_status.push_back(QString());
    if (m_status[panel] == text)
        return;
    m_status[panel] = text;
    emit statusChanged(panel);
}

void Form::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged();
}

} // namespace selvana
