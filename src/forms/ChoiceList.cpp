#include "forms/ChoiceList.h"

#include "base/Collation.h"

#include <stdexcept>

namespace selvana {

ChoiceList::ChoiceList(const QString& name, bool sorted, QObject* parent)
    : Control(name, parent), m_sorted(sorted)
{}

void ChoiceList::setEntries(QList<Entry> entries)
{
    if (m_sorted) {
        QList<QString> texts;
        texts.reserve(entries.size());
        for (const Entry& e : entries)
            texts.push_back(e.text);
        QList<Entry> sorted;
        sorted.reserve(entries.size());
        for (int i : Collation::sortedOrder(texts))
            sorted.push_back(std::move(entries[i]));
        entries = std::move(sorted);
    }
    m_entries = std::move(entries);
    emit entriesChanged();
}

void ChoiceList::setTexts(const QStringList& texts)
{
    QList<Entry> entries;
    entries.reserve(texts.size());
    for (const QString& t : texts)
        entries.push_back({t, t});
    setEntries(std::move(entries));
}

void ChoiceList::clear()
{
    m_entries.clear();
    emit entriesChanged();
    setText(QString());
}

QStringList ChoiceList::texts() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const Entry& e : m_entries)
        out.push_back(e.text);
    return out;
}

void ChoiceList::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    fireChange();
}

int ChoiceList::indexOf(const QString& text) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].text == text)
            return int(i);
    return -1;
}

int ChoiceList::currentIndex() const
{
    return indexOf(m_text);
}

void ChoiceList::setCurrentIndex(int index)
{
    setText(index >= 0 && index < m_entries.size() ? m_entries[index].text : QString());
}

QString ChoiceList::valueOf(const QString& text) const
{
    const int i = indexOf(text);
    return i < 0 ? QString() : m_entries[i].value;
}

void ChoiceList::choose(const QString& text)
{
    if (indexOf(text) < 0)
        throw std::invalid_argument("no entry '" + text.toStdString() + "' in " + name().toStdString());
    setText(text);
    m_choose();
}

} // namespace selvana
