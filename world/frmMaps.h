#pragma once
// The map chooser: the files of the Map folder, from which a user asks the
// server for another map.

#include "foundation/Forms.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

class frmMaps : public Form<QWidget> {
    Q_OBJECT
public:
    frmMaps();

    // ---- controls ----
    QGroupBox* Frame1;      // "Avaliable Maps: "
    QListWidget* lstMaps;   // every file of the Map folder
    QPushButton* cmdAccept; // "&Change Map"
    QPushButton* cmdCancel; // "&Cancel"

    // ---- handlers ----
    void Form_Load() override;
    void cmdAccept_Click();
    void cmdCancel_Click();
};
