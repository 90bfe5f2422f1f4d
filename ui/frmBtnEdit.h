#pragma once
// The user button editor: the caption, tooltip and command text of one
// entry of the shared button table. Save stores them and relabels the one
// live button of the entry's range; Cancel and the close box change nothing.

#include "foundation/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

class frmBtnEdit : public Form<QWidget> {
    Q_OBJECT
public:
    frmBtnEdit();

    QLabel* lblCaption;     // "Caption:"
    QLineEdit* txt1;        // the caption, at most 13 characters
    QLabel* lblTip;         // "Tip:"
    QLineEdit* txt2;        // the tooltip
    QLabel* lblCommands;    // "Commands:"
    QPlainTextEdit* txt3;   // the command text
    QLabel* lblHint;        // how to write several commands
    QPushButton* cmdOK;     // "&Save"
    QPushButton* cmdCancel; // "&Cancel"

    // The entry being edited.
    int EditIndex = 0;

    // Shows the editor filled with entry Index (0 to 32) of the table; a
    // second call while it is open refills and retargets it.
    void EditButton(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();
};
