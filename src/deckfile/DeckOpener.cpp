#include "DeckOpener.h"

#include "DeckFileText.h"
#include "DeckRecords.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "platform/AppInfo.h"
#include "platform/Ui.h"
#include "platform/clsFileIO.h"
#include "platform/modFuncRim.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString deckDisplayName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

OpenResult openDeckFile(EditorState& state, Ui& ui, QString& istrFileName)
{
    OpenResult result;
    QString display;
    if (istrFileName.isEmpty()) {
        result.path = ui.chooseOpenFile(DeckFileText::openFilter());
        if (result.path.isEmpty())
            return result;
        display = QFileInfo(result.path).fileName();
    } else {
        if (istrFileName.startsWith(u'"'))
            istrFileName.remove(0, 1);
        if (istrFileName.endsWith(u'"'))
            istrFileName = modFuncRim::pstrRightDel(ui, istrFileName, 1);
        result.path = istrFileName;
        display = deckDisplayName(result.path);
    }

    clsFileIO file;
    file.setFileName(result.path);
    QString openName = result.path;
    qint32 mode = 1;
    if (!file.OpenFile(openName, mode)) {
        result.outcome = OpenResult::Outcome::Unreadable;
        return result;
    }
    if (flngLoadCardList(state, ui, false) != 0) {
        result.outcome = OpenResult::Outcome::ReloadFailed;
        return result;
    }
    ui.setWindowTitle(AppInfo::fileWindowTitle(display));
    state.deckName = display;

    const quint64 loads = state.catalogueLoads;
    DeckRecords records(state.fpsCardList.rowCount(), state.mlngCardTotal, state.limits);
    const qint32 read = records.readAll(file, ui, [&] { return state.catalogueLoads != loads; });
    if (state.catalogueLoads != loads) {
        result.outcome = OpenResult::Outcome::Superseded;
        return result;
    }
    result.outcome = OpenResult::Outcome::Opened;
    result.deck = records.deck();
    result.warnings = records.warnings();
    result.error = records.error();
    if (!result.error.isNull()) {
        result.stop = OpenResult::Stop::RaisedError;
        result.stopLine = read + 1;
    } else {
        QString countName;
        if (read < file.CountRecord(countName)) {
            result.stop = OpenResult::Stop::ReadError;
            result.stopLine = read + 1;
        }
    }
    file.CloseFile();
    result.deck.applyTo(state.fpsCardList, state.totals, state.limits);
    ui.totalsChanged();
    return result;
}

qint32 plngOpenFile(EditorState& state, Ui& ui, QString& istrFileName, OpenResult* answer)
{
    const OpenResult result = openDeckFile(state, ui, istrFileName);
    if (answer)
        *answer = result;
    if (result.outcome == OpenResult::Outcome::Unreadable) {
        // Missing or unreadable (a folder, a device, a pipe): the deck and title on screen are kept.
        ui.messageBox(DeckFileText::unreadableFileMessage(result.path), AppInfo::appTitle(), MsgIcon::Error,
                      MsgButtons::Ok);
    } else if (result.stop == OpenResult::Stop::ReadError) {
        ui.messageBox(DeckFileText::readErrorMessage(), AppInfo::appTitle(), MsgIcon::Error, MsgButtons::Ok);
    } else if (result.stop == OpenResult::Stop::RaisedError) {
        ui.messageBox(result.error + u"\r\n"_s + istrFileName, AppInfo::appTitle(), MsgIcon::None, MsgButtons::Ok);
    }
    return 0;
}
