#pragma once

#include <QStringView>

#include <vector>

struct EditorState;

// Finds a card's grid row by the card number a deck file gives ("1", "001", "P02"), whatever order
// a sort has put the rows in since the catalogue was loaded.
class CardRows {
public:
    // Made directly after a load, while row n still holds the card loaded into it.
    explicit CardRows(const EditorState& state);

    // 0 when the catalogue has no such card.
    qint32 row(QStringView number);

    // The row a card number names directly after a load: regular card n is row n, promotional
    // card k row (card total + k); 0 when none. Numbers round half to even ("2.5" is card 2).
    static qint32 rowAfterLoad(QStringView number, qint32 cardTotal, qint32 rowCount);

private:
    const EditorState& state_;
    const quint64 loadedOrder_;
    quint64 mappedOrder_;
    std::vector<qint32> rowNow_;  // by the row after a load
};
