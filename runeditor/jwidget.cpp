#include "jwidget.h"

#include "ymcable.h"
#include "ymfixture.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

JWidget::JWidget(YmFixture *fixture, QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags), m_fixture(fixture)
{
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(1);

    m_jumperCombo = new QComboBox(this);
    const JumperChoice fresh = JumperChoices::fresh(m_fixture);
    if (m_fixture) {
        for (const YmJumper *jumper : m_fixture->JumperList)
            m_jumperCombo->addItem(jumper ? jumper->Name : QString());
        m_jumperCombo->setCurrentIndex(fresh.typeRow);
    }

    m_gaugeCombo = new QComboBox(this);
    m_awgLabel = new QLabel(tr("AWG"), this);
    m_lengthSpin = new QSpinBox(this);
    m_lengthSpin->setRange(JumperChoices::MinimumLength, JumperChoices::MaximumLength);
    m_lengthSpin->setValue(fresh.length);
    m_ftLabel = new QLabel(tr("ft"), this);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(2, 2, 2, 2);
    for (QWidget *control : {static_cast<QWidget *>(m_jumperCombo),
             static_cast<QWidget *>(m_gaugeCombo), static_cast<QWidget *>(m_awgLabel),
             static_cast<QWidget *>(m_lengthSpin), static_cast<QWidget *>(m_ftLabel)})
        m_layout->addWidget(control, 0);

    refreshGauges();
}

JWidget::~JWidget()
{
    delete m_jumperCombo;
    delete m_gaugeCombo;
    delete m_awgLabel;
    delete m_lengthSpin;
    delete m_ftLabel;
    delete m_layout;
}

JumperChoice JWidget::choice() const
{
    JumperChoice choice;
    choice.typeRow = m_jumperCombo->currentIndex();
    choice.gaugeRow = m_gaugeCombo->currentIndex();
    choice.length = m_lengthSpin->value();
    return choice;
}

void JWidget::showChoice(const JumperChoice &choice)
{
    m_jumperCombo->setCurrentIndex(choice.typeRow);
    refreshGauges();
    m_gaugeCombo->setCurrentIndex(choice.gaugeRow);
    m_lengthSpin->setValue(choice.length);
}

YmJumper *JWidget::selectedJumper() const
{
    return const_cast<YmJumper *>(JumperChoices::type(m_fixture, choice()));
}

YmWire *JWidget::selectedWire() const
{
    return const_cast<YmWire *>(JumperChoices::wire(m_fixture, choice()));
}

void JWidget::refreshGauges()
{
    const YmJumper *jumper = selectedJumper();
    if (!jumper) {
        m_gaugeCombo->clear(); // no type, no wires to offer
        return;
    }
    if (jumper->IsCustom) {
        // The choice a change of type to this one gives: its wires, at their default.
        JumperChoice refilled;
        JumperChoices::chooseType(refilled, m_fixture, m_jumperCombo->currentIndex());
        m_gaugeCombo->clear();
        m_gaugeCombo->addItems(refilled.gauges);
        m_gaugeCombo->setCurrentIndex(refilled.gaugeRow);
    }
    setCustomControlsVisible(jumper->IsCustom);
    adjustSize();
}

void JWidget::setCustomControlsVisible(bool visible)
{
    for (QWidget *control :
        {static_cast<QWidget *>(m_gaugeCombo), static_cast<QWidget *>(m_awgLabel),
            static_cast<QWidget *>(m_lengthSpin), static_cast<QWidget *>(m_ftLabel)})
        control->setVisible(visible);
}

bool JWidget::lengthAndResistance(double &length, double &resistance) const
{
    return JumperChoices::figures(m_fixture, choice(), length, resistance);
}

int JWidget::maxInARow() const
{
    const YmJumper *jumper = selectedJumper();
    return jumper ? jumper->MaxInARow : 0;
}
