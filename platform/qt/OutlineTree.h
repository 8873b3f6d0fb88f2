#pragma once
#include <QTreeWidget>

#include <vector>

namespace platform {

// An outline: numbered lines (0, 1, 2, ...) each with a text, an indent
// (0 the root; a line hangs below the nearest earlier line of a smaller
// indent) and a picture type (0 plain, 2 marked; the marked line is also
// the selected one). Every line stays
// expanded: a collapse is undone at once, and no line shows an expand
// arrow. A line wider than the outline ends in "..." and shows whole in its
// tip.
class OutlineTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kPictureMarked = 2;

    explicit OutlineTree(QWidget* parent = nullptr);

    void Clear();
    // Adds a line at the end; returns its index.
    int AddLine(const QString& text, int indent);
    int LineCount() const { return static_cast<int>(lines_.size()); }
    QString LineText(int line) const;
    int Indent(int line) const;
    // False when there is no such line.
    bool SetPictureType(int line, int pictureType);
    int PictureType(int line) const;  // -1 when there is no such line
    void ExpandAll();
    // The selected line, -1 none.
    int ListIndex() const;
    // The item of a line (nullptr when there is none), e.g. to click it.
    QTreeWidgetItem* LineItem(int line) const;
    // The width that shows every line of that indent whole, marked or not,
    // frame and scroll bar included.
    int NeededWidth(int indent) const;

signals:
    // A line was clicked.
    void LineClicked(int line);
    // Lines were added or the outline was cleared.
    void LinesChanged();

protected:
    // No expand arrows: the outline cannot be collapsed.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    struct Line {
        QTreeWidgetItem* item;
        int indent;
        int picture;
    };
    int LineOfItem(const QTreeWidgetItem* item) const;
    // The width of the widest item of the lines of that indent, marked.
    int WidestLine(int indent) const;

    std::vector<Line> lines_;
};

} // namespace platform
