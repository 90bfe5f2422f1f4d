#pragma once
// The team console.

#include "foundation/Forms.h"

#include <QWidget>

class frmTeams : public Form<QWidget> {
    Q_OBJECT
public:
    frmTeams();

    // A team-statistics reply (kept until the window is filled from it).
    void RecvData(const QString& strRaw);
    QString TeamData;
    // The status bar's text.
    QString StatusText() const { return statusText_; }
    void setStatusText(const QString& text) { statusText_ = text; }

private:
    QString statusText_;
};
