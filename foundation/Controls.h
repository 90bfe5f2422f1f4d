#pragma once
// Controls the windows share: the rich-text box of the chat and log windows,
// the picture box that the map views draw into, the panelled status bar and
// the row of a list view in report form.

#include <QLabel>
#include <QPixmap>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QTreeWidgetItem>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

// A box of formatted text. The program writes into it through AddText; the
// user reads and selects but does not type into it.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // The lines of the box, each line break as one "\n".
    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }

    // The format that text written at the end of the box takes (colour, font,
    // size, bold, italic, underline). Like a rich-text box's selection format
    // it persists from one write to the next; AddText changes parts of it.
    QTextCharFormat SelFormat;
};

// A picture box: a surface that the program draws into (kept between
// paints) and shows; mouse presses and releases reach its owner.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The drawing surface; it follows the box's size.
    QPixmap& Image() { return image_; }
    const QPixmap& Image() const { return image_; }
    // Shows what was drawn (the box's Refresh).
    void Refresh() { update(); }
    // The inner size in pixels.
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> onMouseDown;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap image_;
};

// A status bar of panels numbered from 1, or one simple text.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    // widths in pixels; the last panel takes what is left.
    StatusBar(const std::vector<int>& panelWidths, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    QString Panel(int index) const;
    void setPanel(int index, const QString& text);
    void setPanelToolTip(int index, const QString& tip);
    // The simple text replaces the panels while it is set.
    QString SimpleText() const { return simple_->text(); }
    void setSimpleText(const QString& text);

private:
    std::vector<QLabel*> panels_;
    QLabel* simple_;
};

class QListWidget;
class QTreeWidget;

// Runs the handler as a list box's click event runs: whenever the player
// selects an item, by mouse or keys, and on every click of an item, the one
// already selected too; not when the list merely takes the focus.
void OnListBoxClick(QListWidget* list, std::function<void()> handler);

// Gives the columns of a list view in report form their widths in twips as
// they are given: the last one does not stretch to fill the list, and none
// is raised to the header's least width.
void SetColumnWidths(QTreeWidget* list, const std::vector<int>& twips);

// A row of a list view in report form: it sorts by the text of the list's
// sort column, letter case aside, as such lists do.
class ListViewRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};
