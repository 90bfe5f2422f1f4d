#include "foundation/frmDebug.h"

#include "ui/frmMain.h"

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
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        TabStrip1->setCurrentIndex(index);
        TabStrip1_Click();
    });
}

void frmDebug::Form_Load()
{
    TabStrip1->setCurrentIndex(0);
    Forms::get<frmMain>().Server(QStringLiteral("e"), QStringLiteral("1"));
}

void frmDebug::AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr)
{
    txtLog->setPlainText(txtLog->toPlainText() + QStringLiteral("Error #") + QString::number(objErr.Number) +
                         QLatin1Char(' ') + objErr.Description + QStringLiteral(" in ") + strForm +
                         QLatin1Char(',') + strFunction + QStringLiteral("\r\n"));
}

void frmDebug::TabStrip1_Click()
{
    Forms::get<frmMain>().Server(QStringLiteral("e"), TabStrip1->currentIndex() == 0 ? QStringLiteral("1")
                                                                                      : QStringLiteral("0"));
}

void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr)
{
    Forms::get<frmDebug>().AddToLog(strForm, strFunction, objErr);
}
