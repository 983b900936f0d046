#include "DeckSaver.h"

#include "DeckFileText.h"

#include "catalogue/EditorState.h"
#include "deck/CardNumber.h"
#include "platform/AppInfo.h"
#include "platform/Cp932.h"
#include "platform/FileWrite.h"
#include "platform/NumericText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Number format "0": a plain integer, with a minus sign when negative.
QString formatCount(QStringView text) { return QString::number(NumericText::leadingInt32(text)); }

void appendLine(QByteArray& out, const QString& line)
{
    out += Cp932::encode(line);
    out += "\r\n";
}

void appendRecord(QByteArray& out, const CardGrid& grid, qint32 countCol, qint32 row)
{
    appendLine(out, formatCount(grid.cellView(countCol, row)) + u',' + CardNumber::sectionText(grid.cellView(colNo, row)) +
                        u',' + grid.cellView(colName, row).toString());
}

}  // namespace

namespace {

QByteArray deckFileBytesInOrder(const CardGrid& grid, Ui& ui)
{
    QByteArray out;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        ui.processEvents();
        if (NumericText::leadingValue(grid.cellView(colDeck, r)) > 0)
            appendRecord(out, grid, colDeck, r);
    }
    bool separatorWritten = false;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        ui.processEvents();
        if (NumericText::leadingValue(grid.cellView(colSide, r)) == 0)
            continue;
        if (!separatorWritten) {
            appendLine(out, DeckFileText::separator());
            separatorWritten = true;
        }
        appendRecord(out, grid, colSide, r);
    }
    return out;
}

}  // namespace

QByteArray deckFileBytes(const EditorState& state, Ui& ui)
{
    // A sort while events run moves the rows under the loop: a card would be written twice or not
    // at all. The file then follows the new order from the start.
    for (;;) {
        const quint64 order = state.fpsCardList.rowOrderVersion();
        QByteArray out = deckFileBytesInOrder(state.fpsCardList, ui);
        if (order == state.fpsCardList.rowOrderVersion())
            return out;
    }
}

SaveResult saveDeckFile(const EditorState& state, Ui& ui, const QString& path)
{
    SaveResult result{path, {}, {}};
    try {
        result.write = writeFileAtomically(path, deckFileBytes(state, ui));
    } catch (const RuntimeError& e) {
        result.contentError = e.description();
    }
    return result;
}

void fsubSaveFile(EditorState& state, Ui& ui, SaveResult* answer)
{
    const QString path = ui.chooseSaveFile(DeckFileText::saveFilter());
    if (path.isEmpty())
        return;
    const SaveResult saved = saveDeckFile(state, ui, path);
    if (answer)
        *answer = saved;
    if (!saved.written()) {
        ui.messageBox(DeckFileText::saveFailedMessage(path, saved.reason()), DeckFileText::saveTitle(), MsgIcon::Error,
                      MsgButtons::Ok);
        return;
    }
    // Only a file really written names the deck on screen.
    ui.setWindowTitle(AppInfo::fileWindowTitle(QFileInfo(path).fileName()));
    state.deckName = QFileInfo(path).fileName();
    ui.messageBox(DeckFileText::savedMessage(path), DeckFileText::saveTitle(), MsgIcon::Information, MsgButtons::Ok);
}
