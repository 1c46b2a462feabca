#pragma once

#include <QDialog>
#include <QPointer>

class QVBoxLayout;
class TFormSplash;

// The About box. It has no picture of its own: at every showing it takes the
// splash window's picture control into its upper panel.
class TFormAbout final : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(TFormSplash* splash, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ButtonOKClick();
    void CentreOnScreen();

    QPointer<TFormSplash> splash_;
    QWidget* panelTop_;
    QVBoxLayout* panelTopLayout_;
};
