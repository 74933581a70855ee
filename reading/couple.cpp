#include "reading/couple.h"

#include "reading/text_output.h"
#include "core/compatibility/birth_data_check.h"

namespace amorist::reading {
namespace {

std::string ArgumentError(std::string_view label, std::string_view text, std::string_view why,
                          std::string_view form = PlainPhrases{}.argumentRefused) {
    std::string error;
    AppendFilled(error, form, {label, QuoteForMessage(text), why});
    return error;
}

BirthEntries EntriesFor(std::string_view name, CalendarDate date) {
    return {name, date.day - 1, date.monthIndex, date.year};
}

}  // namespace

std::string DateError(std::string_view label, std::string_view text, const DateReading& reading) {
    return ArgumentError(label, text, DateFaultReason(reading));
}

CheckedCouple CheckCouple(const CoupleArgs& args, const Language& language) {
    const PlainPhrases& say = language.phrases();
    CheckedCouple checked;
    auto refuse = [&](CheckedEntry entry, std::string_view label, std::string_view text,
                      std::string_view why) {
        checked.error = ArgumentError(label, text, why, say.argumentRefused);
        checked.entry = entry;
        checked.why = why;
        return checked;
    };
    const std::span<const DateSpelling> spellings = Language::EveryDateSpelling();
    const DateReading yours = ReadBirthDate(args.date, spellings);
    if (!yours.ok())
        return refuse(CheckedEntry::YourDate, say.dateArgument, args.date,
                      DateFaultReason(yours, language.dateFaults()));
    const DateReading partners = ReadBirthDate(args.partnerDate, spellings);
    if (!partners.ok()) {
        return refuse(CheckedEntry::PartnerDate, say.partnerDateArgument, args.partnerDate,
                      DateFaultReason(partners, language.dateFaults()));
    }
    checked.couple = {args.name, yours.date, args.partnerName, partners.date};

    // The same check, in the same order and with the same words, as the main
    // window applies before it looks anything up.
    const auto failure = ValidateBirthData(EntriesFor(args.name, yours.date),
                                           EntriesFor(args.partnerName, partners.date));
    if (!failure)
        return checked;
    const std::string message = language.Translated("birth_data_check", failure->message);
    switch (failure->entry) {
        case CheckedEntry::YourName:
            return refuse(failure->entry, say.nameArgument, args.name, message);
        case CheckedEntry::YourDate:
            return refuse(failure->entry, say.dateArgument, args.date, message);
        case CheckedEntry::PartnerName:
            return refuse(failure->entry, say.partnerNameArgument, args.partnerName, message);
        case CheckedEntry::PartnerDate:
            return refuse(failure->entry, say.partnerDateArgument, args.partnerDate, message);
    }
    return checked;
}

}  // namespace amorist::reading
