#include "QtFileChooser.h"

#include "platform/desktop/FileDialog.h"

namespace {

// The owner window, when the id names one of ours.
QWidget* ownerWindow(quintptr owner)
{
    return owner ? QWidget::find(static_cast<WId>(owner)) : nullptr;
}

}  // namespace

QString QtFileChooser::chooseFile(const FileChoice& choice)
{
    FileDialog dialog(ownerWindow(choice.owner), choice.title);
    // Windows shows a filter's description alone; descriptions there name their patterns themselves.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
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
    dialog.startIn(choice.folder);
    return dialog.run();
}

QString QtFileChooser::chooseFolder(quintptr owner, const QString& title, const QString& startFolder)
{
    FileDialog dialog(ownerWindow(owner), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.startIn(startFolder);
    return dialog.run();
}
