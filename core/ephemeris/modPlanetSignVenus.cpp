#include "core/ephemeris/modPlanetSignVenus.h"

namespace amorist {

ZodiacSign modPlanetSignVenus::GetVenusSign1930to1959(std::string_view year, std::string_view month,
                                                      std::string_view day) {
    return search_.Search(kYears1930to1959, year, month, day);
}

ZodiacSign modPlanetSignVenus::GetVenusSign1960to1989(std::string_view year, std::string_view month,
                                                      std::string_view day) {
    return search_.Search(kYears1960to1989, year, month, day);
}

ZodiacSign modPlanetSignVenus::GetVenusSign1990to2012(std::string_view year, std::string_view month,
                                                      std::string_view day) {
    return search_.Search(kYears1990to2012, year, month, day);
}

ZodiacSign GetVenusSign(modPlanetSignVenus& venus, std::string_view year, std::string_view month,
                        std::string_view day) {
    ZodiacSign sign = venus.GetVenusSign1930to1959(year, month, day);
    sign = venus.GetVenusSign1960to1989(year, month, day);
    sign = venus.GetVenusSign1990to2012(year, month, day);
    return sign;
}

}  // namespace amorist
