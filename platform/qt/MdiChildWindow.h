#pragma once
#include <QMdiSubWindow>

#include <cstdint>

namespace platform {

// A child window of the main window's MDI area that the user can only
// minimise: its close box minimises it. However it is minimised, the window
// shown that was active before it takes its place as the active one. The program removes it with
// Unload(). It carries a free text (Tag) and reports its activations and
// its changes of window state.
class MdiChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit MdiChildWindow(QWidget* parent = nullptr);

    const QString& Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }

    // 0 normal, 1 minimised, 2 maximised.
    int16_t WindowState() const;
    void SetWindowState(int16_t state);
    // Brings the window to the front and activates it, with the keyboard
    // focus.
    void BringToFront();

    // Removes the window from the area and deletes it soon: runs the
    // unload step first; a second call does nothing.
    void Unload();
    bool IsUnloading() const { return unloading_; }

protected:
    // What a window does when it goes: called once, by Unload or when the
    // window is destroyed with its area.
    virtual void UnloadStep() {}
    // Called when the window became the area's active child.
    virtual void ActivateStep() {}
    // Called when the window state changed (after the first showing).
    virtual void WindowStateStep() {}

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Derived windows call this from their destructor.
    void RunUnloadStepOnce();

private:
    QString tag_;
    bool unloading_ = false;
    bool settingState_ = false;  // inside SetWindowState
    bool unloadStepDone_ = false;
    friend class MdiChildActivation;
};

// Connects an MDI area so that its children run their activation step.
void ConnectChildActivation(class QMdiArea* area);

} // namespace platform
