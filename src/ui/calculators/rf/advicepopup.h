#pragma once

class QString;

// The window that tells the user what to add in series with the antenna
// when an analyser reading cannot give an accurate impedance. The antenna
// calculator reaches it through the application context, so that it can be
// tested with a recorder.
class AdvicePopup {
public:
    virtual ~AdvicePopup() = default;
    // Shows the advice of the kind (1 to 4) with its two texts, centred on
    // the rectangle given in screen coordinates (right and bottom are the
    // first pixels outside it), and returns at once.
    virtual void ShowAdvice(int kind, const QString& first, const QString& second, int left,
                            int top, int right, int bottom) = 0;
};
