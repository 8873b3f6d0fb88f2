#pragma once
#include <QMainWindow>

// The main window of the program.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIMain(QWidget* parent = nullptr);
};
