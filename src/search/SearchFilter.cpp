#include "SearchConditions.h"

#include "FilterCatalogue.h"
#include "SearchFields.h"

#include "catalogue/CatalogueText.h"
#include "deck/CardGrid.h"
#include "platform/NumericText.h"

#include <limits>

using namespace SearchFields;

namespace {

// The integer value of a number, or nothing when it does not fit 32 bits: a condition that meets
// such a value lets the card pass rather than stop the run.
std::optional<qint32> int32Of(double value)
{
    const double r = NumericText::roundHalfEven(value);
    if (!(r >= double(std::numeric_limits<qint32>::min()) && r <= double(std::numeric_limits<qint32>::max())))
        return std::nullopt;
    return qint32(r);
}

bool hasNoNumber(QStringView t) { return !NumericText::isNumeric(t) && NumericText::leadingValue(t) == 0.0; }

// An empty search text is found in every value but the empty one.
bool contains(QStringView value, QStringView text) { return !value.isEmpty() && value.contains(text); }

bool isPlaceholder(const QString& item)
{
    return item == QStringView(CatalogueText::kNoRace) || item == QStringView(CatalogueText::kNoSkill);
}

bool matchesItem(const QString& item, QStringView value)
{
    // An empty item (a condition file can name one) is a placeholder's key, never "every value".
    if (item.isEmpty() || isPlaceholder(item))
        return value.isEmpty();
    if ((item == u"鬼" && value == u"吸血鬼") || (item == u"神" && value == u"死神"))
        return false;
    return value.contains(item);
}

}  // namespace

bool SearchConditions::fblnHideByNo(QStringView cardNo) const
{
    const bool promo = cardNo.startsWith(u'P');
    if (hasNoNumber(cardNo) && !promo)
        return true;
    const std::optional<qint32> n = int32Of(NumericText::leadingValue(cardNo));
    if (!n)
        return false;
    struct Span {
        qint32 first, last;
    };
    static constexpr Span kSets[kSetItems - 1] = {{1, 100},   {101, 150}, {151, 250}, {251, 300},
                                                  {301, 400}, {401, 420}, {421, 470}};
    for (qint32 i = 0; i < kSetItems - 1; ++i)
        if (lstNo[size_t(i)] && *n >= kSets[i].first && *n <= kSets[i].last)
            return false;
    return !(lstNo[kSetItems - 1] && promo);
}

bool SearchConditions::fblnHideByType(QStringView type) const
{
    return !((chkTypeCharacter && type == u"Character") || (chkTypeCommand && type == u"Command") ||
             (chkTypeSpell && type == u"Spell"));
}

bool SearchConditions::fblnHideByRange(const QString& lower, const QString& upper, qint32 selector, QStringView value)
{
    if (hasNoNumber(value))
        return true;
    const std::optional<qint32> v = int32Of(NumericText::leadingValue(value));
    const std::optional<qint32> lo = int32Of(NumericText::leadingValue(lower));
    const bool bounded = upper != u"-";
    const std::optional<qint32> hi = bounded ? int32Of(NumericText::leadingValue(upper)) : std::optional<qint32>(0);
    if (!v || !lo || !hi)
        return false;
    if (selector == kOutside)
        return !(*v < *lo || (bounded && *v > *hi));
    return !(*lo <= *v && (!bounded || *v <= *hi));
}

bool SearchConditions::fblnHideByText(const QString& text1, qint32 connector, const QString& text2, qint32 selector,
                                      QStringView value)
{
    // "以外" negates each search text on its own; the connector stays as chosen.
    const bool lacks = selector == kLacks;
    const bool a = contains(value, text1) != lacks;
    const bool b = contains(value, text2) != lacks;
    if (connector == kAnd)
        return !(a && b);
    if (connector == kOr)
        return !(a || b);
    return !a;
}

bool SearchConditions::fblnHideByList(const QStringList& selected, QStringView value)
{
    for (const QString& item : selected)
        if (matchesItem(item, value))
            return false;
    return true;
}

bool SearchConditions::fblnHideRow(const CardGrid& grid, qint32 row, QStringView cardNo,
                                   FilterCatalogue& catalogue) const
{
    // Conditions in their fixed order; the first that fails decides, so catalogue values are read
    // only for rows that passed every condition on the grid's own cells before them.
    if (!chkNo && fblnHideByNo(cardNo))
        return true;
    if (!chkType && fblnHideByType(grid.cellView(colType, row)))
        return true;
    for (const Range& r : kRanges)
        if (!(this->*r.chk) && fblnHideByRange(this->*r.lower, this->*r.upper, this->*r.selector,
                                               grid.cellView(r.col, row)))
            return true;
    for (const Text& t : kTexts) {
        if (this->*t.chk)
            continue;
        const QStringView value = t.col ? grid.cellView(t.col, row) : catalogue.value(cardNo, t.catalogueKey);
        if (fblnHideByText(this->*t.text1, this->*t.connector, this->*t.text2, this->*t.selector, value))
            return true;
    }
    for (const List& l : kLists) {
        if (this->*l.chk)
            continue;
        const QStringView value = l.col ? grid.cellView(l.col, row) : catalogue.value(cardNo, l.catalogueKey);
        if (fblnHideByList(this->*l.items, value))
            return true;
    }
    return false;
}
