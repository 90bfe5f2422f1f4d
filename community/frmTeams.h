#pragma once
// The team console: looks up a team by name and shows its numbers, website,
// news and members; creates and leaves teams; changes the own team's website
// and news; promotes, demotes and kicks members. Every action is one team
// command ("t": a sub-command digit and its argument); the server decides.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

class frmTeams : public Form<QWidget> {
    Q_OBJECT
public:
    frmTeams();

    QLineEdit* txtTeamName;
    QPushButton* cmdUpdate;    // "&Search"
    QPushButton* ZephButton1;  // "&Update", the same action
    QPushButton* cmdCreate;
    QPushButton* cmdQuit;
    QLineEdit* txtTeamWebsite;
    QLineEdit* txtTeamNews;
    QLabel* txtSplats;
    QLabel* txtOnline;
    QLabel* txtPlayers;
    QTreeWidget* ListTeam;
    StatusBar* StatusBar1;
    QPushButton* cmdClose;
    QMenu* mnuTeam;
    QAction* mnuTeamPromote;
    QAction* mnuTeamDemote;
    QAction* mnuTeamKick;

    // The values last received for the website and the news (their tags).
    QString txtTeamWebsiteTag;
    QString txtTeamNewsTag;
    // The member list's sort column (0 name, 1 rank) and order; the list
    // keeps the reply's order until a header is clicked.
    int SortKey = 0;
    Qt::SortOrder SortOrder = Qt::AscendingOrder;
    bool Sorted = false;

    // Fills the window from a team-statistics reply.
    void RecvData(QString strRaw);

    void cmdUpdate_Click();
    void ZephButton1_Click();
    void cmdCreate_Click();
    void cmdQuit_Click();
    void cmdClose_Click();
    void txtTeamName_KeyPress(int& KeyAscii);
    void ListTeam_MouseDown(int Button, int Shift, float x, float y);
    void ListTeam_ColumnClick(int column);
    void mnuTeamPromote_Click();
    void mnuTeamDemote_Click();
    void mnuTeamKick_Click();
    void Form_Load() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sendTeam(const QString& text);
    // Sends the sub-command with the selected member's name; nothing without one.
    void memberCommand(char digit);
    void setMemberEditing(bool enabled);
    void applySort();
};
