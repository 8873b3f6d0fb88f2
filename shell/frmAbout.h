#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The about box: version line, disclaimer, notice of rights and the
// developer, in the current language; closed by its button.
//
// Object names: lblVersion, lblDisclaimer, lblStatement, lblDevelopedBy,
// lblAddress, lblWebSite, cmdOkay.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // mainWindow: gives the icon.
    explicit frmAbout(QWidget* mainWindow = nullptr);

private:
    QLabel* lblVersion_;
    QLabel* lblDisclaimer_;
    QLabel* lblStatement_;
    QLabel* lblDevelopedBy_;
    QLabel* lblAddress_;
    QLabel* lblWebSite_;
    QPushButton* cmdOkay_;
};

// Help > About: shows the about box modally over the main window.
void ShowAboutBox(QWidget* mainWindow);
