#include "ui/framework/userdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

const QString Title = QStringLiteral("Kelvo");
const QString Filter = QStringLiteral("Kelvo Worksheet (*.kvw);;All Files (*)");

bool RunFileDialog(QWidget* parent, const QString& title, const QString& folder, QString& path,
                   QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, folder, Filter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("kvw"));
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst();
    // Desktop-provided dialogs may ignore the default suffix; a worksheet
    // saved without an extension gets it all the same.
    if (mode == QFileDialog::AcceptSave && QFileInfo(path).suffix().isEmpty() &&
        dialog.selectedNameFilter().contains(QStringLiteral("*.kvw")))
        path += QStringLiteral(".kvw");
    return true;
}

// A save dialog for an export in one of several formats, starting at the
// proposed path with its format chosen; a name typed without an extension
// takes the chosen format's.
struct FileChoice {
    const char* filter;
    const char* suffix;
};

template <size_t N>
bool RunExportDialog(QWidget* parent, const QString& title, const QString& proposed,
                     const FileChoice (&choices)[N], QString& path) {
    QStringList filters;
    for (const FileChoice& choice : choices)
        filters << QString::fromLatin1(choice.filter);
    QFileDialog dialog(parent, title, proposed);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString proposedSuffix = QFileInfo(proposed).suffix().toLower();
    for (const FileChoice& choice : choices) {
        if (proposedSuffix == QLatin1String(choice.suffix))
            dialog.selectNameFilter(QString::fromLatin1(choice.filter));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty()) {
        for (const FileChoice& choice : choices) {
            if (dialog.selectedNameFilter() == QLatin1String(choice.filter))
                path += u'.' + QString::fromLatin1(choice.suffix);
        }
    }
    return true;
}

} // namespace

UserDialogs::Answer DesktopDialogs::Ask(QWidget* parent, const QString& question, bool withCancel,
                                        Answer defaultAnswer) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, Title, question, buttons, parent);
    switch (defaultAnswer) {
    case Answer::Yes:
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Answer::No:
        box.setDefaultButton(QMessageBox::No);
        break;
    case Answer::Cancel:
        box.setDefaultButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

void DesktopDialogs::ShowMessage(QWidget* parent, MessageBoxKind, const QString& text) {
    // All three kinds share the error icon.
    QMessageBox box(QMessageBox::Critical, Title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopDialogs::GetOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                     QString& path) {
    return RunFileDialog(parent, title, folder, path, QFileDialog::AcceptOpen);
}

bool DesktopDialogs::GetSaveFileName(QWidget* parent, const QString& title, const QString& folder,
                                     QString& path) {
    return RunFileDialog(parent, title, folder, path, QFileDialog::AcceptSave);
}

bool DesktopDialogs::GetText(QWidget* parent, const QString& title, const QString& prompt,
                             int maxLength, QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        edit->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

bool DesktopDialogs::GetColor(QWidget* parent, QColor& color) {
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

bool UserDialogs::GetReportFileName(QWidget*, const QString&, QString&) { return false; }

bool UserDialogs::GetChartFileName(QWidget*, const QString&, QString&) {
    return false;
}

void UserDialogs::PrintPreview(QWidget*, QTextDocument&) {}

bool UserDialogs::MayReplace(QWidget* parent, const QString& path) {
    return !QFileInfo::exists(path) ||
           Ask(parent, QStringLiteral("Overwrite file '") + path + QStringLiteral("'?"), false,
               Answer::No) == Answer::Yes;
}

bool DesktopDialogs::GetReportFileName(QWidget* parent, const QString& proposed, QString& path) {
    static const FileChoice choices[] = {{"PDF Document (*.pdf)", "pdf"},
                                         {"HTML Page (*.html *.htm)", "html"},
                                         {"Text (*.txt)", "txt"},
                                         {"CSV Table (*.csv)", "csv"}};
    return RunExportDialog(parent, QStringLiteral("Export Report"), proposed, choices, path);
}

bool DesktopDialogs::GetChartFileName(QWidget* parent, const QString& proposed, QString& path) {
    static const FileChoice choices[] = {{"PNG Image (*.png)", "png"},
                                         {"SVG Drawing (*.svg)", "svg"}};
    return RunExportDialog(parent, QStringLiteral("Export Chart"), proposed, choices, path);
}

void DesktopDialogs::PrintPreview(QWidget* parent, QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Report"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { document.print(target); });
    preview.exec();
}
