#pragma once

#include "QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace Fixtures {

// Writes text as CP932 bytes, lines joined with CR LF (and a final CR LF).
void writeCp932Lines(const QString& path, const QStringList& lines);
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// Lines of a catalogue: the "Card" section, then one section per card given as "key=value" lines.
struct CardSpec {
    QString section;      // "001", "P01", ...
    QStringList keyLines; // "Name=…", "Type=…"
};
QStringList catalogueLines(const QString& total, const QString& showSelect, const QString& deck,
                           const QString& limit, const QList<CardSpec>& cards);

// A program folder in a temporary directory, set as the program folder while the object lives.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir_.path(); }
    QString cataloguePath() const;
    void writeCatalogue(const QStringList& lines) const;
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

}  // namespace Fixtures
