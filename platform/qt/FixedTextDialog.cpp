#include "platform/qt/FixedTextDialog.h"

#include "platform/qt/FixedPitchFont.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace platform {

FixedTextDialog::FixedTextDialog(QWidget* parent, const Layout& layout, const QString& caption,
                                 const QString& closeCaption)
    : QDialog(parent),
      txtAnalysis_(new QPlainTextEdit(this)),
      cmdClose_(new QPushButton(closeCaption, this))
{
    setWindowTitle(caption);
    setModal(true);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(205, 205, 205));
    background.setColor(QPalette::Button, QColor(205, 205, 205));
    setPalette(background);
    setFixedSize(layout.client);

    txtAnalysis_->setObjectName("txtAnalysis");
    txtAnalysis_->setReadOnly(true);
    txtAnalysis_->setFont(FixedPitchFont(9.75));
    txtAnalysis_->setGeometry(layout.text);

    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setGeometry(layout.close);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
}

bool FixedTextDialog::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        Content content = BuildText();
        txtAnalysis_->setLineWrapMode(content.prose ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        txtAnalysis_->setPlainText(content.text.replace("\r\n", "\n"));
        cmdClose_->setFocus();
    }
    return QDialog::event(event);
}

} // namespace platform
