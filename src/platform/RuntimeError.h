#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

class Ui;

// A run-time error in the classic sense: a number and a description. Working routines trap it at
// their start and report it in the manner of their module; it never crosses an event handler.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, QString description)
        : std::runtime_error("tessarin run-time error"), number_(number), description_(std::move(description))
    {
    }
    int number() const { return number_; }
    const QString& description() const { return description_; }

    // The classic errors this program can meet, with their classic Japanese descriptions.
    static RuntimeError invalidCall();      // 5
    static RuntimeError overflow();         // 6
    static RuntimeError outOfMemory();      // 7
    static RuntimeError outOfRange();       // 9
    static RuntimeError typeMismatch();     // 13
    static RuntimeError outOfStringSpace(); // 14
    static RuntimeError badFileNameOrNumber();  // 52
    static RuntimeError fileNotFound();     // 53
    static RuntimeError badFileMode();      // 54
    static RuntimeError deviceIo();         // 57
    static RuntimeError diskFull();         // 61
    static RuntimeError pastEndOfFile();    // 62
    static RuntimeError permissionDenied(); // 70
    static RuntimeError pathFileAccess();   // 75
    static RuntimeError pathNotFound();     // 76

private:
    int number_;
    QString description_;
};

// Runs an event handler: a run-time error that reaches it is told in the program's box, and the
// program goes on.
void reportRuntimeErrors(Ui& ui, const std::function<void()>& body);
