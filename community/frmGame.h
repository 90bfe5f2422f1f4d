#pragma once
// The game room: the current game's information, the players in the game
// and the ready state for the next game. A small tool window that stays on
// top and cannot be closed, only hidden; once the login dialog switches its
// timer on it asks for the game chat every second.

#include "foundation/Forms.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class frmGame : public Form<QWidget> {
    Q_OBJECT
public:
    frmGame();

    QPushButton* ZephButton2;  // "Game Info": shows the game panel
    QPushButton* ZephButton3;  // "Players": shows the players panel
    QPushButton* ZephButton4;  // "Ok": hides the window
    QPushButton* ZephButton1;  // "&Ok", invisible: hides the window

    QGroupBox* picGame;        // the game panel
    QPlainTextEdit* GameLbl;   // the game information text
    QComboBox* Combo1;         // "Change Status": the ready states

    QGroupBox* picPlayers;     // the players panel, at the same place
    QLabel* Label1;            // "Players:"
    QLabel* LblPlayers;        // set by the who list's update
    QListWidget* ListPlayers;  // the players in the game

    QTimer* Timer1;            // the poll, 1000 ms

    // Switches the poll on (the login dialog's Connect); it runs from then on.
    void StartTimer();

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;
    void Combo1_Click();
    void Timer1_Timer();
    void ZephButton1_Click();
    void ZephButton2_Click();
    void ZephButton3_Click();
    void ZephButton4_Click();

protected:
    // The window has no working close box.
    void closeEvent(QCloseEvent* event) override;
};
