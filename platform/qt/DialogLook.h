#pragma once
#include <cstdint>

#include <QColor>
#include <QString>

#include <functional>
#include <span>

class QAbstractButton;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What the program's dialogs share: the grey colour scheme on screens with
// more than 256 colours, the main window's icon and logo, colours stored as
// red + 256 x green + 65536 x blue, and the beep.
namespace platform {

inline const QColor kSchemeWindowColor(225, 225, 225);
inline const QColor kSchemeDarkColor(180, 180, 180);
inline const QColor kSchemeButtonColor(205, 205, 205);
inline const QColor kSchemeListColor(245, 245, 245);

// True when the screen shows 257 colours or more (glScreenColors).
bool ColorSchemeWanted();

// The window background of a widget.
void PaintBackground(QWidget* widget, const QColor& color);
// The face of a button.
void PaintButton(QAbstractButton* button, const QColor& color);
// The background of a list or a text field.
void PaintBase(QWidget* widget, const QColor& color);

// The dialog takes the main window's icon and, into logo when given, the
// picture of the main window's "imgLogo" label (nothing when it has none).
void TakeMainWindowLook(QWidget* dialog, QWidget* mainWindow, QLabel* logo);

// Creates the dialog's command buttons vseCommand_0, vseCommand_1, ... into
// buttons, adds them to layout in that order and calls onClick(k) when
// button k is clicked; none of them is pressed by Enter on its own.
void AddCommandButtons(QWidget* dialog, QBoxLayout* layout, std::span<QPushButton*> buttons,
                       const std::function<void(int)>& onClick);

// The field is never narrower than its text, or than sample where that is
// wider, at its own font: its smallest width follows every change of its
// text, so a layout gives way to it instead of cutting the number short.
void KeepTextWhole(QLineEdit* field, const QString& sample);

// The width a window needs to show its caption whole in the title bar a
// window manager gives it: the caption in the bold face of the window's
// font, with room for the bar's icon and buttons.
int CaptionWidth(const QWidget* window);

// A colour as the settings store it, and back.
QColor ColorFromRgbLong(int32_t value);
int32_t RgbLongFromColor(const QColor& color);

// The system beep, through the installed message display when there is one.
void Beep();

} // namespace platform
