#pragma once
// Run-time errors: one exception type with the usual error numbers, raised
// where the game's procedures fail and caught where they trap errors.

#include <QString>
#include <exception>
#include <string>

// The number and description of one run-time error.
struct ErrObject {
    qint32 Number = 0;
    QString Description;
};

// Error numbers the program raises.
enum ErrNumber : qint32 {
    errInvalidProcedureCall = 5,
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errBadFileMode = 54,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errObjectRequired = 424,
    errElementNotFound = 35601,
    errKeyNotUnique = 35602,
};

class RuntimeError : public std::exception {
public:
    RuntimeError(qint32 number, const QString& description);
    explicit RuntimeError(qint32 number);

    const ErrObject& err() const noexcept { return err_; }
    qint32 number() const noexcept { return err_.Number; }
    const QString& description() const noexcept { return err_.Description; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ErrObject err_;
    std::string what_;
};

// The standard description of an error number ("Subscript out of range", ...).
QString ErrorDescription(qint32 number);

// Raises the run-time error with that number (and its standard description
// unless one is given).
[[noreturn]] void Raise(qint32 number, const QString& description = QString());

// Thrown to end the program at once: nothing after it runs, no handler
// catches it but the top of event delivery, which leaves the event loop.
struct ProgramEnd {};

// Ends the program at once (see ProgramEnd).
[[noreturn]] void End();
// True once End has been called (tests read it).
bool ProgramHasEnded();
// Tests start each case with a running program.
void ResetProgramEnded();

// Lets pending window events run once.
void DoEvents();
