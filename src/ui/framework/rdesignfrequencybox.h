#pragma once

#include "core/designfrequency.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class RBox;

// The box of a network's design frequency: its caption above a grey box
// holding the value edit and the frequency unit radios, drawn like the
// quantities' boxes. It holds no value of its own: the form shows the
// calculation's design frequency in it and takes the user's changes back.
class RDesignFrequencyBox final : public QWidget {
    Q_OBJECT

public:
    explicit RDesignFrequencyBox(QWidget* parent = nullptr);

    // Writes the frequency into the edit and checks its unit; the form sets
    // its loading flag around this, as it does for any box.
    void Show(const DesignFrequency& frequency);
    // What the box shows: the edit's text and the checked unit.
    DesignFrequency Shown() const;
    QLineEdit* Edit() const { return edit_; }

signals:
    void TextChanged();
    void UnitClicked(int unit);

private:
    void CheckUnit(int unit);

    QLabel* caption_;
    RBox* box_;
    QLineEdit* edit_;
    QButtonGroup* units_;
};
