#pragma once
#include <QTreeWidget>

#include <vector>

namespace platform {

// An outline: numbered lines (0, 1, 2, ...) each with a text, an indent
// (0 the root; a line hangs below the nearest earlier line of a smaller
// indent) and a picture type (0 plain, 2 marked). Every line stays
// expanded: a collapse is undone at once.
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

signals:
    // A line was clicked.
    void LineClicked(int line);

private:
    struct Line {
        QTreeWidgetItem* item;
        int indent;
        int picture;
    };
    int LineOfItem(const QTreeWidgetItem* item) const;

    std::vector<Line> lines_;
};

} // namespace platform
