#include "DeckFileDialog.h"

#include "platform/FilterText.h"
#include "platform/desktop/FileDialog.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The extension of a filter's first pattern ("*.deck" -> "deck"); "" for "*.*".
QString extensionOf(const QString& qtFilter)
{
    static const QRegularExpression pattern(u"\\(\\*\\.([A-Za-z0-9]+)[ )]"_s);
    const auto matches = pattern.globalMatch(qtFilter);
    QString last;
    for (auto it = matches; it.hasNext();)
        last = it.next().captured(1);
    return last;
}

// The settings both dialogs share. The descriptions already name their patterns, so the dialog
// shows only the description.
void prepare(QFileDialog& dialog, const QStringList& filters)
{
    dialog.setObjectName(u"CommonDialog1"_s);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
}

}  // namespace

namespace DeckFileDialog {

QStringList nameFilters(const QString& filter) { return FilterText::fromBarSeparated(filter); }

void prepareOpen(QFileDialog& dialog, const QString& filter)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, nameFilters(filter));
}

void prepareSave(QFileDialog& dialog, const QString& filter)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters(filter);
    prepare(dialog, filters);
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(extensionOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(extensionOf(f)); });
}

QString open(QWidget* parent, const QString& filter)
{
    FileDialog dialog(parent);
    prepareOpen(dialog, filter);
    dialog.startIn();
    return dialog.run();
}

QString save(QWidget* parent, const QString& filter)
{
    FileDialog dialog(parent);
    prepareSave(dialog, filter);
    dialog.startIn();
    return dialog.run();
}

}  // namespace DeckFileDialog
