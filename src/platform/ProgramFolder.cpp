#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString clean(const QString& folder)
{
    QString p = QDir::fromNativeSeparators(folder);
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p;
}
}  // namespace

namespace ProgramFolder {

QString path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString env = qEnvironmentVariable("TESSARIN_HOME");
    if (!env.isEmpty())
        return clean(env);
    return clean(QCoreApplication::applicationDirPath());
}

QString catalogueFile() { return path() + u"/card/cardlist.ini"_s; }
QString imageMapFile() { return path() + u"/player.ini"_s; }
QString cardPicture(const QString& fileValue) { return path() + u"/card/"_s + fileValue; }

void setOverride(const QString& folder) { overrideFolder() = folder.isEmpty() ? QString() : clean(folder); }

}  // namespace ProgramFolder
