#pragma once

#include "platform/Cp932.h"
#include "platform/clsWindowsAPI.h"

#include "Fixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Profile files in a temporary folder, read back through one object per read.
inline QByteArray cp932(const QString& text) { return Cp932::encode(text); }

class ProfileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const
    {
        Fixtures::writeBytes(path(name), bytes);
        return path(name);
    }
    // One object per read, as the program uses them.
    static QString read(const QString& file, const QString& key, const QString& section,
                        const QString& appName = {}, const QString& dflt = {})
    {
        clsWindowsAPI api;
        api.setIniFileName(file);
        api.setAppName(appName);
        api.setDefault(dflt);
        return api.GetInitValue(key, section);
    }

private:
    QTemporaryDir dir_;
};
