#include "SaveCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include <QCommandLineParser>
#include <QTextStream>

int saveCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    OpenedDeck o;
    if (!openDeckToRead(args.positionalArguments()[0], o, err, DeckWarnings::Keep))
        return kFailed;
    return writtenDeck(o.state, args.positionalArguments()[1], out, err);
}
