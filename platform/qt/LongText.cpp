#include "platform/qt/LongText.h"

#include <QFontMetrics>

namespace platform {

namespace {

constexpr int kShownCharacters = 60;

} // namespace

int LongTextWidth(const QFont& font)
{
    return kShownCharacters * QFontMetrics(font).averageCharWidth();
}

QString ElidedLongText(const QString& text, const QFont& font)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, LongTextWidth(font));
}

QString AsTypedInMenu(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

} // namespace platform
