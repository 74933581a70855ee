#include "core/ephemeris/modPlanetSignMars.h"

namespace amorist {

ZodiacSign modPlanetSignMars::GetMarsSign1930to1959(std::string_view year, std::string_view month,
                                                    std::string_view day) {
    return search_.Search(kYears1930to1959, year, month, day);
}

ZodiacSign modPlanetSignMars::GetMarsSign1960to1989(std::string_view year, std::string_view month,
                                                    std::string_view day) {
    return search_.Search(kYears1960to1989, year, month, day);
}

ZodiacSign modPlanetSignMars::GetMarsSign1990to2012(std::string_view year, std::string_view month,
                                                    std::string_view day) {
    return search_.Search(kYears1990to2012, year, month, day);
}

ZodiacSign GetMarsSign(modPlanetSignMars& mars, std::string_view year, std::string_view month,
                       std::string_view day) {
    ZodiacSign sign = mars.GetMarsSign1930to1959(year, month, day);
    sign = mars.GetMarsSign1960to1989(year, month, day);
    sign = mars.GetMarsSign1990to2012(year, month, day);
    return sign;
}

}  // namespace amorist
