#pragma once
// The who-online window: every player online with nine columns of facts,
// and six user buttons that send a command about the selected players. Its
// Update reads the server's who reply and also rebuilds the chat window's
// user list and the game room's player list.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <array>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

    QTreeWidget* gridWhoWindow;  // the players, one row each
    QPushButton* cmdOkay;        // "&Close"
    QPushButton* cmdUpdate;      // "Update", hidden
    StatusBar* StatusBar1;       // hidden; "Updated" after each reply
    QLabel* lblNumber;           // unused
    QWidget* Picture1;           // unused

    // ---- user buttons cmdAlias(27) to cmdAlias(32), entries of the shared
    // button table: element i - kAliasFirst ----
    static constexpr int kAliasFirst = 27;
    std::array<QPushButton*, 6> cmdAlias = [this] {
        std::array<QPushButton*, 6> buttons{};
        for (QPushButton*& b : buttons)
            b = new QPushButton(this);
        return buttons;
    }();

    // The server's who reply: fills this list, the chat window's user list
    // and the game room's player list.
    void Update(const QString& RawData);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_GotFocus();
    void cmdAlias_Click(int Index);
    void cmdAlias_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void cmdOkay_Click();
    void cmdUpdate_Click();
    void gridWhoWindow_ColumnClick(int column);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Several players can be selected from level 80 on.
    void allowSeveralForStaff();
    bool sorted_ = false;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
