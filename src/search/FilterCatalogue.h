#pragma once

#include "platform/ProfileIndex.h"
#include "platform/clsWindowsAPI.h"

#include <QString>
#include <QStringView>

// The catalogue values the filter searches ("Ability", "Text", "Illustration", "Skill"), from the
// parse the profile cache keeps for the load and the preview while the file is the one they read
// (otherwise one read per filter run), made only when a row first needs one; the values of a key
// are looked up in a table the parse keeps, made by the first run that needs that key. Answers
// what reading the key with the profile reader answers, a missing key as "".
class FilterCatalogue {
public:
    explicit FilterCatalogue(const QString& path);

    // The value of key in the card's section: a numeric card number names its section with at least
    // three digits ("1" reads "001"), any other card number names it unchanged ("P01").
    QStringView value(QStringView cardNo, QStringView key);

private:
    clsWindowsAPI api_;
    ProfileIndex::Cursor cursor_;
};
