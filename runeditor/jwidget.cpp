#include "jwidget.h"

#include "ymcable.h"
#include "ymfixture.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include <type_traits>

namespace {
const int MinimumLength = 1;
const int MaximumLength = 100;

// The entry a combo box row stands for, or null for a row outside the list.
template<typename List>
auto entryAt(const List &list, int row) -> std::decay_t<decltype(list.at(0))>
{
    if (row < 0 || row >= int(list.size()))
        return nullptr;
    return list.at(row);
}
} // namespace

JWidget::JWidget(YmFixture *fixture, QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags), m_fixture(fixture)
{
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(1);

    m_jumperCombo = new QComboBox(this);
    if (m_fixture) {
        for (const YmJumper *jumper : m_fixture->JumperList)
            m_jumperCombo->addItem(jumper ? jumper->Name : QString());
        const int defaultRow = m_fixture->DefaultJumper;
        if (defaultRow >= 0 && defaultRow < m_jumperCombo->count())
            m_jumperCombo->setCurrentIndex(defaultRow);
    }

    m_gaugeCombo = new QComboBox(this);
    m_awgLabel = new QLabel(tr("AWG"), this);
    m_lengthSpin = new QSpinBox(this);
    m_lengthSpin->setRange(MinimumLength, MaximumLength);
    m_lengthSpin->setValue(MinimumLength);
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

YmJumper *JWidget::selectedJumper() const
{
    if (!m_fixture)
        return nullptr;
    return entryAt(m_fixture->JumperList, m_jumperCombo->currentIndex());
}

YmWire *JWidget::selectedWire() const
{
    const YmJumper *jumper = selectedJumper();
    const int row = m_gaugeCombo->currentIndex();
    if (!jumper || row < 0)
        return nullptr;
    // The gauge list leaves out null wires, so row n is the n-th wire present.
    int rowOfWire = 0;
    for (YmWire *wire : jumper->CustomWireList) {
        if (!wire)
            continue;
        if (rowOfWire == row)
            return wire;
        ++rowOfWire;
    }
    return nullptr;
}

void JWidget::refreshGauges()
{
    const YmJumper *jumper = selectedJumper();
    if (!jumper) {
        m_gaugeCombo->clear(); // no type, no wires to offer
        return;
    }
    if (jumper->IsCustom) {
        m_gaugeCombo->clear();
        for (const YmWire *wire : jumper->CustomWireList) {
            if (wire)
                m_gaugeCombo->addItem(wire->Name);
        }
        const int defaultRow = jumper->DefaultCustomWire;
        if (defaultRow >= 0 && defaultRow < m_gaugeCombo->count())
            m_gaugeCombo->setCurrentIndex(defaultRow);
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

void JWidget::lengthAndResistance(double &length, double &resistance) const
{
    const YmJumper *jumper = selectedJumper();
    if (!jumper)
        return;
    if (!jumper->IsCustom) {
        length = jumper->ElectricalLength;
        resistance = jumper->Resistance;
        return;
    }
    length = m_lengthSpin->value();
    // Without a wire the caller's figure stands as the resistance per foot.
    if (const YmWire *wire = selectedWire())
        resistance = wire->Resistance;
    resistance = length * resistance;
}

int JWidget::maxInARow() const
{
    const YmJumper *jumper = selectedJumper();
    return jumper ? jumper->MaxInARow : 0;
}
