#pragma once

#include <QLineEdit>
#include <QString>

// A text the program sets shows its start: a long number keeps its sign and
// leading digits in view. What the user types is never set this way.
inline void SetTextFromStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}
