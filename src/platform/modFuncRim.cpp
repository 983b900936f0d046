#include "modFuncRim.h"

#include "RuntimeError.h"
#include "Ui.h"

#include <QEvent>
#include <QObject>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Swallows the close requests that come from the window system (title-bar box, the window
// manager's shortcut); a close() of the program is not spontaneous and passes.
class CloseRequestFilter : public QObject {
public:
    explicit CloseRequestFilter(QObject* window) : QObject(window), window_(window)
    {
        setObjectName(u"closeRequestFilter"_s);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();  // a close event left accepted would still close the window
            return true;
        }
        return false;
    }

private:
    QObject* window_;
};

}  // namespace

namespace modFuncRim {

QString pstrRightDel(Ui& ui, const QString& s, qint32 n)
{
    QString result;
    try {
        if (s.isEmpty())
            return result;
        const qint64 keep = qint64(s.size()) - n;
        if (keep < 0)
            throw RuntimeError::invalidCall();
        result = s.left(keep);
    } catch (const RuntimeError& e) {
        ui.messageBox(e.description() + u"\r\n"_s + s, u"pstrRightDel"_s, MsgIcon::Warning, MsgButtons::Ok);
    }
    return result;
}

void fsubSplitText(const QString& s, const QString& d, QStringList& parts)
{
    // An empty delimiter would be found at every position and never advance.
    if (d.isEmpty())
        throw RuntimeError::invalidCall();
    parts = QStringList{QString(), QString()};
    qint32 index = 1;
    qsizetype from = 0;
    for (qsizetype at = s.indexOf(d, from); at >= 0; at = s.indexOf(d, from)) {
        parts[index] = s.mid(from, at - from);
        from = at + d.size();
        fsubAddLong(index, 1);
        parts.append(QString());
    }
    parts[index] = s.mid(from);
}

QString fstrConvNewLine(QString& s)
{
    // One pass gives what repeated search-and-replace from the start gives: a replacement ends
    // in LF, which cannot start a new backslash-n pair, so pairs are found left to right.
    QString out;
    out.reserve(s.size());
    const qsizetype size = s.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (s[i] == u'\\' && i + 1 < size && s[i + 1] == u'n') {
            out += u"\r\n"_s;
            ++i;
        } else {
            out += s[i];
        }
    }
    s = out;
    return out;
}

void fsubAddLong(qint32& n, qint32 k)
{
    const qint64 sum = qint64(n) + k;
    if (sum > std::numeric_limits<qint32>::max() || sum < std::numeric_limits<qint32>::min())
        throw RuntimeError::overflow();
    n = qint32(sum);
}

qint32 plngTopValue(qint32 value, qint32 limit) { return value > limit ? limit : value; }

qint32 plngUnderValue(qint32 value, qint32 limit) { return value < limit ? limit : value; }

qint32 fsubListIndex(const QStringList& lst, const QString& s)
{
    // A list of more than 2^31 texts cannot be held in memory, so the index fits.
    for (qsizetype i = 0; i < lst.size(); ++i)
        if (lst[i] == s)
            return qint32(i);
    return s.isEmpty() ? qint32(lst.size()) : -1;
}

qint32 fsubRemoveCloseMenu(QObject* window)
{
    if (window == nullptr)
        return 0;
    // Once per window: a second filter would change nothing.
    if (window->findChild<QObject*>(u"closeRequestFilter"_s, Qt::FindDirectChildrenOnly) == nullptr)
        window->installEventFilter(new CloseRequestFilter(window));
    return 1;
}

}  // namespace modFuncRim
