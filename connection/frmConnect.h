#pragma once
// The login dialog: remembers the last user, fetches the master server's
// address, shows who is online on the chosen server, checks the user name
// and password and connects the game socket.

#include "foundation/Forms.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

class QNetworkAccessManager;

class frmConnect : public Form<QDialog> {
    Q_OBJECT
public:
    frmConnect();

    // ---- controls ----
    QGroupBox* Frame1;          // "Connection Information: "
    QLabel* Label1;             // "Handle:"
    QComboBox* txtUsername;     // the user name; its list holds the names used for Connect this run
    QLabel* Label2;             // "Password:"
    QLineEdit* txtPassword;
    QLabel* Label3;             // "Server:"
    QComboBox* cmdServer;       // "Select Server", "Master Server", "Slave Server"
    QTreeWidget* Server;        // users online: "Name", "Level"
    QLabel* Label4;             // "Players Online:"
    QLabel* PlayersOnLbl;
    QLabel* Label5;             // "Matches:"
    QLineEdit* Text1;
    QPushButton* cmdOkay;       // "&Connect"
    QPushButton* cmdCancel;     // "&Close"
    QComboBox* cmbserver;       // hidden, holds "Server 1"
    QLabel* imgDispose;         // hidden
    QNetworkAccessManager* Inet;

    // ---- public procedures ----
    // Fills the list of users online from a user-list reply.
    void Update(const QString& RawData);

    // Shown, it stands above a game room that stays on top, so that its
    // buttons are never under the room.
    void Show() override;

    // ---- events ----
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void cmdOkay_Click();
    void cmdCancel_Click();
    void cmdServer_Click();
    void txtUsername_Change();
    void txtPassword_Change();
    void imgDispose_Click();

protected:
    // Escape does not hide the dialog: only Connect hides it.
    void reject() override {}

private:
    void FetchMasterServer();
};
