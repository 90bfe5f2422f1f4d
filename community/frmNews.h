#pragma once
// The news window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QWidget>

class frmNews : public Form<QWidget> {
    Q_OBJECT
public:
    frmNews();

    RichTextBox* rtbNews;  // the news
};
