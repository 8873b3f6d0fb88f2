#pragma once
#include <QDialog>
#include <QRect>
#include <QString>
#include <QSize>

class QPlainTextEdit;
class QPushButton;

namespace platform {

// A modal window that shows a computed text in a read-only, fixed-pitch
// text box (the program's fixed-pitch face at 9.75 point) with
// a Close button. The text is built afresh on every activation; the focus
// then goes to the button. Object names txtAnalysis and cmdClose.
class FixedTextDialog : public QDialog {
    Q_OBJECT
public:
    // Pixel geometry of the client area, the text box and the button.
    struct Layout {
        QSize client;
        QRect text;
        QRect close;
    };

    // A text to show: prose wraps its lines at the box's width, a text of
    // columns keeps each line whole (the box scrolls sideways instead).
    struct Content {
        QString text;
        bool prose = false;
    };

protected:
    FixedTextDialog(QWidget* parent, const Layout& layout, const QString& caption,
                    const QString& closeCaption);

    // The text to show, built from the model at this activation.
    virtual Content BuildText() = 0;

    bool event(QEvent* event) override;

private:
    QPlainTextEdit* txtAnalysis_;
    QPushButton* cmdClose_;
};

} // namespace platform
