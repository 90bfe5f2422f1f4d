#pragma once
// The about box: the game's name, credits, a picture and the screen size
// the game is laid out for.

#include "foundation/Forms.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

class frmAbout : public Form<QWidget> {
    Q_OBJECT
public:
    frmAbout();

    // ---- controls ----
    QLabel* lblHeading;              // "Quelvar: "
    std::array<QLabel*, 4> lblCredits;
    QLabel* picAbout;                // "About.bmp" of the graphics folder
    QLabel* lblResolution;           // "Game should be run in 1024x768 Resolution"
    QPushButton* cmdClose;           // "Close"

    // ---- handlers ----
    void Form_Load() override;
    void cmdClose_Click();
};
