#include "SheetCommand.h"

#include "CommandTable.h"
#include "DeckReport.h"

#include "sheet/DeckSheet.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int sheetCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err)
{
    // Text is drawn through the platform's fonts, which only a QGuiApplication brings.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << u"sheet: started without the fonts it draws with\n"_s;
        return kFailed;
    }
    OpenedDeck o;
    if (!openDeckToRead(args.positionalArguments()[0], o, err, DeckWarnings::Keep))
        return kFailed;
    const QString target = args.positionalArguments()[1];
    if (target != u"-")
        return savedStatus(saveDeckSheetFile(o.state, target), err);
    QByteArray png;
    const QString problem = deckSheetPng(o.state, png);
    return writtenToStandardOutput(png, problem, out, err);
}
