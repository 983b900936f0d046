#pragma once

#include "QtPrinters.h"

#include "platform/Cp932.h"
#include "platform/ProfileCache.h"
#include "platform/ProgramFolder.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>

namespace Fixtures {

// While it lives, the profile cache's clock runs a second ahead: a file it reads looks settled at
// once, where a test would otherwise wait out the change time's tick.
struct SettledFiles {
    SettledFiles()
    {
        ProfileCache::setClock([] { return (QDateTime::currentMSecsSinceEpoch() + 1000) * qint64(1'000'000); });
    }
    ~SettledFiles() { ProfileCache::setClock(nullptr); }
    SettledFiles(const SettledFiles&) = delete;
    SettledFiles& operator=(const SettledFiles&) = delete;
};

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("fixture write failed");
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Text as CP932 bytes, each line ended with CR LF.
inline QByteArray cp932Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Cp932::encode(line) + "\r\n";
    return bytes;
}

inline void writeCp932Lines(const QString& path, const QStringList& lines) { writeBytes(path, cp932Lines(lines)); }

// Lines of a catalogue: the "Card" section (a null setting is left out), then one section per card
// given as "key=value" lines.
struct CatalogueCard {
    QString section;       // "001", "P01", ...
    QStringList keyLines;  // "Name=…", "Type=…"
};
inline QStringList catalogueLines(const QString& total, const QString& showSelect, const QString& deck,
                                  const QString& limit, const QList<CatalogueCard>& cards)
{
    QStringList lines{QStringLiteral("[Card]")};
    const std::pair<const char16_t*, QString> settings[] = {
        {u"Total=", total}, {u"ShowSelect=", showSelect}, {u"Deck=", deck}, {u"Limit=", limit}};
    for (const auto& [key, value] : settings)
        if (!value.isNull())
            lines << QString::fromUtf16(key) + value;
    for (const CatalogueCard& card : cards)
        lines << QString() << QStringLiteral("[%1]").arg(card.section) << card.keyLines;
    return lines;
}

// Files in a temporary folder that goes away with the object.
class TempFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes bytes to the named file and answers its path.
    QString withBytes(const QString& name, const QByteArray& bytes) const
    {
        writeBytes(file(name), bytes);
        return file(name);
    }

private:
    QTemporaryDir dir_;
};

// A temporary folder set as the program folder while the object lives.
class TempHome : public TempFolder {
public:
    TempHome()
    {
        QDir(path()).mkpath(QStringLiteral("card"));
        ProgramFolder::setOverride(path());
    }
    ~TempHome() { ProgramFolder::setOverride(QString()); }
    QString cataloguePath() const { return file(QStringLiteral("card/cardlist.ini")); }
    void writeCatalogue(const QStringList& lines) const { writeCp932Lines(cataloguePath(), lines); }
};

}  // namespace Fixtures
