#pragma once
// Private-message windows: one top-level window per conversation partner,
// its caption the partner's name (empty while the window is free), the
// conversation above and a one-line reply below. Unlike the other forms
// several exist at once; they are held in PMForms, entries 1 to 10.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <array>

class frmPM : public Form<QWidget> {
    Q_OBJECT
public:
    frmPM();

    RichTextBox* MessageTxt;  // the conversation; written by the chat routing
    QLineEdit* SendTxt;       // the reply being typed
    QLabel* PMIndex;          // the window's entry in PMForms, as text (outside the visible area)

    void SendTxt_KeyUp(int& KeyCode, int Shift);
    void Form_Resize();
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    // When a line was last written into the conversation (a running count,
    // not a clock): the window quiet longest has the smallest value.
    quint64 LastActivity() const { return lastActivity_; }
    void noteActivity();

protected:
    // Closing forgets the partner; the window object stays in its entry.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    quint64 lastActivity_ = 0;
};

// The table of private-message windows, entries 0 to 10 (1 to 10 used).
constexpr int kPMFirst = 1;
constexpr int kPMLast = 10;
std::array<QPointer<frmPM>, kPMLast + 1>& PMForms();
// The window of an entry, created on first use.
frmPM& PMWindow(int index);
// The window whose caption is the name, or none.
frmPM* PMWindowNamed(const QString& name);
// The window for a private message from a partner: the one whose caption is
// the name; else the first free entry; else the window quiet longest,
// emptied. Its caption becomes the name.
frmPM& PMWindowFor(const QString& name);
