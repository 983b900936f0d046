#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QVariant;

// What the editor keeps between runs besides deck files and the catalogue's ShowSelect: the deck
// files last opened or saved (newest first, at most kMax) and the folder the deck dialogs last
// used, in an INI file of the user's configuration folder ($XDG_CONFIG_HOME/tessarin/
// tessarin.ini). Never required: a file that is missing or unreadable reads as empty, a damaged
// one as what of it can be read (and is written afresh; one Qt cannot read at all is left alone),
// and one that cannot be written keeps what this run adds in memory only; nothing is said.
class RecentDecks {
public:
    static constexpr qsizetype kMax = 10;

    RecentDecks();  // the user's file
    explicit RecentDecks(const QString& file);
    ~RecentDecks();

    QStringList files() const;
    // Puts path first, once, dropping the oldest past kMax.
    void add(const QString& path);
    void clear();

    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // Any other small value the editor keeps (a window's last choice).
    qint32 number(const QString& key, qint32 fallback) const;
    void setNumber(const QString& key, qint32 value);

private:
    bool usable() const;
    void write(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
    bool unreadable_;
};
