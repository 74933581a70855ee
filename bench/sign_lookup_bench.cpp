// Cost of one complete sign lookup (all three block procedures), as a reading makes four of
// them. Dates are spread over the three blocks and over whole-month, one-change and
// two-change entries.
#include <benchmark/benchmark.h>

#include <array>

#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"

namespace {

struct Date {
    const char* year;
    const char* month;
    const char* day;
};

constexpr std::array<Date, 8> kDates = {{
    {"1930", "May", "12"},
    {"1944", "August", "30"},
    {"1961", "February", "7"},
    {"1977", "December", "28"},
    {"1989", "December", "31"},
    {"1990", "January", "1"},
    {"2003", "April", "22"},
    {"2012", "December", "31"},
}};

template <typename Module, amorist::ZodiacSign (*Lookup)(Module&, std::string_view,
                                                         std::string_view, std::string_view)>
void CompleteLookup(benchmark::State& state) {
    Module module;
    std::size_t next = 0;
    for (auto _ : state) {
        const Date& date = kDates[next];
        next = (next + 1) % kDates.size();
        benchmark::DoNotOptimize(Lookup(module, date.year, date.month, date.day));
    }
}

void BM_MarsCompleteLookup(benchmark::State& state) {
    CompleteLookup<amorist::modPlanetSignMars, amorist::GetMarsSign>(state);
}

void BM_VenusCompleteLookup(benchmark::State& state) {
    CompleteLookup<amorist::modPlanetSignVenus, amorist::GetVenusSign>(state);
}

BENCHMARK(BM_MarsCompleteLookup);
BENCHMARK(BM_VenusCompleteLookup);

}  // namespace

BENCHMARK_MAIN();
