#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <array>
#include <compare>
#include <optional>

// A card's number, the key between grid rows, the catalogue and deck files: regular card n (its
// catalogue section "001", "1000") or promotional card k ("P01"). Ordered as the catalogue lists
// the cards: regular cards by number, then promotional cards. Rows are never keys: sorts move them.
class CardNumber {
public:
    static CardNumber regular(qint32 n) { return CardNumber(false, n); }
    static CardNumber promotional(qint32 k) { return CardNumber(true, k); }

    // The card a well-formed number names, as the catalogue loader writes it into the grid: digits
    // ("001", "1000") or "P" and digits ("P01"), from 1; nullopt for any other text.
    static std::optional<CardNumber> parse(QStringView text);

    bool isPromotional() const { return promotional_; }
    qint32 value() const { return value_; }
    // The catalogue section: "001", "1000", "P01", "P100".
    QString text() const;
    // The same for regular card n without a text made per card: the view lies in buffer.
    static QStringView regularText(qint32 n, std::array<char16_t, 12>& buffer);

    // The grid row a number in a deck file names directly after a catalogue load of cardTotal
    // regular cards and rowCount rows: regular card n is row n, promotional card k row cardTotal + k
    // (so a number past the regular cards names a promotional card's row, as it always has).
    // Numbers are read as their leading value, halves to even ("2.5" is row 2); 0 when it names none.
    static qint32 rowAfterLoad(QStringView number, qint32 cardTotal, qint32 rowCount);
    // The card in that row right after the load.
    static CardNumber atRowAfterLoad(qint32 row, qint32 cardTotal)
    {
        return row > cardTotal ? promotional(row - cardTotal) : regular(row);
    }

    // The section a card number names when it is looked up in the catalogue, as the number format
    // "000" writes a number: "1" and "1.0" are "001", "-1" is "-001"; "P02", other text, and
    // numbers beyond exact integers stay as written.
    static QString sectionText(QStringView number);

    auto operator<=>(const CardNumber&) const = default;

private:
    CardNumber(bool promotional, qint32 value) : promotional_(promotional), value_(value) {}
    bool promotional_;
    qint32 value_;
};

inline size_t qHash(CardNumber n, size_t seed = 0)
{
    return qHash(quint64(n.isPromotional()) << 32 | quint32(n.value()), seed);
}
