#pragma once
#include "foundation/MessageDisplay.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QScrollArea;

// The message dialog: title panel, logo, the icon of the kind, the text and
// three buttons in a row, laid out as composed by ComposeMessage. A button
// returns its result; closing the dialog otherwise (Escape, the close box)
// returns the composition's close result. The icon and the logo are those of
// the main window, when one is given.
class frmMessageDisplay : public QDialog {
    Q_OBJECT
public:
    explicit frmMessageDisplay(const MessageComposition& message, QWidget* parent = nullptr,
                               QWidget* mainWindow = nullptr);

    // The result of the pressed button, or the close result.
    int16_t nResult() const { return result_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();
    // The width of a line of the text panel, also when it scrolls.
    int textWidth() const;
    // A text taller than the text panel makes the panel, and with it the
    // dialog, taller (within the screen; beyond, the panel scrolls).
    void fitTextPanel();
    void applyColorScheme();
    void pressButton(int index);
    // The text can be selected and copied, by its context menu and the
    // keys: Copy takes the selection or, with none, the whole text, as the
    // message has it (without the breaks put into its long words).
    void offerCopying();
    void copyText() const;

    QLabel* vseTitle_;
    QLabel* imgLogo_;
    QLabel* imgMessage_;
    QScrollArea* lblMsgContainer_;
    QLabel* lblMessage_;
    QString text_;
    std::array<QPushButton*, 3> vseCommand_;
    int focusButton_;
    int16_t result_;
};

// The message dialog and the plain critical box as the message system shows
// them; installed at start-up by the main window, whose icon and logo the
// message dialog wears.
class QtMessageDisplay : public platform::MessageDisplay {
public:
    explicit QtMessageDisplay(QWidget* mainWindow = nullptr) : mainWindow_(mainWindow) {}
    void Beep() override;
    void RestoreDefaultCursor() override;
    int16_t ShowMessage(const MessageComposition& message) override;
    void ShowCriticalBox(const std::string& title, const std::string& body) override;

private:
    QWidget* mainWindow_;
};
