#pragma once
// The who-online window.

#include "foundation/Forms.h"

#include <QWidget>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

    // The server's who reply (kept until the list is built from it).
    void Update(const QString& RawData);
    QString WhoData;
};
