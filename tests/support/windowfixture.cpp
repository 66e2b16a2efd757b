#include "windowfixture.h"

#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"

#include <QLabel>
#include <QSpinBox>

QString entries(const QComboBox *combo)
{
    QStringList texts;
    for (int row = 0; row < combo->count(); ++row)
        texts << combo->itemText(row);
    return texts.join(QLatin1Char('|'));
}

QStringList describeCells(const CFrame &frame, bool shownLength)
{
    QStringList cells;
    for (const CWidget *cell : frame.cells()) {
        const auto *label = qobject_cast<const QLabel *>(cell->widget());
        const JWidget *j = cell->jumperWidget();
        const QString shown = QStringLiteral("+%1").arg(int(j && !j->lengthSpin()->isHidden()));
        cells << (!j ? (label ? label->text() : QStringLiteral("?"))
                     : QStringLiteral("J%1/%2/%3%4")
                           .arg(j->jumperCombo()->currentIndex())
                           .arg(j->gaugeCombo()->currentIndex())
                           .arg(j->lengthSpin()->value())
                           .arg(shownLength ? shown : QString()));
    }
    return cells;
}

IsolatedSettings::IsolatedSettings()
{
    if (!m_dir.isValid())
        qFatal("no temporary folder for the settings");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, m_dir.path());
}

WindowFixture::WindowFixture(const QDir &catalogue) : window(std::make_unique<Wattlan>(catalogue))
{ }

void WindowFixture::click(const char *button, const char *page) const
{
    if (page)
        child<QWidget>(page)->setEnabled(true);
    child<QAbstractButton>(button)->click();
}

void WindowFixture::choose(const char *combo, const QString &text) const
{
    QComboBox *selector = child<QComboBox>(combo);
    const int index = selector->findText(text);
    if (index < 0)
        qFatal("no entry %s in %s", qPrintable(text), combo);
    selector->setCurrentIndex(index);
}

void WindowFixture::trigger(const char *action) const
{
    child<QAction>(action)->trigger();
}

void WindowFixture::open(const QString &fileName)
{
    prompter.fileNames = QStringList {fileName};
    trigger("actionOpen");
}

void WindowFixture::saveAs(const QString &fileName)
{
    prompter.fileNames = QStringList {fileName};
    trigger("actionSave_As");
}

void WindowFixture::offerDocumentActions() const
{
    for (const char *name : {"actionNew", "actionOpen", "actionSave", "actionSave_As"})
        child<QAction>(name)->setVisible(true);
}

void WindowFixture::offerAllTools() const
{
    window->offerAllTools();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the main window did not become active");
}

QStringList WindowFixture::log() const
{
    return child<QTextEdit>("m_messageBox")->toPlainText().split(QLatin1Char('\n'));
}

QString WindowFixture::statusText() const
{
    return child<QStatusBar>("statusBar")->currentMessage();
}

QString WindowFixture::describeRun(const char *frame) const
{
    return describeCells(*run(frame)).join(QLatin1Char(' '));
}
