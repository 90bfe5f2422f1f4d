#pragma once
// The ignore list: the names whose chat lines are dropped, kept in the list
// box and in "Ignore.Dat", which every change rewrites and every focus gain
// reads back.

#include "foundation/Forms.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <optional>

class frmIgnore : public Form<QDialog> {
    Q_OBJECT
public:
    frmIgnore();
    ~frmIgnore() override;

    // ---- controls ----
    QLabel* lblIgnored;       // "Current Users Being Ignored:"
    QListWidget* lstIgnored;  // the ignore list, sorted, extended selection
    QLabel* lblOnline;        // "Users Online:"
    QListWidget* lstOnline;   // names of the chat window's user list, to pick from
    QPushButton* cmdAdd;      // "<-Add"
    QPushButton* cmdRem;      // "Remove->"
    QPushButton* cmdClear;    // "Clear List"
    QPushButton* cmdUpdate;   // "Update"
    QPushButton* cmdDone;     // "Done"

    // ---- public procedures ----
    // Adds the name with every "_" turned into a blank (in the caller's text
    // too), without looking for it first, and rewrites the file.
    void IgnoreAdd(QString& strName);
    // The names of the list, first to last.
    QStringList Names() const;
    // The file the list is kept in.
    static QString IgnoreFile();

    // ---- events ----
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_GotFocus();
    void Form_LostFocus();
    void cmdAdd_Click();
    void cmdRem_Click();
    void cmdClear_Click();
    void cmdUpdate_Click();
    void cmdDone_Click();

protected:
    bool event(QEvent* event) override;
    // Escape does not close the window.
    void reject() override {}

private:
    // A failed write is recorded in the error log when asked to report.
    void SaveIgnoreList(bool report = true);
    void LoadIgnoreList();
    // The names of the file in the list's order (none when there is no
    // file); nothing when the file is there but cannot be read, recorded in
    // the error log under the procedure when asked to report.
    std::optional<QStringList> ReadIgnoreList(const QString& procedure, bool report);
    // Puts the name in its place in the sorted list.
    void InsertSorted(const QString& name);

    // Set while the list holds changes that could not be written; the file
    // is not read over them until a save succeeds.
    bool unsaved_ = false;
    // Set while the file is there but could not be read: the list lacks its
    // names, so it is not written over the file until a read succeeds.
    bool unread_ = false;
};
