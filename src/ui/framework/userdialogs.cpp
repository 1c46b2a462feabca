#include "ui/framework/userdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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

} // namespace

UserDialogs::Answer DesktopDialogs::Ask(QWidget* parent, const QString& question,
                                        bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, Title, question, buttons, parent);
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
