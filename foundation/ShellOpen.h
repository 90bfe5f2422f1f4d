#pragma once
// Opening a document or web address with the desktop shell.

#include <QString>
#include <QVariant>
#include <QtGlobal>

// Asks the desktop to perform the operation ("Open") on the file with the
// parameters in the directory, showing its window as showCommand says. The
// file, parameters and directory may be of any type and are passed as text
// (a number 0 becomes "0"). The outcome is not checked.
void ShellOpen(const QString& operation, const QVariant& file, const QVariant& parameters, const QVariant& directory,
               qint32 showCommand);
