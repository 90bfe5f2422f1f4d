#pragma once
// The top-10 lists: the user picks one of the server's five rankings, the
// window asks for it and shows the answer as a table sortable by column.

#include "foundation/Forms.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

class frmTop10 : public Form<QWidget> {
    Q_OBJECT
public:
    frmTop10();

    // ---- controls ----
    QLabel* Label1;         // "Please Choose a Score to View:"
    QComboBox* cmbTop10;    // the ranking to show
    QLabel* Label2;         // "Top 10 for This (above) Score:"
    QTreeWidget* lvResults; // name, value and date; the row key in Qt::UserRole of column 0
    QPushButton* cmdExit;   // "&Ok "
    QLabel* Image1;         // the program's icon

    // The table's sort order; each column click flips it before sorting.
    Qt::SortOrder SortOrder = Qt::AscendingOrder;

    // ---- public procedures ----
    // A ranking with its value column headed "Splats" (ProcessData) or
    // "Hours" (ProcessData1).
    void ProcessData(const QString& Raw);
    void ProcessData1(const QString& Raw);

    // ---- handlers ----
    void Form_Load() override;
    void cmbTop10_Click();
    void cmdExit_Click();
    void lvResults_ColumnClick(int column);

private:
    void showRanking(const QString& raw, const QString& valueHeader, const QString& procedure);
};
