#pragma once
#include <QMainWindow>

#include <memory>

class QtMessageDisplay;
namespace platform { class QtPlatformServices; }

// The main window of the program. While it exists, the window services
// (screen, centring, waiting, help owned by this window) and the message
// dialog are installed for the libraries without windows.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIMain(QWidget* parent = nullptr);
    ~MDIMain() override;

private:
    std::unique_ptr<platform::QtPlatformServices> platformServices_;
    std::unique_ptr<QtMessageDisplay> messageDisplay_;
};
