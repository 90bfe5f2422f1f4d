#pragma once
// The tournament console: players join or quit a tournament, admins lock
// it and set or start games. Every action is a typed "tourn ..." command;
// the window asks for the shown tab's information whenever it is loaded,
// activated or focused and whenever the user switches tabs. Closing it only
// hides it.

#include "foundation/Forms.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>

class frmTourn : public Form<QWidget> {
    Q_OBJECT
public:
    frmTourn();

    // ---- controls ----
    QTabWidget* tabMain;  // "Current", "Teams", "Info", "Admin"
    // "Current"
    QLineEdit* txtCurrent;
    QLineEdit* txtRunBy;
    QLineEdit* txtPot;
    QLineEdit* txtTeams;
    // "Teams"
    QTreeWidget* tvwTeams;
    QGroupBox* frameJoin;
    QComboBox* txtTeam;
    QLineEdit* txtPassword;
    QPushButton* cmdJoinQuit;  // "Join" or "Quit"
    // "Info"
    QPlainTextEdit* txtInfo;
    // "Admin"
    QTreeWidget* tvAdmin;
    QGroupBox* Frame1;  // "Start Game"
    QRadioButton* optTeams1;
    QRadioButton* optTeams2;
    QLineEdit* txtTeam1;
    QLineEdit* txtTeam2;
    QPushButton* cmdStart;
    QGroupBox* Frame2;  // "Set Game"
    QLineEdit* txtSetTeam1;
    QLineEdit* txtSetTeam2;
    QPushButton* cmdSet;
    QPushButton* cmdLock;

    // ---- handlers ----
    void Form_Load() override;
    void Form_Activate();
    void Form_GotFocus();
    void Form_Unload(int& Cancel) override;
    void tabMain_Click();
    void tvAdmin_NodeClick();
    void cmdJoinQuit_Click();
    void cmdLock_Click();
    void cmdSet_Click();
    void cmdStart_Click();

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    // Asks for the information of the shown tab.
    void requestShownTab();
};
