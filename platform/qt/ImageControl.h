#pragma once
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace platform {

// A picture on a window, loaded from a file: shown at its natural size or
// stretched to the control's size, with or without a single-line frame, and
// reporting clicks. Its accessible name is the name of the file it shows.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    // Loads the picture of the file; a missing or unreadable file leaves the
    // control empty (natural size 0 x 0). The accessible name becomes the
    // file's name without its folder.
    void LoadPicture(const QString& path);
    // The size of the loaded picture itself.
    QSize NaturalSize() const { return picture_.size(); }
    const QPixmap& Picture() const { return picture_; }
    // True: the picture fills the control's size; False: natural size.
    void SetStretch(bool stretch);
    // 0 no frame, 1 a single-line frame.
    void SetBorderStyle(int style);
    int BorderStyle() const { return frameShape() == QFrame::Box ? 1 : 0; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace platform
