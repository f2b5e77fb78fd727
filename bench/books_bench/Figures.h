#pragma once

// What the books and report benchmarks print: each side's first run apart (what a user waits for), then
// the minimum, median and maximum of the rounds after it, each figure on its own line, and the
// process's peak resident memory as getrusage reports it.

#include <sys/resource.h>

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// The first run and the rounds after it, in seconds.
struct Times {
    double first = 0;
    std::vector<double> rounds;

    void add(double seconds) {
        if (taken++ == 0)
            first = seconds;
        else
            rounds.push_back(seconds);
    }
    double min() const { return *std::min_element(rounds.begin(), rounds.end()); }
    double max() const { return *std::max_element(rounds.begin(), rounds.end()); }
    double median() const {
        std::vector<double> v = rounds;
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

  private:
    int taken = 0;
};

template <typename Work>
double seconds(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

inline void print(const std::string& name, const Times& t) {
    std::printf("%s first: %.3f s\n", name.c_str(), t.first);
    std::printf("%s min: %.3f s\n", name.c_str(), t.min());
    std::printf("%s median: %.3f s\n", name.c_str(), t.median());
    std::printf("%s max: %.3f s\n", name.c_str(), t.max());
}

inline double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

}  // namespace bench
