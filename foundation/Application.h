#pragma once
// The application object. Every event passes through notify(): a run-time
// error that no handler trapped is recorded in the error-log window and the
// program goes on; ending the program leaves the event loop.

#include <QApplication>

class QuelvarApplication : public QApplication {
public:
    QuelvarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Maps the Windows font names the windows use to the free fonts installed
    // beside the program (metric-compatible, so text keeps its size).
    static void installFontSubstitutes();
};

// Records an error that escaped every handler, naming the window it reached.
void RecordUntrappedError(QObject* receiver, qint32 number, const QString& description);
