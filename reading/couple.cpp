#include "reading/couple.h"

#include "reading/text_output.h"
#include "core/compatibility/birth_data_check.h"

namespace amorist::cli {
namespace {

std::string ArgumentError(std::string_view label, std::string_view text, std::string_view why) {
    std::string error(label);
    error.append(" ").append(QuoteForMessage(text)).append(": ").append(why);
    return error;
}

BirthEntries EntriesFor(std::string_view name, CalendarDate date) {
    return {name, date.day - 1, date.monthIndex, date.year};
}

}  // namespace

std::string DateError(std::string_view label, std::string_view text, const DateReading& reading) {
    return ArgumentError(label, text, DateFaultReason(reading));
}

CheckedCouple CheckCouple(const CoupleArgs& args) {
    CheckedCouple checked;
    const DateReading yours = ReadBirthDate(args.date);
    if (!yours.Ok()) {
        checked.error = DateError("date", args.date, yours);
        return checked;
    }
    const DateReading partners = ReadBirthDate(args.partnerDate);
    if (!partners.Ok()) {
        checked.error = DateError("partner's date", args.partnerDate, partners);
        return checked;
    }
    checked.couple = {args.name, yours.date, args.partnerName, partners.date};

    // The same check, in the same order and with the same words, as the main
    // window applies before it looks anything up.
    const auto failure = ValidateBirthData(EntriesFor(args.name, yours.date),
                                           EntriesFor(args.partnerName, partners.date));
    if (failure) {
        switch (failure->entry) {
            case CheckedEntry::YourName:
                checked.error = ArgumentError("name", args.name, failure->message);
                break;
            case CheckedEntry::YourDate:
                checked.error = ArgumentError("date", args.date, failure->message);
                break;
            case CheckedEntry::PartnerName:
                checked.error = ArgumentError("partner's name", args.partnerName, failure->message);
                break;
            case CheckedEntry::PartnerDate:
                checked.error = ArgumentError("partner's date", args.partnerDate, failure->message);
                break;
        }
    }
    return checked;
}

}  // namespace amorist::cli
