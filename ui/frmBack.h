#pragma once
// The main window: the MDI parent that frames the client. It holds the input
// line, the command buttons, the Connect button and the status bar; its
// children are the game window and the chat window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <array>

class QMdiSubWindow;

class frmBack : public Form<QMainWindow> {
    Q_OBJECT
public:
    frmBack();

    QMdiArea* mdiArea;
    QWidget* Picture1;  // top strip (empty)
    QWidget* Picture2;  // right-hand column with the buttons
    QWidget* Picture3;  // bottom strip with the input line and the status bar
    QComboBox* txtSend;
    StatusBar* StatBar;
    QPushButton* cmdConnect;
    std::array<QPushButton*, 24> cmdAlias{};

    QMenu* mnuFile;
    QAction* mnuFileConnect;
    QAction* mnuFileExit;

    // MDIForm_Load.
    void Form_Load() override;
    // Opens maximized.
    void Show() override;

    // Adds an MDI child window.
    void addChild(QMdiSubWindow* child);
    // Shows the menus of the active child in place of the window's own.
    void showMenusOf(QMdiSubWindow* child);

protected:
    bool unloadOnClose() const override { return false; }
    void closeEvent(QCloseEvent* event) override;

private:
    QMenuBar* menus_;
};
