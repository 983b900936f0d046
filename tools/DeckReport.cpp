#include "DeckReport.h"

#include "CommandTable.h"

#include "deck/DeckColours.h"
#include "deckfile/DeckComparison.h"
#include "deckfile/DeckFileText.h"
#include "deckfile/DeckOpener.h"
#include "deckfile/DeckSaver.h"
#include "platform/HeadlessUi.h"
#include "platform/RuntimeError.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString colourName(Rgb c)
{
    if (c == DeckColours::kAtLimit)
        return u"white"_s;
    if (c == DeckColours::kAboveLimit)
        return u"red"_s;
    return u"yellow"_s;
}

}  // namespace

QString unreadableDeck(const QString& file)
{
    if (file.isEmpty())
        return u"no deck file name given"_s;
    const QFileInfo info(file);
    if (!info.exists())
        return u"no such file"_s;
    if (!info.isFile())
        return u"not a regular file"_s;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return u"cannot be read: "_s + f.errorString();
    return {};
}

void openDeck(const QString& file, OpenedDeck& o) { o.result = openDeckAside(o.state, file, &o.told); }

QString OpenedDeck::problem() const
{
    using Outcome = OpenResult::Outcome;
    switch (result.outcome) {
    case Outcome::Opened:
        if (result.stop == OpenResult::Stop::ReadError)
            return DeckFileText::readErrorMessage().trimmed();
        return result.stop == OpenResult::Stop::RaisedError ? result.error : QString();
    case Outcome::ReloadFailed:
        return told.isEmpty() ? u"the catalogue could not be loaded"_s : told;
    case Outcome::Unreadable:
        return u"cannot be read"_s;
    case Outcome::Cancelled:
    case Outcome::Superseded:
        break;
    }
    return u"not opened"_s;
}

QString OpenedDeck::problemAtLine() const
{
    return (result.stopLine > 0 ? u"line %1: "_s.arg(result.stopLine) : QString()) + problem();
}

bool deckComplete(const Totals& t)
{
    for (TotalLabel l : {TotalLabel::lblSum, TotalLabel::lblSideSum, TotalLabel::lblSide})
        if (t.background(l) != DeckColours::kAtLimit)
            return false;
    return true;
}

QJsonObject deckReport(const QString& file, const OpenedDeck& o)
{
    const Totals& t = o.state.totals;
    const CardGrid& grid = o.state.fpsCardList;
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(grid, &rows);
    QJsonArray cards;
    for (size_t i = 0; i < rows.size(); ++i)
        cards.append(QJsonObject{{u"no"_s, deck.cards()[i].number.text()},
                                 {u"name"_s, grid.cellText(colName, rows[i])},
                                 {u"deck"_s, deck.cards()[i].counts.main},
                                 {u"side"_s, deck.cards()[i].counts.side}});
    QJsonArray warnings;
    for (const OpenResult::Warning& w : o.result.warnings)
        warnings.append(QJsonObject{{u"line"_s, w.line}, {u"text"_s, w.text}});
    const QString problem = o.problem();
    const auto orNull = [](bool given, const QJsonValue& v) { return given ? v : QJsonValue(QJsonValue::Null); };
    return QJsonObject{
        {u"file"_s, file},
        {u"ok"_s, problem.isNull()},
        {u"complete"_s, problem.isNull() && deckComplete(t)},
        {u"deckLimit"_s, o.state.limits.glngDeckLimit},
        {u"sideLimit"_s, o.state.limits.glngSideLimit},
        {u"copyLimit"_s, o.state.limits.glngCopyLimit},
        {u"totals"_s, QJsonObject{{u"sum"_s, t.value(TotalLabel::lblSum)},
                                  {u"sideSum"_s, t.value(TotalLabel::lblSideSum)},
                                  {u"side"_s, t.value(TotalLabel::lblSide)},
                                  {u"character"_s, t.value(TotalLabel::lblCharacterSum)},
                                  {u"spell"_s, t.value(TotalLabel::lblSpellSum)},
                                  {u"command"_s, t.value(TotalLabel::lblCommandSum)}}},
        {u"colours"_s, QJsonObject{{u"sum"_s, colourName(t.background(TotalLabel::lblSum))},
                                   {u"sideSum"_s, colourName(t.background(TotalLabel::lblSideSum))},
                                   {u"side"_s, colourName(t.background(TotalLabel::lblSide))}}},
        {u"readError"_s, o.result.stop == OpenResult::Stop::ReadError},
        {u"error"_s, orNull(!problem.isNull(), problem)},
        {u"line"_s, orNull(o.result.stopLine > 0, o.result.stopLine)},
        {u"warnings"_s, warnings},
        {u"cards"_s, cards},
    };
}

