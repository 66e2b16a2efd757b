#pragma once

#include <QComboBox>
#include <QList>
#include <QVariant>

// What the tab controllers share about their selectors.
namespace Selectors {

// The record that a fixture selector's entry names through its item data (a
// position in records), or null when the entry names none.
template<typename Record>
Record *recordOfEntry(const QComboBox &combo, int index, const QList<Record *> &records)
{
    bool isNumber = false;
    const int position = combo.itemData(index).toInt(&isNumber);
    return isNumber ? records.value(position) : nullptr;
}

// Refills a selector with the names of the items, in list order.
template<typename Item> void fillNames(QComboBox &combo, const QList<Item *> &items)
{
    combo.clear();
    for (const Item *item : items)
        if (item)
            combo.addItem(item->Name);
}

// Refills a selector with names, in order.
inline void fillNames(QComboBox &combo, const QStringList &names)
{
    combo.clear();
    combo.addItems(names);
}

} // namespace Selectors
