#include "CardPicture.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace CardPicture {

bool isOrdinaryFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString resolve(const QString& fileValue)
{
    if (fileValue.isEmpty())
        return QString();
    const QString cardFolder = QDir::cleanPath(ProgramFolder::path() + u"/card"_s);
    QString relative = fileValue;
    relative.replace(u'\\', u'/');
    const QString exact = QDir::cleanPath(cardFolder + u'/' + relative);
    if (!exact.startsWith(cardFolder + u'/'))
        return QString();
    if (isOrdinaryFile(exact))
        return exact;

    // Walk down from the card folder, taking each name as spelled when it exists, else the first
    // entry (in name order) that differs from it in letter case only.
    QString path = cardFolder;
    const QStringList names = exact.sliced(cardFolder.size() + 1).split(u'/');
    for (const QString& name : names) {
        const QString spelled = path + u'/' + name;
        if (QFileInfo::exists(spelled)) {
            path = spelled;
            continue;
        }
        const QStringList entries =
            QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
            return entry.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return QString();
        path += u'/' + *match;
    }
    return isOrdinaryFile(path) ? path : QString();
}

}  // namespace CardPicture
