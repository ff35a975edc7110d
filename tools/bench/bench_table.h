#pragma once

// The figures the bench prints: each one measured in every run next to its
// baseline from the same run, shown as the ratio of the two with its spread
// over the runs.

#include <string>
#include <vector>

// The elapsed time on the high-resolution counter, in milliseconds.
double NowMs();

struct Spread {
    double min;
    double median;
    double max;
};

// Spread of values (all zero for none).
Spread SpreadOf(std::vector<double> values);

enum GoalKind {
    kNoGoal,
    kRatioAtMost,   // value / baseline <= limit
    kExcessAtMost,  // value - baseline <= limit (in the figure's unit)
    kValueAtMost,   // value <= limit
};

struct Goal {
    GoalKind kind;
    double limit;
};

struct Figure {
    std::string name;
    std::string unit;
    std::string baseline;
    std::vector<double> values;     // one per run
    std::vector<double> baselines;  // one per run, from the same run
    Goal goal;
    bool failed;  // a run could not be measured
};

Figure MakeFigure(const std::string& name, const std::string& unit, const std::string& baseline,
                  Goal goal = Goal{kNoGoal, 0});

// True when the medians meet the figure's goal (or it has none).
bool GoalMet(const Figure& figure);

// The table, one line per figure, under a heading line.
void PrintFigures(const char* heading, const std::vector<Figure>& figures);

// A line of its own in the output, flushed at once so that a slow section
// shows its progress.
void PrintNote(const char* format, ...);
