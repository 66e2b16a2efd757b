#pragma once

#include "jumperchoice.h"

#include <QFrame>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class YmFixture;
class YmJumper;
class YmWire;

// The jumper selector of a jumper cell: the jumper types its fixture allows
// and, for a custom type, the wire gauge and the length in feet.
class JWidget : public QFrame
{
    Q_OBJECT

public:
    explicit JWidget(YmFixture *fixture, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~JWidget() override;

    // Refills the gauge list for the selected jumper type and shows or hides
    // the gauge and length controls to match it.
    void refreshGauges();
    // What the selector holds, as the run's rules see it (its gauge names
    // left out: the figures do not need them).
    JumperChoice choice() const;
    // Shows a choice of this selector's fixture: its type row, the gauges
    // that type offers and its gauge row, and its length.
    void showChoice(const JumperChoice &choice);
    // The electrical length (feet) and resistance (ohms) of the chosen jumper;
    // false, and both as passed in, when its type or a custom type's wire is
    // not chosen.
    bool lengthAndResistance(double &length, double &resistance) const;
    // The selected jumper type's limit of jumpers in a row; 0 for none.
    int maxInARow() const;

    YmFixture *fixture() const { return m_fixture; }
    // The selected jumper type, or null when the row names none.
    YmJumper *selectedJumper() const;
    // The selected wire of a custom jumper type, or null when the row names none.
    YmWire *selectedWire() const;

    QComboBox *jumperCombo() const { return m_jumperCombo; }
    QComboBox *gaugeCombo() const { return m_gaugeCombo; }
    QSpinBox *lengthSpin() const { return m_lengthSpin; }

private:
    void setCustomControlsVisible(bool visible);

    YmFixture *m_fixture;
    QHBoxLayout *m_layout;
    QComboBox *m_jumperCombo;
    QComboBox *m_gaugeCombo;
    QLabel *m_awgLabel;
    QSpinBox *m_lengthSpin;
    QLabel *m_ftLabel;
};
