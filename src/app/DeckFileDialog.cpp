#include "DeckFileDialog.h"

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

QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == u"*.*")
                p = u"*"_s;  // every file, as "*.*" means on Windows, names without a dot included
        }
        out << parts[i].trimmed() + u" ("_s + patterns.join(u' ') + u')';
    }
    return out;
}

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
