#include "DeckOpener.h"

#include "DeckFileText.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/CardRows.h"
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

// Replays one record; answers a warning text when the record was dropped or cut short.
QString replayRecord(EditorState& state, CardRows& rows, const QStringList& fields, bool sideBoard)
{
    const double v = NumericText::leadingValue(fields[0]);
    if (v == 0)
        return {};
    if (fields.size() < 2)
        throw RuntimeError::outOfRange();
    const qint32 presses = NumericText::toInt32(std::abs(v));
    const qint32 row = rows.row(fields[1]);
    if (row == 0)
        return u"card %1 is not in the catalogue"_s.arg(fields[1]);
    const qint32 col = v < 0 ? colSideDown : (sideBoard ? colSideUp : colDeckUp);
    qint32 taken = 0;
    // A press that changed nothing leaves the same state for the next: the rest are absorbed too.
    while (taken < presses && fpsCardList_ButtonClicked(state.fpsCardList, state.totals, state.limits, col, row, 0))
        ++taken;
    // A fraction rounded away is cut short as much as a press the limits absorbed.
    if (double(taken) == std::abs(v))
        return {};
    return u"count %1 of card %2 read as %3"_s.arg(fields[0], fields[1]).arg(v < 0 ? -taken : taken);
}

}  // namespace

QString deckDisplayName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName, DeckOpenNotes* notes)
{
    qint32 records = 0;
    qint32 line = 0;  // the line being replayed; 0 before the first
    const auto warn = [&](const QString& text) {
        if (notes && !text.isEmpty())
            notes->warnings.append({line, text});
    };
    const auto stopped = [&](const QString& error) {
        if (notes) {
            notes->failedLine = line;
            notes->error = error;
        }
    };
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
        if (!file.OpenFile(openName, mode)) {
            // Missing or unreadable (a folder, a device, a pipe): the deck and title on screen are kept.
            ui.messageBox(DeckFileText::unreadableFileMessage(path), AppInfo::appTitle(), MsgIcon::Error,
                          MsgButtons::Ok);
            return 0;
        }
        // A reload that failed has told the user and changed nothing: the deck on screen stays.
        if (flngLoadCardList(state, ui, false) != 0) {
            file.CloseFile();
            return 0;
        }
        ui.setWindowTitle(AppInfo::fileWindowTitle(display));
        state.deckName = display;

        // Events run between records: the player may sort or filter (rows move, so records find
        // their cards by number), or reload or open another deck, which ends this opening.
        const quint64 loads = state.catalogueLoads;
        CardRows rows(state);
        bool sideBoard = false;
        for (;;) {
            ui.processEvents();
            if (state.catalogueLoads != loads) {
                if (notes)
                    notes->superseded = true;
                file.CloseFile();
                return 0;
            }
            line = records + 1;
            QStringList fields;
            if (!file.ReadData(fields))
                break;
            if (fields[0] == DeckFileText::separator())
                sideBoard = true;
            else if (NumericText::isNumeric(fields[0]))
                warn(replayRecord(state, rows, fields, sideBoard));
            else
                warn(u"not a record"_s);
            ++records;
        }
        ui.totalsChanged();

        QString countName;
        if (records < file.CountRecord(countName)) {
            stopped(DeckFileText::readErrorMessage().trimmed());
            ui.messageBox(DeckFileText::readErrorMessage(), AppInfo::appTitle(), MsgIcon::Error, MsgButtons::Ok);
        }
        file.CloseFile();
    } catch (const RuntimeError& e) {
        file.CloseFile();
        ui.totalsChanged();
        stopped(e.description());
        ui.messageBox(e.description() + u"\r\n"_s + istrFileName, AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
    return 0;
}
