#pragma once

#include <QString>
#include <QStringList>

class QObject;
class Ui;

// The small routines shared by the windows. Those that trap errors report through ui, naming the
// routine; the others pass an error (RuntimeError) on to the caller's trap.
namespace modFuncRim {

// The first (length - n) characters of s; "" for an empty s; a negative n keeps s whole. n beyond
// the length shows the warning box titled "pstrRightDel" and answers "".
QString pstrRightDel(Ui& ui, const QString& s, qint32 n);

// Splits s at every d: parts[1..] are the pieces (parts[0] stays empty), empty pieces kept.
void fsubSplitText(const QString& s, const QString& d, QStringList& parts);

// Every backslash-n pair of the catalogue becomes CR LF; s is left converted as well.
QString fstrConvNewLine(QString& s);

// n += k; RuntimeError 6 when the sum leaves the 32-bit range (n then unchanged).
void fsubAddLong(qint32& n, qint32 k);

qint32 plngTopValue(qint32 value, qint32 limit);    // the smaller
qint32 plngUnderValue(qint32 value, qint32 limit);  // the larger

// Index of the first item equal to s, -1 when none; the empty text answers the item count when
// no item is empty, so it is never added as an entry.
qint32 fsubListIndex(const QStringList& lst, const QString& s);

// Makes the window's own close request (the title-bar box, the window manager's close) do nothing;
// the program still closes the window with close(). Answers non-zero on success.
qint32 fsubRemoveCloseMenu(QObject* window);

}  // namespace modFuncRim
