#pragma once

#include "ui/calculators/rf/advicepopup.h"

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QLabel;
class QLayout;
class QWindow;

// The advice window: a small borderless window over the main window with a
// bold title, an italic equation, the advice and a line saying how to
// dismiss it. It never takes the keyboard from the edit being typed into and
// blocks nothing: a click anywhere (on it or in the program) or another
// window becoming active hides it. One instance lives for the whole run.
class TFormMessage final : public QWidget, public AdvicePopup {
    Q_OBJECT

public:
    // The owner is the main window: the advice stays with it when it moves.
    explicit TFormMessage(QWidget* owner = nullptr);
    ~TFormMessage() override;

    void ShowAdvice(int kind, const QString& first, const QString& second, int left, int top,
                    int right, int bottom) override;

    // The window's top left centred on the rectangle, each half rounded
    // toward zero, before it is kept on the screen.
    static QPoint CentredPosition(int left, int top, int right, int bottom, QSize size);
    // The position moved just as far as needed for the whole window to lie
    // within the available area (its top left wins when it cannot).
    static QPoint KeptWithin(QPoint position, QSize size, const QRect& available);

    void PanelMainClick() { hide(); }
    void BoxBackgroundMouseDown() { hide(); }
    void FormDeactivate() { hide(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FocusWindowChanged(QWindow* window);
    // Places the window over the rectangle on the screen the rectangle's
    // centre lies on (or the nearest one).
    void Place(const QRect& over);
    int FixedWidthFor(const QString& equation) const;
    // The size that holds every advice, taken once.
    void FixSize(QLayout* layout);

    QPointer<QWidget> owner_;
    // The rectangle the advice is centred on, as margins inside the owner's
    // rectangle: they stay the same when the owner moves or is resized.
    QMargins insideOwner_;
    QRect over_;
    QWidget* panel_;
    QWidget* background_;
    QLabel* title_;
    QLabel* equation_;
    QLabel* message_;
    QLabel* dismiss_;
    int baseWidth_ = 0;
    int messageHeight_ = 0;
    bool watchingApplication_ = false;
};
