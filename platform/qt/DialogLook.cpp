#include "platform/qt/DialogLook.h"

#include "foundation/MessageDisplay.h"
#include "foundation/basWinAPICalls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

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

// The width a line edit takes to show text whole: the text, the margins the
// line edit keeps around it (two pixels a side and the cursor) and its frame.
int WidthShowing(const QLineEdit* field, const QString& text)
{
    constexpr int kTextMargins = 2 * 2 + 1;
    const QMargins margins = field->textMargins() + field->contentsMargins();
    const int contents = field->fontMetrics().horizontalAdvance(text) + kTextMargins + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(contents, field->height()), field).width();
}

} // namespace

void KeepTextWhole(QLineEdit* field, const QString& sample)
{
    const auto fit = [field, sample] {
        field->setMinimumWidth(std::max(WidthShowing(field, field->text()), WidthShowing(field, sample)));
    };
    fit();
    QObject::connect(field, &QLineEdit::textChanged, field, fit);
}

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

int CaptionWidth(const QWidget* window)
{
    QFont bold = window->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The icon, three buttons and the margins, each about a square of the
    // bar's height.
    const int bar = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), 3 * metrics.height() / 2);
    return metrics.horizontalAdvance(window->windowTitle()) + 5 * bar;
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
