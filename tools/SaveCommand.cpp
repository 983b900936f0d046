#include "SaveCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deckfile/DeckSaver.h"
#include "platform/HeadlessUi.h"
#include "platform/RuntimeError.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

int saveCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    OpenedDeck o;
    if (!openDeckToWrite(args.positionalArguments()[0], o, err))
        return kFailed;
    HeadlessUi ui;
    const QString target = args.positionalArguments()[1];
    if (target != u"-")
        return savedStatus(saveDeckFile(o.state, ui, target), err);
    try {
        return writtenToStandardOutput(deckFileBytes(o.state, ui), {}, out, err);
    } catch (const RuntimeError& e) {
        return writtenToStandardOutput({}, e.description(), out, err);
    }
}
