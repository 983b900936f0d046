#pragma once

#include "catalogue/EditorState.h"
#include "deckfile/DeckOpener.h"
#include "platform/FileWrite.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

class QCommandLineParser;
class QTextStream;

// A deck file opened as the editor opens it, and what the companion reports of it.
struct OpenedDeck {
    EditorState state;
    OpenResult result;
    QString told;  // what the opening told the user beyond the result (a failed reload's message)

    // Why the deck is not all there, in one line without the file name; null when it is.
    QString problem() const;
    // The same after the line it stopped at: "line 3: …".
    QString problemAtLine() const;
};

// Why a deck file cannot be read at all (without the file name), or a null text when it can. The
// editor opens such a file as an empty deck; here that would pass for a deck read completely.
QString unreadableDeck(const QString& file);
void openDeck(const QString& file, OpenedDeck& o);
// Opens a deck a command works from: false, with the reason told on err, unless it was read
// completely (figures of a deck read in part would pass for the deck's own). A command that
// prints figures tells the warnings too; one that writes the deck out keeps quiet about them.
enum class DeckWarnings { Tell, Keep };
bool openDeckToRead(const QString& file, OpenedDeck& o, QTextStream& err, DeckWarnings warnings = DeckWarnings::Tell);
// The value of an integer option within [min, max], or fallback when it is not given; nullopt, with
// a usage error told on err, when it is not such a number.
std::optional<qint64> integerOption(const QCommandLineParser& args, const QString& command, const QString& name, qint64 min, qint64 max,
                                    qint64 fallback, QTextStream& err);
// A usage error: one line pointing at the help, never the whole help; answers kFailed. A command's names the command.
int usageError(QTextStream& err, const QString& message);
int commandUsageError(const QString& command, const QString& message, QTextStream& err);

// JSON written by hand, so that keys come in the order a reader expects.
QString jsonQuoted(const QString& text);
QString jsonObject(const QList<std::pair<QString, QString>>& members);
// A double exactly as read back (shortest form that round-trips).
QString jsonNumber(double value);
// A command's exit status for a save into a file; a failure is told on err with the file's name.
int savedStatus(const SaveResult& saved, QTextStream& err);
// Bytes written onto standard output for the OUT "-", or why not.
int writtenToStandardOutput(const QByteArray& bytes, const QString& contentError, QTextStream& out, QTextStream& err);
// The deck of state saved as a deck file into target, or onto standard output for "-".
int writtenDeck(const EditorState& state, const QString& target, QTextStream& out, QTextStream& err);
// Every size check met: the three totals the exit status tests are at their limits.
bool deckComplete(const Totals& t);
QJsonObject deckReport(const QString& file, const OpenedDeck& o);
// The report of a file that could not be opened at all.
QJsonObject unreadableReport(const QString& file, const QString& problem);
