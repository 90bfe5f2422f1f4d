#pragma once
// The alias window.

#include "foundation/Forms.h"

#include <QWidget>

class frmAlias : public Form<QWidget> {
    Q_OBJECT
public:
    frmAlias();

    // An alias data text (kept until the list is filled from it).
    void ProcessAlias(const QString& Data);
    // After a successful save; the list shows the alias after the next list reply.
    void AddNew(const QString& Name);
    QString AliasData;
};
