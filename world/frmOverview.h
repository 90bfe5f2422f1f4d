#pragma once
// The overview map: one pixel per map cell, coloured by terrain class.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>
#include <array>

// The colour of each terrain class 0 to 6 on the overview map (RGB() values).
extern const std::array<quint32, 7> OverviewColours;

class frmOverview : public Form<QWidget> {
    Q_OBJECT
public:
    frmOverview();

    PictureBox* picOverview;
    QPushButton* ZephButton1;

    void ZephButton1_Click();

    // Paints the whole terrain, one pixel per cell.
    void PaintTerrain();
};
