#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

// The file dialogs' filters, given as description and pattern texts ("デッキ ファイル (*.txt)",
// "*.txt;*.deck"), as Qt name filters ("デッキ ファイル (*.txt) (*.txt *.deck)").
namespace FilterText {

// parts: description, patterns, description, patterns, …; a last description without patterns is
// left out. Patterns are separated by ";", and "*.*" is every file ("*"), names without a dot
// included, as on Windows. A pattern that could not stand in a Qt name filter (a blank, "(" or
// ")") makes the whole list empty: no filter at all, every file offered.
QStringList nameFilters(const QList<QStringView>& parts);

// The deck dialogs' form, parts separated by "|": "Text|*.txt|All|*.*".
QStringList fromBarSeparated(QStringView filter);

}  // namespace FilterText
