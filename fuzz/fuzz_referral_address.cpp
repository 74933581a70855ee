// The referral address with any five texts a user could type. Whatever they contain, the
// address must stay one valid web address on the maker's page, and the site must read back
// exactly the texts that were typed, each under its own key.
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/modHelp.h"
#include "app/modTellAFriend.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::fuzz::Require;

// Half the texts are decoded from UTF-8, so they are always well formed; the other half are
// raw UTF-16, which can hold lone surrogates no keyboard produces but a paste might.
QString ConsumeText(FuzzedDataProvider& input) {
    const bool utf16 = input.ConsumeBool();
    const std::string bytes = input.ConsumeRandomLengthString(200);
    if (!utf16)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    std::vector<char16_t> units(bytes.size() / 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return QString(reinterpret_cast<const QChar*>(units.data()),
                   static_cast<qsizetype>(units.size()));
}

// Characters that must never appear raw in the query: they would end a value early, start a
// fragment, or break the address in a browser's address bar.
bool IsSafeQueryByte(char c) {
    return c > ' ' && c < 0x7F && c != '&' && c != '=' && c != '#' && c != '?' && c != '+';
}

bool HasNonCharacter(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.begin(), codePoints.end(),
                       [](uint codePoint) { return QChar::isNonCharacter(codePoint); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    amorist::ReferralFields fields;
    fields.name = ConsumeText(input);
    fields.email = ConsumeText(input);
    fields.message = ConsumeText(input);
    fields.friendName = ConsumeText(input);
    fields.friendEmail = ConsumeText(input);
    const QString sent[6] = {fields.name,        fields.email,
                             fields.message,     fields.friendName,
                             fields.friendEmail, amorist::sites::ProductRootAddress()};

    const QString address = amorist::ReferralAddress(fields);

    const QUrl url(address, QUrl::StrictMode);
    Require(url.isValid(), "the referral address is a valid web address");
    Require(url.scheme() == u"https" && url.host() == QLatin1String(amorist::sites::kMainHost),
            "the referral goes to the main site");
    Require(url.path() == u"/qmqs-refer-a-friend.php", "the referral goes to the referral page");
    Require(url.fragment().isNull(), "no typed text starts a fragment");

    // Split by hand as a site's query parser does: '&' between items, the first '=' in each.
    const QString prefix = amorist::sites::MainSiteAddress("/qmqs-refer-a-friend.php") + u'?';
    Require(address.startsWith(prefix), "the query follows the page address");
    const QByteArray query = address.sliced(prefix.size()).toLatin1();
    const QList<QByteArray> items = query.split('&');
    Require(items.size() == 6, "exactly six query items, whatever the texts contain");

    const QUrlQuery parsed(url);
    for (int i = 0; i < 6; ++i) {
        const QByteArray key = "taf" + QByteArray::number(i + 1);
        Require(items[i].startsWith(key + '='), "the items are taf1 to taf6 in order");
        const QByteArray value = items[i].sliced(key.size() + 1);
        for (char c : value) {
            Require(c == '%' || IsSafeQueryByte(c),
                    "every character of a value that could break the query is percent-encoded");
        }
        // Lone surrogates cannot be written in UTF-8 at all, so only well-formed texts can come
        // back unchanged; the others must still leave the address intact, checked above.
        if (!sent[i].isValidUtf16())
            continue;
        // Compared as bytes, the way the site's script receives them: decoding to text again
        // would drop a leading byte-order mark the user pasted.
        Require(QByteArray::fromPercentEncoding(value) == sent[i].toUtf8(),
                "the site reads back exactly the text that was typed");
        // Qt's own query reader turns noncharacters such as U+FFFF into replacement characters
        // on purpose, so it can only be held to texts without them.
        if (!HasNonCharacter(sent[i])) {
            Require(parsed.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded) == sent[i],
                    "QUrlQuery reads back exactly the text that was typed");
        }
    }
    return 0;
}
