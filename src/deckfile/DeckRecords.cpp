#include "DeckRecords.h"

#include "DeckFileText.h"

#include "deck/CountEditing.h"
#include "platform/NumericText.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/clsFileIO.h"

#include <cmath>

using namespace Qt::StringLiterals;

DeckRecords::DeckRecords(qint32 rowCount, qint32 cardTotal, const Limits& limits)
    : rowCount_(rowCount), cardTotal_(cardTotal), limits_(limits)
{
}

qint32 DeckRecords::readAll(clsFileIO& file, Ui& ui, const std::function<bool()>& ended)
{
    qint32 records = 0;
    bool sideBoard = false;
    try {
        for (;;) {
            ui.processEvents();
            if (ended())
                return records;
            QStringList fields;
            if (!file.ReadData(fields))
                break;
            QString warning;
            if (fields[0] == DeckFileText::separator())
                sideBoard = true;
            else if (NumericText::isNumeric(fields[0]))
                warning = replay(fields, sideBoard);
            else
                warning = u"not a record"_s;
            if (!warning.isEmpty())
                warnings_.append({records + 1, warning});
            ++records;
        }
    } catch (const RuntimeError& e) {
        error_ = e.description();
    }
    return records;
}

qint32 DeckRecords::scratchRow(CardNumber number)
{
    qint32& row = rows_[number];
    if (row == 0)
        row = Deck::addScratchRow(scratch_, number);
    return row;
}

// Replays one record; answers a warning text when the record was dropped or cut short.
QString DeckRecords::replay(const QStringList& fields, bool sideBoard)
{
    const double v = NumericText::leadingValue(fields[0]);
    if (v == 0)
        return {};
    if (fields.size() < 2)
        throw RuntimeError::outOfRange();
    const qint32 presses = NumericText::toInt32(std::abs(v));
    const qint32 loaded = CardNumber::rowAfterLoad(fields[1], cardTotal_, rowCount_);
    if (loaded == 0)
        return u"card %1 is not in the catalogue"_s.arg(fields[1]);
    const qint32 row = scratchRow(CardNumber::atRowAfterLoad(loaded, cardTotal_));
    const qint32 col = v < 0 ? colSideDown : (sideBoard ? colSideUp : colDeckUp);
    qint32 taken = 0;
    // A press that changed nothing leaves the same state for the next: the rest are absorbed too.
    while (taken < presses && fpsCardList_ButtonClicked(scratch_, scratchTotals_, limits_, col, row, 0))
        ++taken;
    // A fraction rounded away is cut short as much as a press the limits absorbed.
    if (double(taken) == std::abs(v))
        return {};
    return DeckFileText::cutCount(fields[0], fields[1], v < 0 ? -taken : taken);
}

Deck DeckRecords::deck() const { return Deck::fromGrid(scratch_); }
