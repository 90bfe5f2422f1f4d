#pragma once
// The top-10 lists.

#include "foundation/Forms.h"

#include <QWidget>

class frmTop10 : public Form<QWidget> {
    Q_OBJECT
public:
    frmTop10();

    // A ranking reply: splats (ProcessData) or hours (ProcessData1); kept
    // until the table is filled from it.
    void ProcessData(const QString& Raw);
    void ProcessData1(const QString& Raw);
    QString Ranking;
    bool HoursRanking = false;
};
