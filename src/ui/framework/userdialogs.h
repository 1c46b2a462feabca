#pragma once

#include "core/messages.h"

#include <QColor>
#include <QString>

class QTextDocument;
class QWidget;

// Every modal question, message box and common dialog the program shows goes
// through this interface, so that tests can answer them without a screen.
class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;

    // A question titled "Kelvo" with a question icon: Yes and No, plus Cancel
    // when withCancel is set. Enter gives the default answer: No wherever Yes
    // would destroy something (a file overwritten, a calculation deleted).
    virtual Answer Ask(QWidget* parent, const QString& question, bool withCancel,
                       Answer defaultAnswer) = 0;
    // A message box titled "Kelvo" with the error icon and an OK button; the
    // text already carries its "Error: " (or other) prefix.
    virtual void ShowMessage(QWidget* parent, MessageBoxKind kind, const QString& text) = 0;
    // File dialogs for worksheets; false when cancelled.
    virtual bool GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                 QString& path) = 0;
    virtual bool GetSaveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 QString& path) = 0;
    // An input box with the initial text filled in and selected; false when cancelled.
    virtual bool GetText(QWidget* parent, const QString& title, const QString& prompt,
                         int maxLength, QString& text) = 0;
    // The colour dialog preset to the given colour; false when cancelled.
    virtual bool GetColor(QWidget* parent, QColor& color) = 0;
    // The save dialog for a report, offering PDF, HTML, text and CSV by
    // extension and starting at the proposed path; a name typed without an
    // extension takes the chosen type's. False when cancelled.
    virtual bool GetReportFileName(QWidget* parent, const QString& proposed, QString& path);
    // The save dialog for a chart, offering PNG and SVG in the same way.
    virtual bool GetChartFileName(QWidget* parent, const QString& proposed, QString& path);
    // The print preview of a document, from which the system's print dialog
    // prints it.
    virtual void PrintPreview(QWidget* parent, QTextDocument& document);

    // Whether an export may write to the path: true where no file is there,
    // else the answer to "Overwrite file '<path>'?".
    bool MayReplace(QWidget* parent, const QString& path);
};

// The real dialogs of the desktop.
class DesktopDialogs final : public UserDialogs {
public:
    Answer Ask(QWidget* parent, const QString& question, bool withCancel,
               Answer defaultAnswer) override;
    void ShowMessage(QWidget* parent, MessageBoxKind kind, const QString& text) override;
    bool GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                         QString& path) override;
    bool GetSaveFileName(QWidget* parent, const QString& title, const QString& folder,
                         QString& path) override;
    bool GetText(QWidget* parent, const QString& title, const QString& prompt, int maxLength,
                 QString& text) override;
    bool GetColor(QWidget* parent, QColor& color) override;
    bool GetReportFileName(QWidget* parent, const QString& proposed, QString& path) override;
    bool GetChartFileName(QWidget* parent, const QString& proposed, QString& path) override;
    void PrintPreview(QWidget* parent, QTextDocument& document) override;
};
