#pragma once
// The player's statistics window. Nothing opens it or fills its label.

#include "foundation/Forms.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class frmStats : public Form<QWidget> {
    Q_OBJECT
public:
    frmStats();

    QLabel* Label1;            // "Your Statistics:"
    QLabel* lblStats;          // bordered: "Downloading Please Wait..."
    QPushButton* ZephButton1;  // "&Done"

    void ZephButton1_Click();
};