QJsonObject unreadableReport(const QString& file, const QString& problem)
{
    return QJsonObject{{u"file"_s, file}, {u"ok"_s, false}, {u"complete"_s, false}, {u"error"_s, problem},
                       {u"line"_s, QJsonValue(QJsonValue::Null)}};
}

int savedStatus(const SaveResult& saved, QTextStream& err)
{
    if (saved.written())
        return kComplete;
    err << saved.path << u": "_s << saved.reason() << u'\n';
    return kFailed;
}

int writtenToStandardOutput(const QByteArray& bytes, const QString& contentError, QTextStream& out, QTextStream& err)
{
    if (!contentError.isNull()) {
        err << u"-: "_s << contentError << u'\n';
        return kFailed;
    }
    out.flush();
    QFile stdOut;
    if (!stdOut.open(stdout, QIODevice::WriteOnly) || stdOut.write(bytes) != bytes.size() || !stdOut.flush()) {
        err << u"-: "_s << stdOut.errorString() << u'\n';
        return kFailed;
    }
    return kComplete;
}

int writtenDeck(const EditorState& state, const QString& target, QTextStream& out, QTextStream& err)
{
    HeadlessUi ui;
    if (target != u"-")
        return savedStatus(saveDeckFile(state, ui, target), err);
    try {
        return writtenToStandardOutput(deckFileBytes(state, ui), {}, out, err);
    } catch (const RuntimeError& e) {
        return writtenToStandardOutput({}, e.description(), out, err);
    }
}

bool openDeckToRead(const QString& file, OpenedDeck& o, QTextStream& err, DeckWarnings warnings)
{
    if (const QString problem = unreadableDeck(file); !problem.isNull()) {
        err << file << u": "_s << problem << u'\n';
        return false;
    }
    openDeck(file, o);
    if (warnings == DeckWarnings::Tell)
        for (const OpenResult::Warning& w : o.result.warnings)
            err << file << u": warning: "_s << (w.line > 0 ? u"line %1: "_s.arg(w.line) : QString()) << w.text << u'\n';
    if (!o.problem().isNull()) {
        err << file << u": "_s << o.problemAtLine() << u'\n';
        return false;
    }
    return true;
}

int usageError(QTextStream& err, const QString& message)
{
    err << programName() << u": "_s << message << u" (see "_s << programName() << u" --help)\n"_s;
    return kFailed;
}

int commandUsageError(const QString& command, const QString& message, QTextStream& err)
{
    return usageError(err, command + u": "_s + message);
}

std::optional<qint64> integerOption(const QCommandLineParser& args, const QString& command, const QString& name, qint64 min, qint64 max,
                                    qint64 fallback, QTextStream& err)
{
    if (!args.isSet(name))
        return fallback;
    bool ok = false;
    const QString text = args.value(name);
    const qint64 v = text.toLongLong(&ok);
    if (ok && v >= min && v <= max && !text.startsWith(u'+'))
        return v;
    commandUsageError(command, u"--%1 must be a whole number from %2 to %3, not \"%4\""_s.arg(name).arg(min).arg(max).arg(text), err);
    return std::nullopt;
}

QString jsonQuoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsonObject(const QList<std::pair<QString, QString>>& members)
{
    QStringList parts;
    for (const auto& [key, value] : members)
        parts << jsonQuoted(key) + u": "_s + value;
    return u'{' + parts.join(u", "_s) + u'}';
}

QString jsonNumber(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }
