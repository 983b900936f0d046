#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class QTextStream;

// tessarin-deck's commands and options in one table: the help, the parsers and the shell
// completion are all made from it, so none can name what the others do not.

// What a shell may offer for a value or a positional argument.
enum class Values { None, Files, Directories, Columns };

struct Option {
    Option(QString name, QString valueName = {}, Values values = Values::None)
        : name(std::move(name)), valueName(std::move(valueName)), values(values)
    {
    }
    QString name;       // without the leading "--"
    QString valueName;  // empty for a flag
    Values values;
    QCommandLineOption parserOption() const;
};

// Exit statuses shared by every command.
constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kFailed = 2;

struct Command {
    QString name;
    QString synopsis;     // the arguments after the name, for the help
    QString description;  // lines for the help
    QList<Option> options;
    qsizetype minArgs, maxArgs;  // maxArgs -1: no upper bound
    Values args;                 // what the positional arguments are
    int (*run)(const QCommandLineParser&, QTextStream& out, QTextStream& err);
    bool drawsText = false;  // needs a QGuiApplication (on the offscreen platform)
};

const QList<Command>& commands();
// Options before the command.
const QList<Option>& globalOptions();
// The words a shell offers for Values::Columns.
QStringList columnValues();

QString programName();
QString versionText();
QString usage();
// A bash completion script for tessarin-deck.
QString bashCompletion();
