#pragma once
// The error-log window: the run-time errors that trapping procedures record,
// kept for this run only, and the switch of the server's debug output.

#include "foundation/Controls.h"
#include "foundation/Forms.h"
#include "foundation/RuntimeError.h"
#include "platform/SettingsStore.h"

#include <QTabBar>

class frmDebug : public Form<QWidget> {
    Q_OBJECT
public:
    frmDebug();

    RichTextBox* txtLog;
    QTabBar* TabStrip1;

    void Form_Load() override;
    void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr);
    void TabStrip1_Click();
};

// Records an error in the error-log window, loading it hidden when needed.
void AddToLog(const QString& strForm, const QString& strFunction, const ErrObject& objErr);
// Writes a settings save; one that fails is recorded once, with its reason.
void WriteSettingsSave(const QString& strForm, const QString& strFunction, platform::SettingsSave& save);
