#pragma once
// The general options dialog: re-centring the map, opening stores, global
// chat in the game box, the chat font and colours, and the number of command
// buttons on the main screen.

#include "foundation/Forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

class frmOptions : public Form<QWidget> {
    Q_OBJECT
public:
    frmOptions();

    QTabWidget* SSTab1;  // "General Options", "Player Options", "Fonts", "Sound Options"

    // "General Options"
    QCheckBox* cmbAutoScreen;  // "Auto Screen Center"
    QCheckBox* ChkAutoStore;   // "Auto Open Shops"
    QCheckBox* chkShowChat;    // "Show Chat in #GAME"
    QLabel* lblButtons;        // "Buttons on Main Screen:"
    // The number of command buttons, "14" to "20" (the user may also type
    // one); "14" whenever the dialog opens. The settings writer stores its text.
    QComboBox* cmbButtons;
    QPushButton* Command1;  // "&Update"

    // "Fonts"
    QLineEdit* txtType;
    QListWidget* lstType;
    QLineEdit* txtFontSize;
    QListWidget* lstSize;
    QCheckBox* chkBoldNames;
    QCheckBox* chkItalic;
    QGroupBox* fraColours;  // "Colour Sets"
    QComboBox* cmbChat;
    QComboBox* cmbTells;
    QComboBox* cmbPlan;
    QComboBox* cmbAnnounce;

    QPushButton* cmdCancel;
    QPushButton* cmdApply;
    QPushButton* cmdOK;

    void Form_Load() override;

    void lstType_Click();
    void lstSize_Click();
    void chkShowChat_Click();
    void Command1_Click();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    // Stores what the dialog shows into the options; italic and bold names
    // only when withStyle is set.
    void StoreSettings(bool withStyle);
};
