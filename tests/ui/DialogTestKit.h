#pragma once
// What the dialog tests share: acting on a modal dialog once it shows, and
// fakes of the window services (help pages) and of the message display
// (beeps, messages and their answers).
#include "foundation/ClsMessageSystem.h"
#include "foundation/MessageDisplay.h"
#include "foundation/PlatformServices.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace dialog_tests {

// Runs act on the next modal dialog once it is shown and active. A dialog
// that act left open (a failed check returns early) is closed afterwards,
// so that a failing test cannot hang in the modal loop.
inline void WhenModalShows(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !modal->isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> dialog = modal;
        act(modal);
        if (dialog && dialog->isVisible())
            if (auto* open = qobject_cast<QDialog*>(dialog.data()))
                QTimer::singleShot(0, open, &QDialog::reject);
    });
    poll->start(10);
}

// Records the help pages asked for; centring and waiting do nothing.
class RecordingServices : public platform::PlatformServices {
public:
    RecordingServices() { platform::InstallPlatformServices(this); }
    ~RecordingServices() override { platform::InstallPlatformServices(nullptr); }
    int ColorBitsOfWindow(platform::Window*) override { return 32; }
    void CenterWindow(platform::Window*) override {}
    void WaitForTimer(int32_t, int16_t& doneFlag) override { doneFlag = -1; }
    void ShowHelpPage(const std::string& pageFile, const std::string&, const std::string&) override
    {
        helpPages.push_back(pageFile);
    }
    std::vector<std::string> helpPages;
};

// Records beeps and messages and answers each message with answer.
class RecordingMessages : public platform::MessageDisplay {
public:
    RecordingMessages() { platform::InstallMessageDisplay(this); }
    ~RecordingMessages() override { platform::InstallMessageDisplay(nullptr); }
    void Beep() override { ++beeps; }
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override
    {
        messages.push_back(message);
        return answer;
    }
    void ShowCriticalBox(const std::string& title, const std::string&) override { criticalBoxes.push_back(title); }
    int beeps = 0;
    std::vector<MessageComposition> messages;
    std::vector<std::string> criticalBoxes;
    int16_t answer = kResultOk;
};

} // namespace dialog_tests
