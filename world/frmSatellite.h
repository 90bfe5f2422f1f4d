#pragma once
// The satellite view: the map region of the game window in 6 x 6 cells,
// drawn on every frame. The window is loaded hidden and nothing shows it.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QWidget>

class frmSatellite : public Form<QWidget> {
    Q_OBJECT
public:
    frmSatellite();

    PictureBox* picMap;

    void Form_Load() override;
};
