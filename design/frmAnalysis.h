#pragma once
#include <QDialog>

// Modal text window of the axis gnAnalysisAxis (still empty).
class frmAnalysis : public QDialog {
    Q_OBJECT
public:
    explicit frmAnalysis(QWidget* parent = nullptr);
};
