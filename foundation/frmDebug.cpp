#include "foundation/frmDebug.h"

#include "foundation/ProgramLinks.h"

#include <QTextCursor>
#include <QVBoxLayout>

frmDebug::frmDebug()
{
    setWindowTitle(QStringLiteral("Application Debug Info"));
    auto* layout = new QVBoxLayout(this);
    TabStrip1 = new QTabBar(this);
    TabStrip1->addTab(QStringLiteral("Main Output"));
    TabStrip1->addTab(QStringLiteral("Error Log"));
    txtLog = new RichTextBox(this);
    txtLog->setReadOnly(false);
    layout->addWidget(TabStrip1);
    layout->addWidget(txtLog);
    resize(480, 320);
    // Every change of the selected tab (a click, the arrow keys, the mouse
    // wheel) is heard, and so is a click on the tab already selected.
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == TabStrip1->currentIndex())
            TabStrip1_Click();
    });
}

void frmDebug::Form_Load()
{
    if (QWidget* owner = LinkedMainWindow())
        move(owner->geometry().center() - rect().center());
    TabStrip1->setCurrentIndex(0);
    LinkedServer(QStringLiteral("e"), QStringLiteral("1"));
}

void frmDebug::AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr)
{
    // The line goes after the old text in the box's own font and colour, as
    // if the whole text were set anew, without rebuilding the text each time.
    QTextCursor cursor(txtLog->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("Error #") + QString::number(objErr.Number) + QLatin1Char(' ') +
                          objErr.Description + QStringLiteral(" in ") + strForm + QLatin1Char(',') + strFunction,
                      QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void frmDebug::TabStrip1_Click()
{
    LinkedServer(QStringLiteral("e"), TabStrip1->currentIndex() == 0 ? QStringLiteral("1") : QStringLiteral("0"));
}

void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr)
{
    Forms::get<frmDebug>().AddToLog(strForm, strFunction, objErr);
}

void WriteSettingsSave(const QString& strForm, const QString& strFunction, platform::SettingsSave& save)
{
    if (!save.write())
        AddToLog(strForm, strFunction, ErrObject{errPathFileAccess, save.problem()});
}
