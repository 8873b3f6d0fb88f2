#pragma once
#include <QDialog>

// Modal text window of the axis gnAnalysisAxis (still empty).
class frmMotorReq : public QDialog {
    Q_OBJECT
public:
    explicit frmMotorReq(QWidget* parent = nullptr);
};
