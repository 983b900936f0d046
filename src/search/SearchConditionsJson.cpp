#include "SearchConditions.h"

#include "SearchFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <functional>
#include <limits>
#include <map>

using namespace Qt::StringLiterals;
using namespace SearchFields;

namespace {

// One JSON key: how to write it, and how to read it back (an error text when the value is refused).
struct Field {
    std::function<QJsonValue(const SearchConditions&)> write;
    std::function<QString(const QJsonValue&, SearchConditions&)> read;
};

std::optional<qint32> integerIn(const QJsonValue& v, qint32 low, qint32 high)
{
    if (!v.isDouble())
        return std::nullopt;
    // The range first: converting a double outside it to an integer is undefined.
    const double d = v.toDouble();
    if (!(d >= low && d <= high) || d != std::trunc(d))
        return std::nullopt;
    return qint32(d);
}

// A bound list item: "0" … the largest 32-bit value, written as the list writes it.
bool isBoundText(const QString& s)
{
    if (s.isEmpty() || s.size() > 10 || (s.size() > 1 && s.startsWith(u'0')))
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return s.toLongLong() <= std::numeric_limits<qint32>::max();
}

Field check(Member<bool> m)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m ? 1 : 0); },
            [m](const QJsonValue& v, SearchConditions& c) {
                const std::optional<qint32> i = integerIn(v, 0, 1);
                if (!i)
                    return u"expected 0 or 1"_s;
                c.*m = *i == 1;
                return QString();
            }};
}

Field index(Member<qint32> m, qint32 items)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m, items](const QJsonValue& v, SearchConditions& c) {
                const std::optional<qint32> i = integerIn(v, 0, items - 1);
                if (!i)
                    return u"expected an item index from 0 to %1"_s.arg(items - 1);
                c.*m = *i;
                return QString();
            }};
}

Field text(Member<QString> m)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m](const QJsonValue& v, SearchConditions& c) {
                if (!v.isString())
                    return u"expected a string"_s;
                c.*m = v.toString();
                return QString();
            }};
}

Field bound(Member<QString> m, bool upper)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m, upper](const QJsonValue& v, SearchConditions& c) {
                const QString s = v.toString();
                if (!v.isString() || !(isBoundText(s) || (upper && s == u"-")))
                    return upper ? u"expected \"-\" or a whole number from \"0\" as a string"_s
                                 : u"expected a whole number from \"0\" as a string"_s;
                c.*m = s;
                return QString();
            }};
}

Field items(Member<QStringList> m)
{
    return {[m](const SearchConditions& c) { return QJsonValue(QJsonArray::fromStringList(c.*m)); },
            [m](const QJsonValue& v, SearchConditions& c) {
                QStringList out;
                for (const QJsonValue& item : v.toArray()) {
                    if (!item.isString())
                        return u"expected an array of item texts"_s;
                    out << item.toString();
                }
                if (!v.isArray())
                    return u"expected an array of item texts"_s;
                c.*m = out;
                return QString();
            }};
}

Field setItems()
{
    return {[](const SearchConditions& c) {
                QJsonArray selected;
                for (qint32 i = 0; i < SearchConditions::kSetItems; ++i)
                    if (c.lstNo[size_t(i)])
                        selected.append(i);
                return QJsonValue(selected);
            },
            [](const QJsonValue& v, SearchConditions& c) {
                std::array<bool, SearchConditions::kSetItems> selected{};
                for (const QJsonValue& item : v.toArray()) {
                    const std::optional<qint32> i = integerIn(item, 0, SearchConditions::kSetItems - 1);
                    if (!i)
                        return u"expected an array of item indexes from 0 to 7"_s;
                    selected[size_t(*i)] = true;
                }
                if (!v.isArray())
                    return u"expected an array of item indexes from 0 to 7"_s;
                c.lstNo = selected;
                return QString();
            }};
}

