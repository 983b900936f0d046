#include "DeckFileDialog.h"

#include <QFileDialog>
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

QString run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

namespace DeckFileDialog {

QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        out << parts[i].trimmed() + u" ("_s + patterns.join(u' ') + u')';
    }
    return out;
}

void prepareOpen(QFileDialog& dialog, const QString& filter)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setObjectName(u"CommonDialog1"_s);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(filter));
}

void prepareSave(QFileDialog& dialog, const QString& filter)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setObjectName(u"CommonDialog1"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(extensionOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(extensionOf(f)); });
}

QString open(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent);
    prepareOpen(dialog, filter);
    return run(dialog);
}

QString save(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent);
    prepareSave(dialog, filter);
    return run(dialog);
}

}  // namespace DeckFileDialog
