#include "core/compatibility/program_state.h"

#include "core/ephemeris/reads_as_number.h"

namespace amorist {
namespace {

// One block search assigned to its sign. A text that does not read as a
// number fails only this one call: the sign keeps what it held, and the
// request carries on with the next call.
template <typename Search>
void AssignFrom(ZodiacSign& sign, Search search) {
    try {
        sign = search();
    } catch (const TypeMismatch&) {
    }
}

// A complete Mars lookup as the request makes it: all three blocks, in order,
// each result assigned in turn, so the last one stands.
void LookUpMars(modPlanetSignMars& mars, const BirthData& who, ZodiacSign& sign) {
    AssignFrom(sign, [&] { return mars.GetMarsSign1930to1959(who.year, who.month, who.day); });
    AssignFrom(sign, [&] { return mars.GetMarsSign1960to1989(who.year, who.month, who.day); });
    AssignFrom(sign, [&] { return mars.GetMarsSign1990to2012(who.year, who.month, who.day); });
}

void LookUpVenus(modPlanetSignVenus& venus, const BirthData& who, ZodiacSign& sign) {
    AssignFrom(sign, [&] { return venus.GetVenusSign1930to1959(who.year, who.month, who.day); });
    AssignFrom(sign, [&] { return venus.GetVenusSign1960to1989(who.year, who.month, who.day); });
    AssignFrom(sign, [&] { return venus.GetVenusSign1990to2012(who.year, who.month, who.day); });
}

std::string DateCaption(const BirthData& who) {
    std::string caption;
    AppendFilledN(caption, kDateOfBirthForm, who.day, {who.month, who.year});
    return caption;
}

}  // namespace

ReadingResult ReadingForPair(modRomanticCompatibility& compatibility, ZodiacSign first,
                             ZodiacSign second) {
    ReadingResult reading;
    reading.pairKey.append(first).append("-").append(second);
    compatibility.FindCompatibilityNumber(first, second);
    reading.number = NumberFromText(compatibility.CompatibilityNumber());
    if (reading.number)
        reading.category = CategoryFor(*reading.number);
    return reading;
}

RequestResult ProgramState::RunCompatibilityRequest(const BirthData& you,
                                                    const BirthData& partner) {
    RequestResult result;
    result.yourDateOfBirth = DateCaption(you);
    result.partnerDateOfBirth = DateCaption(partner);

    // The partner's lookup of each planet follows the user's, so a partner
    // date the tables do not hold comes back with the user's sign.
    LookUpMars(mars, you, YourMarsSign);
    LookUpMars(mars, partner, PartnerMarsSign);
    LookUpVenus(venus, you, YourVenusSign);
    LookUpVenus(venus, partner, PartnerVenusSign);

    result.one = ReadingForPair(compatibility, YourMarsSign, PartnerVenusSign);
    result.two = ReadingForPair(compatibility, YourVenusSign, PartnerMarsSign);
    return result;
}

}  // namespace amorist
