#include "UiTest.h"

#include "foundation/Controls.h"
#include "foundation/SettingsState.h"
#include "ui/ServerSend.h"
#include "ui/frmBack.h"
#include "ui/frmChat.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <ostream>

void PrintTo(const SentCommand& c, std::ostream* os)
{
    *os << '"' << c.ctrl.toStdString() << "\" \"" << c.text.toStdString() << '"';
}

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

QString boxText(const RichTextBox& box)
{
    QString t = box.Text();
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t;
}

void UiTest::SetUp()
{
    ClientTest::SetUp();
    setServerSendObserver([this](const QString& ctrl, const QString& text) { sent.push_back({ctrl, text}); });
    Forms::get<frmBack>().Show();
    Forms::get<frmChat>().Show();
    Forms::get<frmMain>();
    QApplication::processEvents();
}

void UiTest::TearDown()
{
    setServerSendObserver({});
    ClientTest::TearDown();
}

frmBack& UiTest::back() { return Forms::get<frmBack>(); }
frmMain& UiTest::game() { return Forms::get<frmMain>(); }
frmChat& UiTest::chat() { return Forms::get<frmChat>(); }

void UiTest::activate()
{
    back().activateWindow();
    QApplication::setActiveWindow(&back());
    QApplication::processEvents();
}

TextRun UiTest::runWith(const RichTextBox& box, const QString& text)
{
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.text().contains(text))
                continue;
            const QColor c = f.charFormat().foreground().color();
            return {f.text(), RGB(c.red(), c.green(), c.blue()), f.charFormat().fontWeight() >= QFont::Bold,
                    f.charFormat().fontFamilies().toStringList().value(0)};
        }
    }
    return {};
}
