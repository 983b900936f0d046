#include "RecentDecks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString kFiles = u"recent/files"_s;
const QString kFolder = u"dialogs/lastFolder"_s;

QString userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tessarin/tessarin.ini"_s;
}

}  // namespace

RecentDecks::RecentDecks() : RecentDecks(userFile()) {}

RecentDecks::RecentDecks(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)),
      unreadable_(settings_->status() == QSettings::FormatError)
{
}

RecentDecks::~RecentDecks() = default;

// Decided once: a write that fails later leaves an error status, yet what it set stays readable.
bool RecentDecks::usable() const { return !unreadable_; }

QStringList RecentDecks::files() const
{
    if (!usable())
        return {};
    // A damaged or hand-edited file may hold anything: only absolute paths on one line are decks.
    QStringList list;
    for (const QString& path : settings_->value(kFiles).toStringList())
        if (QDir::isAbsolutePath(path) && !path.contains(u'\n') && !path.contains(u'\r') && !list.contains(path))
            list << path;
    return list.mid(0, kMax);
}

void RecentDecks::write(const QString& key, const QVariant& value)
{
    // A file Qt cannot read is left as it is; one that cannot be written keeps the value in memory.
    if (!usable())
        return;
    settings_->setValue(key, value);
    settings_->sync();
}

void RecentDecks::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    write(kFiles, list.mid(0, kMax));
}

void RecentDecks::clear() { write(kFiles, QStringList()); }

QString RecentDecks::lastFolder() const { return usable() ? settings_->value(kFolder).toString() : QString(); }

void RecentDecks::setLastFolder(const QString& folder) { write(kFolder, folder); }

qint32 RecentDecks::number(const QString& key, qint32 fallback) const
{
    bool ok = false;
    const qint32 v = usable() ? settings_->value(key).toInt(&ok) : 0;
    return ok ? v : fallback;
}

void RecentDecks::setNumber(const QString& key, qint32 value) { write(key, value); }
