#include "platform/qt/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace platform {
namespace {

// Characters of very different widths in a proportional face.
constexpr char kProbeCharacters[] = "iWM.1 _";

bool HasEqualAdvances(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char(kProbeCharacters[0]));
    if (advance <= 0)
        return false;
    for (const char* c = kProbeCharacters + 1; *c; ++c)
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(*c)), advance))
            return false;
    return true;
}

} // namespace

QStringList FixedPitchCandidates()
{
    // DejaVu Sans Mono comes with the set-up's fonts.
    return {QStringLiteral("Courier New"),     QStringLiteral("Courier"),
            QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
            QStringLiteral("Noto Sans Mono"),  QStringLiteral("Nimbus Mono PS"),
            QStringLiteral("FreeMono")};
}

QString FirstUsableFamily(const QStringList& candidates,
                          const std::function<QString(const QString&)>& usableName)
{
    for (const QString& family : candidates) {
        const QString name = usableName(family);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

QString InstalledMonospacedFamily(const QString& family)
{
    // families() lists what is installed ("Family" or "Family [foundry]");
    // hasFamily() would also accept a name the font system merely
    // substitutes.
    const QString withFoundry = family + QStringLiteral(" [");
    for (const QString& installed : QFontDatabase::families()) {
        const bool same = installed.compare(family, Qt::CaseInsensitive) == 0 ||
                          installed.startsWith(withFoundry, Qt::CaseInsensitive);
        if (same && HasEqualAdvances(QFont(installed, 10)))
            return installed;
    }
    return QString();
}

QString FixedPitchFamily()
{
    static const QString family = FirstUsableFamily(FixedPitchCandidates(), InstalledMonospacedFamily);
    return family;
}

QFont FixedPitchFont(qreal pointSize)
{
    const QString family = FixedPitchFamily();
    QFont font = family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace platform
