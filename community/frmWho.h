#pragma once
// The who-online window.

#include "foundation/Forms.h"

#include <QPushButton>
#include <QWidget>
#include <array>

class frmWho : public Form<QWidget> {
    Q_OBJECT
public:
    frmWho();

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
