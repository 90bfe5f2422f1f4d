#pragma once
// The who-online window.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>
#include <array>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

    StatusBar* StatusBar1;  // shows a simple text while the list is requested
    // The server's who reply (kept until the list is built from it).
    void Update(const QString& RawData);
    QString WhoData;

    // ---- user buttons cmdAlias(27) to cmdAlias(32), entries of the shared
    // button table: element i - kAliasFirst ----
    static constexpr int kAliasFirst = 27;
    std::array<QPushButton*, 6> cmdAlias = [this] {
        std::array<QPushButton*, 6> buttons{};
        for (QPushButton*& b : buttons)
            b = new QPushButton(this);
        return buttons;
    }();
};
