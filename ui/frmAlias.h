#pragma once
// The alias window: the user's aliases as the server keeps them, an editor
// for one alias, and the requests that save, remove and list them. The list
// view is the only copy of the aliases in the client.

#include "foundation/Controls.h"
#include "foundation/Forms.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

struct AliasList;

class frmAlias : public Form<QDialog> {
    Q_OBJECT
public:
    frmAlias();

    // ---- controls ----
    QGroupBox* fraAliases;       // "Aliases"
    QTreeWidget* lvAliases;      // name (the item's key and text) and its "cmds" column
    QPushButton* cmdAddNew;      // "&Add"
    QPushButton* cmdRem;         // "Remo&ve"
    QPushButton* cmdUpdate;      // "&Refresh", the default button
    QPushButton* cmdExit;        // "&Done"
    QGroupBox* fraAlias;         // "Alias: none"
    QLabel* lblName;             // "Alias Name:"
    QLineEdit* txtName;          // its tag is the unsaved-changes mark
    RichTextBox* rtbCommands;
    QPushButton* cmdUpdateAlias; // "&Update Alias"

    // The unsaved-changes mark: "no" after a change in the editor, "yes"
    // after an alias was loaded into it.
    QString txtNameTag() const { return txtNameTag_; }

    // ---- public procedures ----
    // Reads an alias data text from the server. A text that ends too early
    // raises a run-time error for the caller to report.
    void ProcessAlias(const QString& Data);
    // Fills the list from an alias list text; malformed records are left out
    // and recorded once in the error log.
    void ParseAlias(const QString& Raw);
    // After the server saved an alias.
    void AddNew(const QString& Name);

    // The commands of a list item.
    static QString ItemCommands(const QTreeWidgetItem* item);
    // The commands as the editor holds them, lines ended by CR LF.
    QString EditorCommands() const;

    // ---- events ----
    void Form_Load() override;
    void cmdAddNew_Click();
    void cmdRem_Click();
    void cmdUpdate_Click();
    void cmdExit_Click();
    void cmdUpdateAlias_Click();
    void lvAliases_Click();
    void lvAliases_GotFocus();
    void txtName_Change();
    void rtbCommands_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the window: only "&Done" and the close box do.
    void reject() override {}

private:
    bool AliasExists(const QString& Name) const;
    QTreeWidgetItem* FindAlias(const QString& Name) const;
    void FillList(const AliasList& list);
    // Sets the commands of the listed alias, or lists it.
    void PutAlias(const QString& Name, const QString& Commands);

    QString txtNameTag_;
};
