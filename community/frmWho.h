#pragma once
// The who-online window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QWidget>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

    StatusBar* StatusBar1;  // shows a simple text while the list is requested
    // The server's who reply (kept until the list is built from it).
    void Update(const QString& RawData);
    QString WhoData;
};
