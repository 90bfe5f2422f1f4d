#pragma once
// The chat window: five channels behind the tabs of one tab control, the
// unread mark, and the list of players online at its left edge.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTreeWidget>
#include <array>

class frmChat : public Form<QMdiSubWindow> {
    Q_OBJECT
public:
    frmChat();

    QWidget* content;
    QLabel* picNewChat;    // hidden; holds the unread-mark picture
    QTabBar* SSTab1;       // the tabs; its caption is the selected tab's
    QWidget* tabArea;      // the area below the tabs that holds the boxes
    RichTextBox* txtStatus;   // "Game Chat"
    RichTextBox* txtGlobal;   // "Global Chat"
    RichTextBox* txtHelp;     // "Help Chat"
    RichTextBox* txtTrainer;  // "Trainer"
    RichTextBox* txtTeam;     // "Team Chat"
    QTreeWidget* WhoList;     // players online

    // The five boxes in tab order.
    std::array<RichTextBox*, 5> boxes() const { return {txtStatus, txtGlobal, txtHelp, txtTrainer, txtTeam}; }
    // The caption of the selected tab.
    QString SSTab1Caption() const { return SSTab1->tabText(SSTab1->currentIndex()); }
    // The height of the whole tab control (tabs and the area below them), in twips.
    int SSTab1Height() const;

    // The unread mark: the tab's picture becomes picNewChat's picture.
    void MarkTabUnread(int tab);
    void ClearTabMark(int tab);
    bool TabMarked(int tab) const;

    void Form_Load() override;
    void Form_Resize();
    void SSTab1_Click(int PreviousTab);
    void SSTab1_DblClick();
    // The window's bare surface.
    void Form_Click();
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);

protected:
    bool unloadOnClose() const override { return false; }
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tab whose caption the tab control shows, -1 for none.
    int selectedTabByCaption() const;
    // Shows the tab's own box, hides the other four and removes the tab's mark.
    void showBoxOf(int tab);
    // Gives the input line the focus when it can take it.
    void focusInputLine();

    int previousTab_ = 0;
};
