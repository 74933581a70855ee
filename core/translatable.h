// Texts the user sees, marked for translation without the core depending on Qt.
//
// The core holds its texts in English, and the English texts are also its data
// (month names feed the sign lookups, sign names the pair rule). Marking them
// lets lupdate collect them into the translations; the program translates them
// only where it shows them, with the context given here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Spelled exactly as Qt spells it, so that a source including Qt as well sees
// the same definition twice, which the language allows.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
// A text whose translation has a form for each plural class of a number %n.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace amorist {

// Appends form with %1 to %9 replaced by values[0] to values[8], the way a
// translated form is filled in, so a translation may reorder them. A value is
// never searched for placeholders itself; a % that is not followed by the
// number of a value stays as it is.
inline void AppendFilled(std::string& out, std::string_view form,
                         std::initializer_list<std::string_view> values) {
    std::size_t from = 0;
    for (std::size_t at = form.find('%'); at != std::string_view::npos && at + 1 < form.size();
         at = form.find('%', at + 1)) {
        const std::size_t index = static_cast<std::size_t>(form[at + 1] - '1');
        if (form[at + 1] < '1' || form[at + 1] > '9' || index >= values.size())
            continue;
        out.append(form.substr(from, at - from)).append(values.begin()[index]);
        from = at + 2;
        ++at;
    }
    out.append(form.substr(from));
}

// As AppendFilled, with each %n replaced by the digits of the number first,
// the way a plural form is filled in.
inline void AppendFilledN(std::string& out, std::string_view form, std::string_view number,
                          std::initializer_list<std::string_view> values) {
    std::string withNumber;
    std::size_t from = 0;
    for (std::size_t at = form.find("%n"); at != std::string_view::npos;
         at = form.find("%n", from)) {
        withNumber.append(form.substr(from, at - from)).append(number);
        from = at + 2;
    }
    withNumber.append(form.substr(from));
    AppendFilled(out, withNumber, values);
}

}  // namespace amorist
