#pragma once
// The news window: asks the server for the news when it loads; every News
// message that arrives is appended to its box (the dispatcher writes it).

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>

class frmNews : public Form<QWidget> {
    Q_OBJECT
public:
    frmNews();

    // ---- controls ----
    RichTextBox* rtbNews;   // the news
    QPushButton* cmdClose;  // "Close"

    // ---- handlers ----
    void Form_Load() override;
    void cmdClose_Click();
};
