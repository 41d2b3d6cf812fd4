#include "base/Collation.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace selvana::Collation {

namespace {

const QCollator& collator()
{
    static const QCollator instance = [] {
        QCollator c(QLocale(QLocale::Croatian, QLocale::Croatia));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return instance;
}

} // namespace

int compare(const QString& a, const QString& b)
{
    return collator().compare(a, b);
}

QList<int> sortedOrder(const QList<QString>& texts)
{
    // Sort keys once: thousands of entries (the order list) sort in a few milliseconds.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& text : texts)
        keys.push_back(collator().sortKey(text));
    QList<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    return order;
}

} // namespace selvana::Collation
