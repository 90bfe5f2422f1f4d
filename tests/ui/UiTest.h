#pragma once
// Window tests of the main window, the game window's menus, the chat window
// and the private-message windows: the three main windows shown offscreen as
// at start-up, and every command handed to the send procedure recorded.

#include "support/ClientTest.h"

#include <QString>
#include <QStringList>
#include <vector>

class RichTextBox;
class frmBack;
class frmChat;
class frmMain;

struct SentCommand {
    QString ctrl;
    QString text;
    bool operator==(const SentCommand& o) const { return ctrl == o.ctrl && text == o.text; }
};
void PrintTo(const SentCommand& c, std::ostream* os);
// Readable QStrings in failure messages.
void PrintTo(const QString& s, std::ostream* os);
// A box's text without the line break that ends its last line.
QString boxText(const RichTextBox& box);

// One run of text in a box with its look.
struct TextRun {
    QString text;
    quint32 colour = 0;
    bool bold = false;
    QString family;  // the font family the run was written in
};

class UiTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;

    frmBack& back();
    frmMain& game();
    frmChat& chat();

    // The commands handed to the send procedure so far.
    std::vector<SentCommand> sent;
    // The run of text in the box that contains the text (an empty run when
    // none does).
    static TextRun runWith(const RichTextBox& box, const QString& text);
    // Gives the main window the focus, as the desktop would.
    void activate();
};
