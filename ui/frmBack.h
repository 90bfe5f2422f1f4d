#pragma once
// The main window: the MDI parent that frames the client. It holds the input
// line with the keyboard command layer, the command buttons, the Connect
// button and the status bar; its children are the game window and the chat
// window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <array>

class QKeyEvent;
class QMdiSubWindow;

class frmBack : public Form<QMainWindow> {
    Q_OBJECT
public:
    frmBack();

    QMdiArea* mdiArea;
    QWidget* Picture1;  // top strip (empty)
    QWidget* Picture2;  // right-hand column with the buttons
    QWidget* Picture3;  // bottom strip with the input line and the status bar
    QComboBox* txtSend;  // the input line; its list is the history, newest first
    StatusBar* StatBar;
    QPushButton* cmdConnect;
    std::array<QPushButton*, 24> cmdAlias{};

    QMenu* mnuFile;
    QAction* mnuFileConnect;
    QAction* mnuFileExit;

    // True while the map shows the Shift pointer.
    bool bShiftCursor = false;

    // MDIForm_Load.
    void Form_Load() override;
    // Opens maximized.
    void Show() override;

    // The keyboard command layer: KeyCode is a virtual-key code, Shift the
    // modifier bits (1 Shift alone). A KeyCode set to 0 swallows the key.
    void txtSend_KeyDown(int& KeyCode, int Shift);
    void txtSend_Change();
    void txtSend_Click();
    void Picture3_Click();
    void cmdAlias_Click(int Index);
    void cmdAlias_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void cmdConnect_Click();
    void mnuFileConnect_Click();

    // The disconnect steps of the two Connect commands; connectItem is the
    // File > Connect item of the window whose command runs.
    void DisconnectSteps(QAction* connectItem);

    // Disables a control of the window (the input line, the map, a chat
    // box). Should it have the window's keyboard, the keyboard waits on the
    // bottom strip, where a key does nothing: left alone, the toolkit hands
    // it on to the next control, often a button that the next space typed
    // would press.
    void DisableControl(QWidget* control);
    // Enables the input line at login and gives it the window's keyboard, so
    // that what the player types next is a line to send. The window is not
    // made the active one for it.
    void EnableInputLine();

    // Adds an MDI child window.
    void addChild(QMdiSubWindow* child);
    // Shows the menus of the active child in place of the window's own.
    void showMenusOf(QMdiSubWindow* child);

protected:
    bool unloadOnClose() const override { return false; }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab walk the window's own controls (the input line,
    // Connect, the user buttons) and come round again; the game and the
    // chat window keep theirs.
    bool focusNextPrevChild(bool next) override;

private:
    // Runs the keyboard layer for one key press; true when the key is used up.
    bool keyDown(QKeyEvent* event);
    // Loads a pointer file of the program's folder onto the map; false when
    // the file does not exist.
    bool loadMapPointer(const QString& fileName);

    QMenuBar* menus_;
    // A walking key of the numpad types nothing into the line.
    bool swallowKey_ = false;
};