const std::map<QString, Field>& fields()
{
    static const std::map<QString, Field> all = [] {
        std::map<QString, Field> f;
        f[u"chkNo"_s] = check(&SearchConditions::chkNo);
        f[u"lstNo"_s] = setItems();
        f[u"chkType"_s] = check(&SearchConditions::chkType);
        f[u"chkTypeCharacter"_s] = check(&SearchConditions::chkTypeCharacter);
        f[u"chkTypeSpell"_s] = check(&SearchConditions::chkTypeSpell);
        f[u"chkTypeCommand"_s] = check(&SearchConditions::chkTypeCommand);
        for (const Range& r : kRanges) {
            const QString name = QString::fromUtf16(r.name);
            f[u"chk"_s + name] = check(r.chk);
            f[u"cmb"_s + name + u"L"_s] = bound(r.lower, false);
            f[u"cmb"_s + name + u"U"_s] = bound(r.upper, true);
            f[u"cmb"_s + name + u"Sel"_s] = index(r.selector, 2);
        }
        for (const Text& t : kTexts) {
            const QString name = QString::fromUtf16(t.name);
            f[u"chk"_s + name] = check(t.chk);
            f[u"txt"_s + name + u"1"_s] = text(t.text1);
            f[u"cmb"_s + name] = index(t.connector, 3);
            f[u"txt"_s + name + u"2"_s] = text(t.text2);
            f[u"cmb"_s + name + u"Sel"_s] = index(t.selector, 2);
        }
        for (const List& l : kLists) {
            const QString name = QString::fromUtf16(l.name);
            f[u"chk"_s + name] = check(l.chk);
            f[u"lst"_s + name] = items(l.items);
        }
        return f;
    }();
    return all;
}

// Where the JSON value starting at `i` ends: at the comma or brace after it at its own depth.
qsizetype skipValue(const QByteArray& json, qsizetype i)
{
    int depth = 0;
    for (; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            for (++i; i < json.size() && json[i] != '"'; ++i)
                if (json[i] == '\\')
                    ++i;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (depth-- == 0)
                return i;
        } else if (c == ',' && depth == 0) {
            return i;
        }
    }
    return i;
}

// The first key the top-level object gives twice, or a null text. The parser keeps only the last
// value of a key, which would silently drop a condition. `json` is a valid JSON object.
QString repeatedKey(const QByteArray& json)
{
    QSet<QString> seen;
    qsizetype i = json.indexOf('{') + 1;
    while (true) {
        const qsizetype open = json.indexOf('"', i);
        if (open < 0 || json.lastIndexOf('}') < open)
            return {};
        qsizetype close = open + 1;
        while (json[close] != '"')
            close += json[close] == '\\' ? 2 : 1;
        // The parser decodes the key's escapes, so "chk\u004eo" and "chkNo" are the same key.
        const QString key = QJsonDocument::fromJson('[' + json.mid(open, close - open + 1) + ']').array()[0].toString();
        if (seen.contains(key))
            return key;
        seen.insert(key);
        i = skipValue(json, json.indexOf(':', close) + 1);
        if (i >= json.size() || json[i] != ',')
            return {};
        ++i;
    }
}

}  // namespace

QByteArray SearchConditions::toJson() const
{
    QJsonObject o;
    for (const auto& [key, field] : fields())
        o.insert(key, field.write(*this));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<SearchConditions> SearchConditions::fromJson(const QByteArray& json, QString& error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = u"not valid JSON at offset %1: %2"_s.arg(parse.offset).arg(parse.errorString());
        return std::nullopt;
    }
    if (!doc.isObject()) {
        error = u"expected one JSON object keyed by control names"_s;
        return std::nullopt;
    }
    if (const QString key = repeatedKey(json); !key.isNull()) {
        error = u"\"%1\": given more than once"_s.arg(key);
        return std::nullopt;
    }
    SearchConditions c;
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto field = fields().find(it.key());
        if (field == fields().end()) {
            error = u"unknown key \"%1\""_s.arg(it.key());
            return std::nullopt;
        }
        const QString problem = field->second.read(it.value(), c);
        if (!problem.isEmpty()) {
            error = u"\"%1\": %2"_s.arg(it.key(), problem);
            return std::nullopt;
        }
    }
    return c;
}
