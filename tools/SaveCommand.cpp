#include "SaveCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "deckfile/DeckSaver.h"
#include "platform/HeadlessUi.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

int saveCommand(const QCommandLineParser& args, QTextStream&, QTextStream& err)
{
    OpenedDeck o;
    if (!openDeckToWrite(args.positionalArguments()[0], o, err))
        return kFailed;
    HeadlessUi ui;
    ui.savePath = args.positionalArguments()[1];
    fsubSaveFile(o.state, ui);
    return wroteFile(ui, err) ? kComplete : kFailed;
}
