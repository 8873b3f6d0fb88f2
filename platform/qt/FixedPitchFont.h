#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// The one fixed-pitch face of the program, used wherever texts are set in
// columns (the report's pages and text box, the analysis windows).
// "Courier New" when the machine has that family; otherwise the first
// installed monospaced family of a short list; otherwise the system's
// fixed font. A face counts as monospaced when its glyph advances are
// equal: the font system's fixed-pitch flag is not relied on, since some
// monospaced faces do not carry it.
QFont FixedPitchFont(qreal pointSize);

// The family FixedPitchFont uses, as the font database names it (with its
// foundry where the machine has it from several); empty when no listed
// family is usable and the system's fixed font stands in.
QString FixedPitchFamily();

// The families tried, in order of preference.
QStringList FixedPitchCandidates();

// The first name that usableName gives for the candidates in order; empty
// when it gives none.
QString FirstUsableFamily(const QStringList& candidates,
                          const std::function<QString(const QString&)>& usableName);

// The font database's name of the family when the machine has the family
// itself (not a substitute the font system would put in its place) and its
// glyph advances are equal; empty otherwise.
QString InstalledMonospacedFamily(const QString& family);

} // namespace platform
