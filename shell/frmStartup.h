#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The start-up screen: the logo, title and version, the legal notice, a
// progress bar that grows in 23 steps of 200 ms, and OK, which ends the
// main window's start-up wait at once. It keeps one size, centred on the
// screen, while the bar grows.
class frmStartup : public QWidget {
    Q_OBJECT
public:
    explicit frmStartup(QWidget* parent = nullptr);

    // The progress bar's full width and its width now, in pixels.
    int FullWidth() const { return mnFullWidth; }
    int ProgressWidth() const;

    void tmrSystem_Timer();
    void cmdOkay_Click();

private:
    void Form_Load();
    void SetProgressWidth(int width);

    QLabel* imgLogo;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblDevelopedBy;
    QFrame* picProgress;  // the groove the bar grows in
    QLabel* lblProgress;
    QPushButton* cmdOkay;
    QTimer* tmrSystem;
    int mnFullWidth = 0;
    int mnStep = 0;
    bool mbOkPressed = false;
};
