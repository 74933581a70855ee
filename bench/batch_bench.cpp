// batch's lean path in process: couples per second and allocations per couple, for CSV and for
// JSON Lines, over couples made up in memory and written to /dev/null. A good couple must cost
// no allocation, so allocations per couple must read 0.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "bench/allocation_counter.h"
#include "cli/batch.h"
#include "cli/output.h"
#include "core/ephemeris/zodiac.h"

namespace {

// Couples of every kind a real file holds: both date forms, names that need quoting.
std::string Couples(int count) {
    static const char* const kNames[] = {"ALEX MORGAN",    "SAM RIVERS", "Zoë Ångström",
                                         "\"SMITH, ANN\"", "李 小龍",    "JO"};
    std::mt19937 random(7);
    auto pick = [&](int from, int to) { return std::uniform_int_distribution(from, to)(random); };
    std::string text = "name,date,partner_name,partner_date\n";
    char date[40];
    for (int i = 0; i < count; ++i) {
        for (int person = 0; person < 2; ++person) {
            const int year = pick(1930, 2012), month = pick(1, 12), day = pick(1, 28);
            if (pick(0, 1) == 0) {
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
            } else {
                std::snprintf(date, sizeof date, "%d/%.*s/%d", day,
                              static_cast<int>(amorist::kMonthNames[month - 1].size()),
                              amorist::kMonthNames[month - 1].data(), year);
            }
            text.append(kNames[pick(0, 5)]).append(",").append(date);
            text += person == 0 ? ',' : '\n';
        }
    }
    return text;
}

void Batch(benchmark::State& state, bool json) {
    constexpr int kCouples = 10000;
    const std::string input = Couples(kCouples);
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    amorist::cli::Output out(devNull);
    std::string messages;
    amorist::cli::Output err(messages);
    long perRun = 0;
    for (auto _ : state) {
        amorist::cli::Batch batch(json, out, err);
        const long before = amorist::bench::Allocations();
        for (std::size_t at = 0; at < input.size(); at += 128 * 1024)
            batch.Feed(std::string_view(input).substr(at, 128 * 1024));
        batch.Finish();
        perRun = amorist::bench::Allocations() - before;
        out.Flush();
    }
    close(devNull);
    if (!messages.empty())
        state.SkipWithError(messages.c_str());
    state.SetItemsProcessed(state.iterations() * kCouples);
    state.counters["allocs/couple"] = static_cast<double>(perRun) / kCouples;
}

void BM_BatchCsv(benchmark::State& state) {
    Batch(state, false);
}

void BM_BatchJsonLines(benchmark::State& state) {
    Batch(state, true);
}

BENCHMARK(BM_BatchCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchJsonLines)->Unit(benchmark::kMillisecond);

}  // namespace
