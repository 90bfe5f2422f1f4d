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
// Records a settings save that failed, once, with the reason the first value
// it could not store gave; a save that succeeded records nothing.
void AddToLog(const QString& strForm, const QString& strFunction, const platform::SettingsSave& save);
