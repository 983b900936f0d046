#pragma once

#include <QJsonParseError>
#include <QString>

// Why a condition file was refused, and what in it: SearchConditionsText words it for the dialog
// and the companion alike.
struct ConditionsRefusal {
    enum Reason : quint8 {
        // the file
        kNoSuchFile,
        kNotRegularFile,
        kTooLarge,
        kCannotOpen,
        kCannotRead,
        // its text as a whole
        kNotJson,
        kNotObject,
        // a key, or its value
        kRepeatedKey,
        kUnknownKey,
        kNotCheck,
        kNotIndex,
        kNotText,
        kNotLowerBound,
        kNotUpperBound,
        kNotTexts,
        kNotIndexes,
    };

    Reason reason = kNoSuchFile;
    QString key{};
    // kTooLarge: the limit in bytes; kNotJson: the offset; kNotIndex, kNotIndexes: the highest index.
    qint64 number = 0;
    QJsonParseError::ParseError parseError = QJsonParseError::NoError;  // kNotJson

    bool operator==(const ConditionsRefusal&) const = default;
};
