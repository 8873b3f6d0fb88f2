#pragma once
// The busy pointer for the length of a scope: shown when the object is made,
// taken back when it goes, on every path out of the scope. Taking it back
// after the message dialog has already cleared it does nothing.
#include <QApplication>
#include <QCursor>

namespace platform {

class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace platform
