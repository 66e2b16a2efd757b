#pragma once

#include <QDomElement>
#include <QDomNodeList>
#include <QString>

// Whether node lies inside an element called tag that is itself below top.
inline bool hasAncestorNamed(const QDomNode &node, const QString &tag, const QDomNode &top)
{
    for (QDomNode parent = node.parentNode(); !parent.isNull() && parent != top;
         parent = parent.parentNode()) {
        if (parent.nodeName() == tag)
            return true;
    }
    return false;
}

// Visits every element called itemTag anywhere below an element called
// listTag anywhere below element: list by list, each in document order.
// A list nested in another list of the same name is already covered by the
// outer one, so no item is visited twice.
template<typename Visit>
void forEachListItem(
    const QDomElement &element, const QString &listTag, const QString &itemTag, Visit visit)
{
    const QDomNodeList lists = element.elementsByTagName(listTag);
    for (int i = 0; i < lists.size(); ++i) {
        const QDomNode list = lists.at(i);
        if (hasAncestorNamed(list, listTag, element))
            continue;
        const QDomNodeList items = list.toElement().elementsByTagName(itemTag);
        for (int j = 0; j < items.size(); ++j)
            visit(items.at(j).toElement());
    }
}
