#include "bench_table.h"

#include <stdarg.h>
#include <stdio.h>
#include <windows.h>

#include <algorithm>

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

// A value with as many decimals as its unit needs, and the unit.
std::string Quantity(double value, const std::string& unit) {
    int decimals = unit == "KB" ? 1 : unit == "us" ? 3 : 2;
    char text[48];
    snprintf(text, sizeof(text), "%.*f %s", decimals, value, unit.c_str());
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
    printf("  %-40s %12s  %-34s %12s  %-18s %s\n", "figure", "median", "baseline (same run)", "median",
           "ratio min/med/max", "goal");
    for (const Figure& figure : figures) {
        if (figure.failed || figure.values.empty()) {
            printf("  %-40s %12s  %-34s   (not measured)\n", figure.name.c_str(), "-", figure.baseline.c_str());
            continue;
        }
        std::vector<double> ratios = Ratios(figure);
        Spread ratio = SpreadOf(ratios);
        char ratioText[48] = "-";
        if (!ratios.empty())
            snprintf(ratioText, sizeof(ratioText), "%.2f/%.2f/%.2f", ratio.min, ratio.median, ratio.max);
        std::string goal = GoalText(figure.goal, figure.unit);
        if (!goal.empty()) goal += GoalMet(figure) ? "  met" : "  MISSED";
        printf("  %-40s %12s  %-34s %12s  %-18s %s\n", figure.name.c_str(),
               Quantity(SpreadOf(figure.values).median, figure.unit).c_str(), figure.baseline.c_str(),
               Quantity(SpreadOf(figure.baselines).median, figure.unit).c_str(), ratioText, goal.c_str());
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
