#include "FileDialog.h"

#include <QLineEdit>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {
QString& rememberedFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

void FileDialog::startIn(const QString& folder)
{
    if (!folder.isEmpty())
        setDirectory(folder);
    else if (!rememberedFolder().isEmpty())
        setDirectory(rememberedFolder());
}

QString FileDialog::run()
{
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return {};
    return selectedFiles().constFirst();
}

void FileDialog::accept()
{
    // A save names a file that need not exist yet, so "the file must exist" is dropped for it, but
    // its folder must. Qt's own dialog would take the name; a platform dialog has checked it
    // already and is closed by now, so only Qt's is held open here.
    const QStringList files = selectedFiles();
    const auto* nameEdit = findChild<QLineEdit*>(u"fileNameEdit"_s);
    if (acceptMode() == AcceptSave && !files.isEmpty() && nameEdit && nameEdit->isVisible()) {
        const QFileInfo chosen(files.constFirst());
        if (!chosen.isDir() && !chosen.dir().exists()) {
            QMessageBox::warning(this, windowTitle(), missingFolderMessage(chosen.absolutePath()));
            return;
        }
    }
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !files.isEmpty() && fileMode() != Directory)
        rememberedFolder() = QFileInfo(files.constFirst()).absolutePath();
}

QString FileDialog::lastFolder() { return rememberedFolder(); }

void FileDialog::setLastFolder(const QString& folder) { rememberedFolder() = folder; }

QString FileDialog::missingFolderMessage(const QString& folder)
{
    return folder + u"\nフォルダが見つかりません。\nフォルダ名が正しいか確認してください。"_s;
}
