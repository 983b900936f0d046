#include "Fixtures.h"

#include "platform/Cp932.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace Fixtures {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("fixture write failed");
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeCp932Lines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += Cp932::encode(line);
        bytes += "\r\n";
    }
    writeBytes(path, bytes);
}

QStringList catalogueLines(const QString& total, const QString& showSelect, const QString& deck,
                           const QString& limit, const QList<CardSpec>& cards)
{
    QStringList lines{u"[Card]"_s};
    if (!total.isNull())
        lines << u"Total="_s + total;
    if (!showSelect.isNull())
        lines << u"ShowSelect="_s + showSelect;
    if (!deck.isNull())
        lines << u"Deck="_s + deck;
    if (!limit.isNull())
        lines << u"Limit="_s + limit;
    for (const CardSpec& card : cards) {
        lines << QString();
        lines << u"["_s + card.section + u"]"_s;
        lines << card.keyLines;
    }
    return lines;
}

TempHome::TempHome()
{
    QDir(dir_.path()).mkpath(u"card"_s);
    ProgramFolder::setOverride(dir_.path());
}

TempHome::~TempHome() { ProgramFolder::setOverride(QString()); }

QString TempHome::cataloguePath() const { return dir_.filePath(u"card/cardlist.ini"_s); }

void TempHome::writeCatalogue(const QStringList& lines) const { writeCp932Lines(cataloguePath(), lines); }

}  // namespace Fixtures
