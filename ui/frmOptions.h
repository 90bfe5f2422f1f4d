#pragma once
// The general options dialog.

#include "foundation/Forms.h"

#include <QComboBox>
#include <QWidget>

class frmOptions : public Form<QWidget> {
    Q_OBJECT
public:
    frmOptions();

    // "Buttons on Main Screen:": the number of command buttons, "14" to "20"
    // (the user may also type one); "14" when the dialog opens. The settings
    // writer stores its text.
    QComboBox* cmbButtons = [this] {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        for (int n = 14; n <= 20; ++n)
            box->addItem(QString::number(n));
        box->setCurrentText(QStringLiteral("14"));
        return box;
    }();
};
