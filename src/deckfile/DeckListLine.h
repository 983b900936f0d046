#pragma once

#include "deck/CardNumber.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class CardGrid;

// One line of a deck list taken apart: a heading, a count and the text naming a card, or neither.
struct DeckListLine {
    enum class Kind { Skip, MainHeading, SideHeading, Card, NoCount };
    Kind kind = Kind::Skip;
    qint64 count = 0;  // signed
    QStringView card;  // the text after (or before) the count

    // "3 001 名前", "3 001", "3 名前", "3x 名前", "3 x 名前", "名前 x3", "名前 ×3", signed counts,
    // full-width digits and signs; blank and "#" lines are skipped.
    static DeckListLine parse(QStringView line);
};

// Finds the card a list names: by its number ("001", "1", "P02"), then its exact name, then its
// name after NFKC with blanks removed. A name several cards share finds the first in catalogue
// order. The name indexes are built on first need and view the grid's texts: the grid must not
// change while the finder lives.
class DeckListCards {
public:
    explicit DeckListCards(const CardGrid& grid);

    struct Found {
        CardNumber number;
        bool shared = false;  // found by a name other cards have too
    };
    std::optional<Found> find(QStringView text);

    // A name as the loose look-up compares it.
    static QString folded(QStringView name);

private:
    struct Entry {
        CardNumber first = CardNumber::regular(0);
        qint32 cards = 0;
    };
    std::optional<CardNumber> byNumber(QStringView text) const;
    std::optional<Found> byName(QStringView name);
    std::optional<Found> byFoldedName(QStringView name);
    // Rows in catalogue order.
    const std::vector<std::pair<CardNumber, qint32>>& cards();
    // Both name indexes in one pass over the names.
    void index();

    const CardGrid& grid_;
    std::vector<std::pair<CardNumber, qint32>> cards_;
    bool cardsListed_ = false;
    // A name as a hash key: Qt's string hash is several times slower than this one, and a list is
    // read against every name of the catalogue.
    struct Name {
        QStringView text;
        bool operator==(const Name& other) const { return text == other.text; }
        friend size_t qHash(const Name& name, size_t seed)
        {
            quint64 h = 0xcbf29ce484222325ull ^ seed;
            for (QChar c : name.text)
                h = (h ^ c.unicode()) * 0x100000001b3ull;
            return size_t(h ^ (h >> 29));
        }
    };
    QHash<Name, Entry> names_;        // every name as it is
    QHash<Name, Entry> foldedNames_;  // the folded forms of the names that are not their own
    QString foldedStore_;
    bool indexed_ = false;
};
