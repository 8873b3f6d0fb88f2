#pragma once
// What the velocity profile window's two graphs show, worked out from the
// values the window reads off its segment table and from the axis's
// per-segment torques. Pure functions: no window, no model.
#include "platform/qt/LineGraph.h"

#include <QString>

#include <vector>

// One segment as the segment table's Calculated column shows it.
struct ProfileGraphSegment {
    double initialVelocity = 0.0;
    double finalVelocity = 0.0;
    double duration = 0.0;
};

// Spacing of the time axis's ticks and labels for a move of totalTime. Under
// 1 s: the widest step of 1, 2 or 5 x 10^k that labels at least five ticks
// over the axis that spans the move (0.2 from 0.8 s on, 0.1 from 0.4 s, 0.05
// from 0.2 s, 0.02 from 0.08 s and so on down). From 1 s on: 1 up
// to 20, above that the whole part of a tenth of the time, so that about ten
// ticks appear whatever the length of the move. A move without time (0 or
// less) gets 1.
double dFctTimeAxisSpacing(double totalTime);

// The velocity graph: the initial velocity of the first segment at time 0,
// then the final velocity of each segment at the end of its time span (one
// point per segment). No points when every velocity is 0 or the total time
// is not above 0.
platform::GraphData VelocityGraphData(const std::vector<ProfileGraphSegment>& segments,
                                      const QString& velocityUnit, const QString& timeUnit);

// The torque graph, a step line: each used segment's torque held over the
// segment's time span (two points per used segment). torques[i] is the
// torque of segment i (a missing one counts 0); durations[i] the duration of
// segment i. The value range and the total time take every listed torque
// into account; no points when all torques are 0 or the total time is not
// above 0. A step line that ends at time 0 ends at time 1 instead.
platform::GraphData TorqueGraphData(const std::vector<double>& torques,
                                    const std::vector<double>& durations, int usedSegments,
                                    const QString& torqueUnit, const QString& timeUnit);
