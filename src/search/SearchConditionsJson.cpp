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

using Refusal = ConditionsRefusal;
using Problem = std::optional<Refusal>;  // why a value is refused; its key is added by the caller

// One JSON key: how to write it, and how to read it back.
struct Field {
    std::function<QJsonValue(const SearchConditions&)> write;
    std::function<Problem(const QJsonValue&, SearchConditions&)> read;
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
            [m](const QJsonValue& v, SearchConditions& c) -> Problem {
                const std::optional<qint32> i = integerIn(v, 0, 1);
                if (!i)
                    return Refusal{Refusal::kNotCheck};
                c.*m = *i == 1;
                return {};
            }};
}

Field index(Member<qint32> m, qint32 items)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m, items](const QJsonValue& v, SearchConditions& c) -> Problem {
                const std::optional<qint32> i = integerIn(v, 0, items - 1);
                if (!i)
                    return Refusal{.reason = Refusal::kNotIndex, .number = items - 1};
                c.*m = *i;
                return {};
            }};
}

Field text(Member<QString> m)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m](const QJsonValue& v, SearchConditions& c) -> Problem {
                if (!v.isString())
                    return Refusal{Refusal::kNotText};
                c.*m = v.toString();
                return {};
            }};
}

Field bound(Member<QString> m, bool upper)
{
    return {[m](const SearchConditions& c) { return QJsonValue(c.*m); },
            [m, upper](const QJsonValue& v, SearchConditions& c) -> Problem {
                const QString s = v.toString();
                if (!v.isString() || !(isBoundText(s) || (upper && s == u"-")))
                    return Refusal{upper ? Refusal::kNotUpperBound : Refusal::kNotLowerBound};
                c.*m = s;
                return {};
            }};
}

Field items(Member<QStringList> m)
{
    return {[m](const SearchConditions& c) { return QJsonValue(QJsonArray::fromStringList(c.*m)); },
            [m](const QJsonValue& v, SearchConditions& c) -> Problem {
                QStringList out;
                for (const QJsonValue& item : v.toArray()) {
                    if (!item.isString())
                        return Refusal{Refusal::kNotTexts};
                    out << item.toString();
                }
                if (!v.isArray())
                    return Refusal{Refusal::kNotTexts};
                c.*m = out;
                return {};
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
            [](const QJsonValue& v, SearchConditions& c) -> Problem {
                const Refusal refused{.reason = Refusal::kNotIndexes, .number = SearchConditions::kSetItems - 1};
                std::array<bool, SearchConditions::kSetItems> selected{};
                for (const QJsonValue& item : v.toArray()) {
                    const std::optional<qint32> i = integerIn(item, 0, SearchConditions::kSetItems - 1);
                    if (!i)
                        return refused;
                    selected[size_t(*i)] = true;
                }
                if (!v.isArray())
                    return refused;
                c.lstNo = selected;
                return {};
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

std::optional<SearchConditions> SearchConditions::fromJson(const QByteArray& json, ConditionsRefusal& refusal)
{
    const auto refuse = [&](const Refusal& why) {
        refusal = why;
        return std::nullopt;
    };
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return refuse({.reason = Refusal::kNotJson, .number = parse.offset, .parseError = parse.error});
    if (!doc.isObject())
        return refuse({Refusal::kNotObject});
    if (const QString key = repeatedKey(json); !key.isNull())
        return refuse({Refusal::kRepeatedKey, key});
    SearchConditions c;
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto field = fields().find(it.key());
        if (field == fields().end())
            return refuse({Refusal::kUnknownKey, it.key()});
        if (Problem problem = field->second.read(it.value(), c)) {
            problem->key = it.key();
            return refuse(*problem);
        }
    }
    return c;
}
