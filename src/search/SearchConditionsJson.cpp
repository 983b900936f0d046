#include "SearchConditions.h"

#include "SearchFields.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

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
    const double d = v.toDouble();
    if (d != double(qint64(d)) || d < low || d > high)
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

QString SearchConditions::writeFile(const QString& path) const
{
    // A device or a pipe would be written through, or swapped for a plain file by the rename.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return u"not a regular file"_s;
    const QByteArray bytes = toJson();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

std::optional<SearchConditions> SearchConditions::readFile(const QString& path, QString& error)
{
    constexpr qint64 kMaxBytes = 16 << 20;
    QFile file(path);
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() > kMaxBytes) {
        error = u"not a regular file of at most 16 MiB"_s;
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    return fromJson(file.read(kMaxBytes + 1), error);
}
