#pragma once

#include <algorithm>
#include <vector>

// The value below which the fraction q of the values lie (nearest rank); 0 for none.
inline double Percentile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t i =
        std::min(values.size() - 1, static_cast<size_t>(q * (values.size() - 1) + 0.5));
    return values[i];
}
