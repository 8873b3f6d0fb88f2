#include "platform/qt/DialogLook.h"

#include "foundation/MessageDisplay.h"
#include "foundation/basWinAPICalls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace platform {

bool ColorSchemeWanted()
{
    return glScreenColors >= 257;
}

namespace {

void SetRole(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

void PaintBackground(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    SetRole(widget, QPalette::Window, color);
}

void PaintButton(QAbstractButton* button, const QColor& color)
{
    SetRole(button, QPalette::Button, color);
}

void PaintBase(QWidget* widget, const QColor& color)
{
    SetRole(widget, QPalette::Base, color);
}

void TakeMainWindowLook(QWidget* dialog, QWidget* mainWindow, QLabel* logo)
{
    if (!mainWindow)
        return;
    dialog->setWindowIcon(mainWindow->windowIcon());
    if (!logo)
        return;
    if (auto* mainLogo = mainWindow->findChild<QLabel*>("imgLogo"))
        logo->setPixmap(mainLogo->pixmap());
}

QColor ColorFromRgbLong(int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t RgbLongFromColor(const QColor& color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

void Beep()
{
    if (MessageDisplay* display = InstalledMessageDisplay())
        display->Beep();
    else
        QApplication::beep();
}

void AddCommandButtons(QWidget* dialog, QBoxLayout* layout, std::span<QPushButton*> buttons,
                       const std::function<void(int)>& onClick)
{
    for (size_t k = 0; k < buttons.size(); ++k) {
        auto* button = new QPushButton(dialog);
        button->setObjectName(QStringLiteral("vseCommand_%1").arg(k));
        button->setAutoDefault(false);
        const int index = static_cast<int>(k);
        QObject::connect(button, &QPushButton::clicked, dialog, [onClick, index] { onClick(index); });
        layout->addWidget(button);
        buttons[k] = button;
    }
}

} // namespace platform
