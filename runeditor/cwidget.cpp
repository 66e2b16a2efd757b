#include "cwidget.h"

#include "jwidget.h"
#include "ymcable.h"
#include "ymfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <memory>
#include <utility>

CWidget::CWidget() = default;

CWidget::~CWidget()
{
    // The widget leaves the run's surface as it is deleted. Detaching it with
    // setParent() first would walk the focus chain of the whole window, which
    // makes removing a cell from a long run slow.
    delete m_widget;
}

void CWidget::deleteWidget()
{
    delete m_widget;
    m_widget = nullptr;
}

JWidget *CWidget::jumperWidget() const
{
    return m_itemType == ItemJumper ? qobject_cast<JWidget *>(m_widget) : nullptr;
}

void CWidget::setFixture(YmFixture *fixture, int number)
{
    m_item = fixture;
    m_itemType = ItemFixture;
    deleteWidget();

    const QString shortName = fixture ? fixture->ShortName : QString();
    auto *label = new QLabel(tr("%1: %2").arg(QString::number(number), shortName));
    label->setFrameStyle(QFrame::Box | QFrame::Raised);
    label->setLineWidth(1);
    label->setMargin(2);
    m_widget = label;
}

namespace {
// Selects row in combo when the row exists; a row outside the list changes nothing.
void selectExistingRow(QComboBox *combo, int row)
{
    if (row >= 0 && row < combo->count())
        combo->setCurrentIndex(row);
}
} // namespace

void CWidget::setJumper(YmFixture *fixture, JWidget *copyFrom, int jumperIndex, int gaugeIndex)
{
    m_item = fixture;
    m_itemType = ItemJumper;
    // Held until the copy is made: copyFrom may be this cell's own selector.
    std::unique_ptr<QWidget> replaced(std::exchange(m_widget, nullptr));

    auto *jumper = new JWidget(fixture);
    // Copied before the connections are made, so that copying signals nothing.
    if (copyFrom)
        jumper->showChoice(JumperChoices::copied(fixture, copyFrom->choice()));
    replaced.reset();
    m_widget = jumper;

    connect(jumper->jumperCombo(), &QComboBox::currentIndexChanged, this, &CWidget::jumperChange);
    connect(jumper->gaugeCombo(), &QComboBox::currentIndexChanged, this, &CWidget::jumperUpdate);
    connect(jumper->lengthSpin(), &QSpinBox::valueChanged, this, &CWidget::jumperUpdate);

    selectExistingRow(jumper->jumperCombo(), jumperIndex);
    selectExistingRow(jumper->gaugeCombo(), gaugeIndex);
}

void CWidget::jumperChange(int)
{
    if (JWidget *jumper = jumperWidget())
        jumper->refreshGauges();
    emit valueChanged();
}

void CWidget::jumperUpdate(int)
{
    emit valueChanged();
}
