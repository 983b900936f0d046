#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>

// A control by its objectName. A missing one fails the test with its name (GoogleTest reports the
// exception) instead of crashing the whole test program.
template <typename T>
T* child(const QObject* parent, const QString& name)
{
    if (T* found = parent->findChild<T*>(name))
        return found;
    throw std::runtime_error("no control named " + name.toStdString());
}
