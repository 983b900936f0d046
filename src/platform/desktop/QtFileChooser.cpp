#include "QtFileChooser.h"

#include <QFileDialog>

namespace {

// The owner window, when the id names one of ours.
QWidget* ownerWindow(quintptr owner)
{
    return owner ? QWidget::find(static_cast<WId>(owner)) : nullptr;
}

QString run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void startIn(QFileDialog& dialog, const QString& folder)
{
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
}

}  // namespace

QString QtFileChooser::chooseFile(const FileChoice& choice)
{
    QFileDialog dialog(ownerWindow(choice.owner), choice.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (choice.kind == FileChoice::Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // The caller decides about an existing file; the dialog only names it.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!choice.nameFilters.isEmpty())
        dialog.setNameFilters(choice.nameFilters);
    startIn(dialog, choice.folder);
    return run(dialog);
}

QString QtFileChooser::chooseFolder(quintptr owner, const QString& title, const QString& startFolder)
{
    QFileDialog dialog(ownerWindow(owner), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    startIn(dialog, startFolder);
    return run(dialog);
}
