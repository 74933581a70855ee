// A complete lookup must not touch the heap: it runs for every reading and returns text that
// points into static data. Global operator new is replaced in this test program to count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace amorist {
namespace {

struct Date {
    const char* year;
    const char* month;
    const char* day;
};

// Found in each block, with and without a change in the month, and not found at all.
const Date kDates[] = {
    {"1930", "February", "7"},  {"1961", "February", "6"},      {"1975", "December", "31"},
    {"2012", "December", "31"}, {"1930", "May", "12"},          {"2013", "January", "1"},
    {"1975", "january", "1"},   {" +1998 ", "January", " 26 "},
};

TEST(CompleteLookup, AllocatesNothing) {
    modPlanetSignMars mars;
    modPlanetSignVenus venus;
    for (const Date& date : kDates) {
        const long before = allocations.load();
        const ZodiacSign marsSign = GetMarsSign(mars, date.year, date.month, date.day);
        const ZodiacSign venusSign = GetVenusSign(venus, date.year, date.month, date.day);
        const long after = allocations.load();
        EXPECT_EQ(after, before) << date.year << ' ' << date.month << ' ' << date.day;
        EXPECT_FALSE(marsSign.empty());
        EXPECT_FALSE(venusSign.empty());
    }
}

}  // namespace
}  // namespace amorist
