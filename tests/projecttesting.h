#pragma once

// Helpers for the tests of project files and document commands: the main
// window with its document actions offered, and the cells of a run.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "wattlan.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTextEdit>
#include <QXmlStreamReader>

namespace ProjectTesting {

template<typename T> T *child(QObject &window, const char *name)
{
    T *object = window.findChild<T *>(QLatin1String(name));
    if (!object)
        qFatal("no child %s", name);
    return object;
}

inline CFrame *run(Wattlan &window)
{
    return child<CFrame>(window, "m_ZV_Frame");
}

// Makes New, Open, Save and Save As visible, and with that enabled, as a
// build that offers them would.
inline void offerDocumentActions(Wattlan &window)
{
    for (const char *name : {"actionNew", "actionOpen", "actionSave", "actionSave_As"})
        child<QAction>(window, name)->setVisible(true);
}

inline void trigger(Wattlan &window, const char *actionName)
{
    child<QAction>(window, actionName)->trigger();
}

inline QString logText(Wattlan &window)
{
    return child<QTextEdit>(window, "m_messageBox")->toPlainText();
}

inline QString statusText(Wattlan &window)
{
    return child<QStatusBar>(window, "statusBar")->currentMessage();
}

inline CWidget *fixtureCell(YmFixture *fixture, int number)
{
    auto *cell = new CWidget;
    cell->setFixture(fixture, number);
    return cell;
}

inline CWidget *jumperCell(YmFixture *fixture, int jumperRow, int gaugeRow, int length)
{
    auto *cell = new CWidget;
    cell->setJumper(fixture, nullptr, jumperRow, gaugeRow);
    cell->jumperWidget()->lengthSpin()->setValue(length);
    return cell;
}

// A run as text: "1: VC4" for a fixture label, "J2/1/6" for a jumper with
// its jumper row, gauge row and length; cells separated by spaces.
inline QString describe(const CFrame *frame)
{
    QStringList cells;
    for (const CWidget *cell : frame->cells()) {
        if (const JWidget *jumper = cell->jumperWidget())
            cells << QStringLiteral("J%1/%2/%3")
                         .arg(jumper->jumperCombo()->currentIndex())
                         .arg(jumper->gaugeCombo()->currentIndex())
                         .arg(jumper->lengthSpin()->value());
        else if (const auto *label = qobject_cast<const QLabel *>(cell->widget()))
            cells << label->text();
        else
            cells << QStringLiteral("?");
    }
    return cells.join(QLatin1Char(' '));
}

// One element of a file as written: its name and its attributes in order.
struct WrittenElement
{
    QString name;
    int depth = 0;
    QStringList attributes; // "name=value"
};

inline QList<WrittenElement> writtenElements(const QByteArray &bytes)
{
    QList<WrittenElement> elements;
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            WrittenElement element;
            element.name = reader.name().toString();
            element.depth = depth++;
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                element.attributes << attribute.name().toString() + QLatin1Char('=')
                        + attribute.value().toString();
            elements << element;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (reader.hasError())
        qWarning("not well-formed: %s", qPrintable(reader.errorString()));
    return elements;
}

inline QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

} // namespace ProjectTesting
