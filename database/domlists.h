#pragma once

#include <QDomElement>
#include <QDomNodeList>
#include <QString>

// Visits every element called itemTag anywhere below an element called
// listTag anywhere below element: list by list, each in document order.
template<typename Visit>
void forEachListItem(
    const QDomElement &element, const QString &listTag, const QString &itemTag, Visit visit)
{
    const QDomNodeList lists = element.elementsByTagName(listTag);
    for (int i = 0; i < lists.size(); ++i) {
        const QDomNodeList items = lists.at(i).toElement().elementsByTagName(itemTag);
        for (int j = 0; j < items.size(); ++j)
            visit(items.at(j).toElement());
    }
}
