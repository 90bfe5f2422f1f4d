#pragma once
// The rank names of the game in ascending order, with the experience a
// player needs for the selected one. The table is fixed in the client.

#include "foundation/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

class frmRanks : public Form<QWidget> {
    Q_OBJECT
public:
    frmRanks();

    // ---- controls ----
    QListWidget* lstRanks;  // the rank names
    QLabel* Label1;         // "Experience for Splat:"
    QLineEdit* txtexp;      // locked: the selected rank's experience
    QLabel* Image1;         // the program's icon
    QPushButton* cmdExit;   // "Done"

    // ---- handlers ----
    void Form_Load() override;
    void lstRanks_Click();
    void cmdExit_Click();
};
