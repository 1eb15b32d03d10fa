// Wall-clock timing of repeated runs. A figure is the median of its runs: a
// pause that the shared machine imposes on one run does not move it.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace morvane::bench {

class Stopwatch {
public:
    Stopwatch() : start_(Clock::now()) {}
    double Ms() const { return std::chrono::duration<double, std::milli>(Clock::now() - start_).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_;
};

inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

// Paired runs compared one by one, so that a slow spell of the machine
// weighs on both members of a pair: the median ratio and the extremes.
struct Ratios {
    double median = 0.0;
    double low = 0.0;
    double high = 0.0;
};

inline Ratios PairRatios(const std::vector<double>& measured, const std::vector<double>& floor) {
    std::vector<double> ratios;
    for (size_t i = 0; i < measured.size() && i < floor.size(); ++i)
        if (floor[i] > 0.0) ratios.push_back(measured[i] / floor[i]);
    if (ratios.empty()) return Ratios();
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    return Ratios{Median(ratios), *low, *high};
}

// What the measured runs take beyond their partners, pair by pair.
inline double MedianExcess(const std::vector<double>& measured, const std::vector<double>& floor) {
    std::vector<double> excess;
    for (size_t i = 0; i < measured.size() && i < floor.size(); ++i) excess.push_back(measured[i] - floor[i]);
    return Median(excess);
}

}  // namespace morvane::bench
