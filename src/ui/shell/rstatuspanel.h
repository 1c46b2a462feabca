#pragma once

#include <QWidget>

// The first panel of the main window's status bar: a warning is white on
// navy, any other text (a recent file's path) black on the face colour.
// Drawn by hand, it tells assistive technology its text itself: the text is
// its accessible name and description, and every change of it is announced.
class RStatusPanel final : public QWidget {
    Q_OBJECT

public:
    // The accessible name while the panel is empty.
    static const char* const EmptyName;

    explicit RStatusPanel(QWidget* parent = nullptr);

    void ShowWarning(const QString& text);
    void ShowText(const QString& text); // plain text; ends a warning
    void Clear();                       // empty, normal colours

    QString Text() const { return text_; }
    bool Warning() const { return warning_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SetText(const QString& text, bool warning);

    QString text_;
    bool warning_ = false;
};
