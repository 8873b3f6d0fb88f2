#pragma once
// Runs the real program inside a Qt test: a private application folder, the
// start-up with its wait ended by pressing OK on the start-up screen, and a
// message display that records every message and answers from a list.
#include "foundation/MessageDisplay.h"
#include "shell/MDIMain.h"
#include "tests/support/OtherProcesses.h"
#include "tests/support/TestAppFolder.h"

#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QAction;

namespace testing_support {

// Records the messages and answers each with the next queued result, or with
// the message's close result (as if closed without a button) when the queue
// is empty.
class RecordingMessageDisplay : public platform::MessageDisplay {
public:
    struct CriticalBox {
        std::string title;
        std::string body;
    };
    void Beep() override {}
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override;
    void ShowCriticalBox(const std::string& title, const std::string& body) override;

    std::deque<int16_t> answers;
    std::vector<MessageComposition> messages;
    // Per message: the busy pointer was showing when it came.
    std::vector<bool> busyWhenShown;
    std::vector<CriticalBox> criticalBoxes;
};

class ProgramRun {
public:
    ProgramRun();
    ~ProgramRun();

    // Writes a settings file into the folder before the start.
    void WriteSettings(const std::string& text);
    // Starts the program and waits until the main window's first activation
    // has run (or the program was ended). False when it did not come up.
    bool Start();

    MDIMain* Main() const { return main_; }
    // -1 while the program was not ended by a failing loader.
    int EndStatus() const { return endStatus_; }
    const TestAppFolder& Folder() const { return folder_; }
    RecordingMessageDisplay& Messages() { return display_; }

    // The main window's action or widget of that object name.
    QAction* Action(const QString& name) const;
    // Triggers the action of that name.
    void Trigger(const QString& name) const;
    // The files the next file dialogs give back, in order ("*.Dat" cancels).
    std::deque<std::string> fileAnswers;
    // The set-up of every file dialog shown.
    std::vector<FileDialogSetup> fileDialogs;

    // The outline's lines as "indent:text".
    QStringList TreeLines() const;
    // The captions of the axis windows in the main window, in creation order.
    QStringList ChildCaptions() const;

    // Closes the main window through its close box; true when it closed.
    bool CloseByUser();

private:
    TestAppFolder folder_;
    RecordingMessageDisplay display_;
    MDIMain* main_ = nullptr;
    int endStatus_ = -1;
};

// The message numbers shown, from their captions ("... - 4001" etc.).
std::vector<int> MessageNumbers(const RecordingMessageDisplay& display);

// Clicks the toolbar button of a window's tool (the action of that object
// name) as a user would; false when the button is not shown.
bool ClickToolButton(QWidget* window, const char* key);

} // namespace testing_support
