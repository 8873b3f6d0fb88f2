#include "platform/qt/ReportPagination.h"

#include <algorithm>

namespace platform {

std::vector<std::size_t> PageStarts(const std::vector<double>& lineHeights, const std::vector<KeptLines>& kept,
                                    double pageHeight)
{
    std::vector<double> runHeights;
    for (const KeptLines& run : kept) {
        double height = 0.0;
        for (std::size_t k = run.first; k <= run.last && k < lineHeights.size(); ++k)
            height += lineHeights[k];
        runHeights.push_back(height);
    }
    auto cost = [&](std::size_t breakBefore) {
        double parted = 0.0;
        for (std::size_t r = 0; r < kept.size(); ++r)
            if (kept[r].first < breakBefore && breakBefore <= kept[r].last &&
                runHeights[r] <= pageHeight + kPageFitTolerance)
                parted = std::max(parted, runHeights[r]);
        return parted;
    };
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < lineHeights.size();) {
        starts.push_back(start);
        std::size_t end = start + 1;
        double y = lineHeights[start];
        while (end < lineHeights.size() && y + lineHeights[end] <= pageHeight + kPageFitTolerance)
            y += lineHeights[end++];
        if (end == lineHeights.size())
            break;
        std::size_t chosen = end;
        double chosenCost = cost(end);
        for (std::size_t candidate = end - 1; candidate > start && chosenCost > 0.0; --candidate) {
            const double candidateCost = cost(candidate);
            if (candidateCost < chosenCost) {
                chosen = candidate;
                chosenCost = candidateCost;
            }
        }
        start = chosen;
    }
    return starts;
}

QStringList BreakAtIndent(const QString& line, int columns)
{
    if (columns <= 0 || line.size() <= columns)
        return {line};
    qsizetype indentSize = 0;
    while (indentSize < line.size() && line[indentSize] == ' ')
        ++indentSize;
    QString rest = line;
    // An indent that leaves no room for a word is dropped.
    if (indentSize >= columns) {
        rest.remove(0, indentSize);
        indentSize = 0;
    }
    const QString indent(indentSize, ' ');
    QStringList pieces;
    while (rest.size() > columns) {
        // The last blank after the indent at which the piece fits.
        const qsizetype blank = rest.lastIndexOf(' ', columns);
        const bool atBlank = blank > indentSize;
        const qsizetype cut = atBlank ? blank : columns;
        QString piece = rest.left(cut);
        while (piece.endsWith(' '))
            piece.chop(1);
        pieces << piece;
        QString next = rest.mid(cut);
        while (next.startsWith(' '))
            next.remove(0, 1);
        rest = indent + next;
        if (next.isEmpty())
            return pieces;
    }
    pieces << rest;
    return pieces;
}

} // namespace platform
