#include "platform/qt/ImageControl.h"

#include <QFileInfo>
#include <QMouseEvent>

namespace platform {

ImageControl::ImageControl(QWidget* parent)
    : QLabel(parent)
{
    setLineWidth(1);
    SetBorderStyle(0);
}

void ImageControl::LoadPicture(const QString& path)
{
    picture_ = QPixmap(path);
    setPixmap(picture_);
    setAccessibleName(QFileInfo(path).fileName());
    if (!hasScaledContents())
        resize(picture_.size());
}

void ImageControl::SetStretch(bool stretch)
{
    setScaledContents(stretch);
    if (!stretch)
        resize(picture_.size());
}

void ImageControl::SetBorderStyle(int style)
{
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace platform
