#pragma once

#include "forms/Control.h"

#include <QList>
#include <QStringList>

namespace selvana {

// A drop-down list whose entries are a shown text and a value; the program works
// with the value. Shown sorted (Croatian, without regard to case) or as added.
class ChoiceList : public Control {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        QString value;
    };

    ChoiceList(const QString& name, bool sorted = true, QObject* parent = nullptr);

    bool isSorted() const { return m_sorted; }
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }

    void setEntries(QList<Entry> entries);
    void setTexts(const QStringList& texts); // value = text
    void clear();
    const QList<Entry>& entries() const { return m_entries; }
    QStringList texts() const;
    int count() const { return int(m_entries.size()); }

    // The shown (edit) text; for a closed list the chosen entry's text.
    QString text() const override { return m_text; }
    void setText(const QString& text);
    void type(const QString& text) override { setText(text); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    // The value of the first entry whose text is the shown text, else empty.
    QString currentValue() const { return valueOf(m_text); }
    QString valueOf(const QString& text) const;
    int indexOf(const QString& text) const;

    // The user picks an entry: the text is set, change rules run, then the choose handler.
    void choose(const QString& text);
    void onChoose(std::function<void()> handler) { m_choose.add(std::move(handler)); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

signals:
    void entriesChanged();

private:
    QList<Entry> m_entries;
    QString m_text;
    bool m_sorted;
    bool m_editable = true;
    Handlers<> m_choose;
};

} // namespace selvana
