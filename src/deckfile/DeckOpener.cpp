#include "DeckOpener.h"

#include "DeckFileText.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"
#include "platform/AppInfo.h"
#include "platform/NumericText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/clsFileIO.h"
#include "platform/modFuncRim.h"

#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The grid row a record's card number names, or 0 when it names none. Directly after a load,
// regular card n is row n and promotional card k row (card total + k).
qint32 rowOfCard(const EditorState& state, QStringView number)
{
    double row;
    if (number.startsWith(u'P')) {
        const double k = NumericText::roundHalfEven(NumericText::leadingValue(number.mid(1)));
        if (k < 1)
            return 0;  // "P", "P0": no promotional card has these numbers
        row = state.mlngCardTotal + k;
    } else {
        row = NumericText::roundHalfEven(NumericText::leadingValue(number));
    }
    return row >= 1 && row <= state.fpsCardList.rowCount() ? qint32(row) : 0;
}

void replayRecord(EditorState& state, const QStringList& fields, bool sideBoard)
{
    const double v = NumericText::leadingValue(fields[0]);
    if (v == 0)
        return;
    if (fields.size() < 2)
        throw RuntimeError::outOfRange();
    const qint32 presses = NumericText::toInt32(std::abs(v));
    const qint32 row = rowOfCard(state, fields[1]);
    if (row == 0)
        return;
    const qint32 col = v < 0 ? colSideDown : (sideBoard ? colSideUp : colDeckUp);
    for (qint32 i = 0; i < presses; ++i) {
        // A press that changed nothing leaves the same state for the next: the rest are absorbed too.
        if (!fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, col, row, 0))
            break;
    }
}

}  // namespace

QString deckDisplayName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName)
{
    clsFileIO file;
    try {
        QString path;
        QString display;
        if (istrFileName.isEmpty()) {
            path = ui.chooseOpenFile(DeckFileText::openFilter());
            if (path.isEmpty())
                return 0;
            display = QFileInfo(path).fileName();
        } else {
            if (istrFileName.startsWith(u'"'))
                istrFileName.remove(0, 1);
            if (istrFileName.endsWith(u'"'))
                istrFileName = modFuncRim::pstrRightDel(ui, istrFileName, 1);
            path = istrFileName;
            display = deckDisplayName(path);
        }

        file.setFileName(path);
        QString openName = path;
        qint32 mode = 1;
        if (!file.OpenFile(openName, mode) && QFileInfo::exists(path)) {
            // There but unreadable (a folder, a device, a pipe): the deck on screen is kept.
            ui.messageBox(DeckFileText::readErrorMessage(), AppInfo::appTitle(), MsgIcon::Error, MsgButtons::Ok);
            return 0;
        }
        // A reload that failed has told the user and changed nothing: the deck on screen stays.
        if (flngLoadCardList(state, ui, false) != 0) {
            file.CloseFile();
            return 0;
        }
        ui.setWindowTitle(AppInfo::fileWindowTitle(display));
        state.deckName = display;

        qint32 records = 0;
        bool sideBoard = false;
        for (;;) {
            ui.processEvents();
            QStringList fields;
            if (!file.ReadData(fields))
                break;
            if (fields[0] == DeckFileText::separator())
                sideBoard = true;
            else if (NumericText::isNumeric(fields[0]))
                replayRecord(state, fields, sideBoard);
            ++records;
        }
        ui.totalsChanged();

        QString countName;
        if (records < file.CountRecord(countName))
            ui.messageBox(DeckFileText::readErrorMessage(), AppInfo::appTitle(), MsgIcon::Error, MsgButtons::Ok);
        file.CloseFile();
    } catch (const RuntimeError& e) {
        file.CloseFile();
        ui.totalsChanged();
        ui.messageBox(e.description() + u"\r\n"_s + istrFileName, AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
    return 0;
}
