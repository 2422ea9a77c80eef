#pragma once
// The p-th fraction (0..1) of measured values, nearest rank: 0.5 the median.

#include <algorithm>
#include <cstddef>
#include <vector>

inline double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const std::size_t i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}
