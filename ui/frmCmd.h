#pragma once
// The command list: the text of "command.txt", loaded by the settings load.

#include "foundation/Forms.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

class frmCmd : public Form<QWidget> {
    Q_OBJECT
public:
    frmCmd();

    QPlainTextEdit* CmdList;
    QPushButton* Command1;  // "Ok"

    void Form_Load() override;
    // Hides the list; it stays loaded with its text.
    void Command1_Click();

protected:
    // No close box: "Ok" only hides it.
    bool unloadOnClose() const override { return false; }
};
