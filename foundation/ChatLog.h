#pragma once
// Chat logs and the date and time texts of the chat lines.

#include <QString>
#include <QtGlobal>

// Appends "date time:<tab>text" and CR LF to a log in the program's folder:
// kind 0 "AllLogs.log", kind 1 "ChatterLog.log", any other "Others.log".
// Raises a run-time error when the file cannot be written.
void WriteLog(const QString& text, qint32 kind);

// The current date in the system's short date format.
QString CurrentDateText();
// The current time of day in the system's time format (hours, minutes, seconds).
QString CurrentTimeText();
