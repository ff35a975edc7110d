#include "bench_table.h"

#include <windows.h>

#include <algorithm>
#include <stdarg.h>
#include <stdio.h>

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

Spread SpreadOf(std::vector<double> values) {
    Spread spread = {0, 0, 0};
    if (values.empty()) return spread;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    spread.min = values.front();
    spread.max = values.back();
    spread.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return spread;
}

Figure MakeFigure(const std::string& name, const std::string& unit, const std::string& baseline, Goal goal) {
    Figure figure;
    figure.name = name;
    figure.unit = unit;
    figure.baseline = baseline;
    figure.goal = goal;
    figure.failed = false;
    return figure;
}

namespace {

std::vector<double> Ratios(const Figure& figure) {
    std::vector<double> ratios;
    for (size_t i = 0; i < figure.values.size() && i < figure.baselines.size(); ++i) {
        if (figure.baselines[i] > 0) ratios.push_back(figure.values[i] / figure.baselines[i]);
    }
    return ratios;
}

std::string GoalText(const Goal& goal, const std::string& unit) {
    char text[64];
    switch (goal.kind) {
    case kRatioAtMost: snprintf(text, sizeof(text), "ratio <= %.2f", goal.limit); break;
    case kExcessAtMost: snprintf(text, sizeof(text), "+%.0f %s at most", goal.limit, unit.c_str()); break;
    case kValueAtMost: snprintf(text, sizeof(text), "<= %.0f %s", goal.limit, unit.c_str()); break;
    default: return "";
    }
    return text;
}

}  // namespace

bool GoalMet(const Figure& figure) {
    double value = SpreadOf(figure.values).median;
    double baseline = SpreadOf(figure.baselines).median;
    switch (figure.goal.kind) {
    case kRatioAtMost: return SpreadOf(Ratios(figure)).median <= figure.goal.limit;
    case kExcessAtMost: return value - baseline <= figure.goal.limit;
    case kValueAtMost: return value <= figure.goal.limit;
    default: return true;
    }
}

void PrintFigures(const char* heading, const std::vector<Figure>& figures) {
    printf("\n%s\n", heading);
    printf("  %-44s %10s  %-34s %10s  %-20s %s\n", "figure", "median", "baseline (same run)", "median",
           "ratio min/med/max", "goal");
    for (const Figure& figure : figures) {
        if (figure.failed || figure.values.empty()) {
            printf("  %-44s %10s  %-34s   (not measured)\n", figure.name.c_str(), "-", figure.baseline.c_str());
            continue;
        }
        Spread value = SpreadOf(figure.values);
        Spread baseline = SpreadOf(figure.baselines);
        Spread ratio = SpreadOf(Ratios(figure));
        char ratios[48];
        snprintf(ratios, sizeof(ratios), "%.2f/%.2f/%.2f", ratio.min, ratio.median, ratio.max);
        std::string goal = GoalText(figure.goal, figure.unit);
        if (!goal.empty()) goal += GoalMet(figure) ? "  met" : "  MISSED";
        printf("  %-44s %7.3f %-2s  %-34s %7.3f %-2s  %-20s %s\n", figure.name.c_str(), value.median,
               figure.unit.c_str(), figure.baseline.c_str(), baseline.median, figure.unit.c_str(), ratios,
               goal.c_str());
    }
    fflush(stdout);
}

void PrintNote(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    vprintf(format, arguments);
    va_end(arguments);
    printf("\n");
    fflush(stdout);
}
