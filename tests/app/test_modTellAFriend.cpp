// The referral's checks and the address it sends to the maker's site.
#include <gtest/gtest.h>
#include <QUrlQuery>

#include "app/modTellAFriend.h"
#include "tests/support/fake_platform.h"

namespace amorist {
namespace {

using testing::FakePlatform;

constexpr char kPage[] = "https://www.quillmoor.com/qmqs-refer-a-friend.php";

ReferralFields Complete() {
    return {QStringLiteral("ANN LEE"), QStringLiteral("ann@example.com"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Bob"),
            QStringLiteral("bob@example.org")};
}

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"  Ann Lee  ", "Ann Lee"},
        {"     ", ""},
        {"", ""},
        {"\tAnn\t", "\tAnn\t"},
        {" Your Message\r\n", "Your Message\r\n"},
        {"\r\n  ", "\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimSpaces(QString::fromLatin1(c.text)), QString::fromLatin1(c.trimmed))
            << '"' << c.text << '"';
    }
}

TEST(EmailAddressProblem, ChecksDistinctThenAtSignThenDot) {
    const struct {
        const char* email;
        const char* friendEmail;
        const char* message;  // nullptr: both pass
    } cases[] = {
        {"ann@example.com", "ann@example.com", kDistinctEmailsMessage},
        // Sameness is tested before the "@", so two equal non-addresses say so.
        {"nobody", "nobody", kDistinctEmailsMessage},
        {"Your Email Address", "Friend's Email Address", kProperEmailMessage},
        {"ann.example.com", "bob@example.org", kProperEmailMessage},
        {"ann@example.com", "bob.example.org", kProperEmailMessage},
        {"ann@examplecom", "bob@example.org", kProperEmailMessage},
        {"ann@example.com", "bob@exampleorg", kProperEmailMessage},
        // Letter case counts: these are two different addresses.
        {"Ann@Example.com", "ann@example.com", nullptr},
        {"ann@example.com", "bob@example.org", nullptr},
    };
    for (const auto& c : cases) {
        ReferralFields fields = Complete();
        fields.email = QString::fromLatin1(c.email);
        fields.friendEmail = QString::fromLatin1(c.friendEmail);
        const auto problem = EmailAddressProblem(fields);
        if (c.message == nullptr) {
            EXPECT_FALSE(problem.has_value()) << c.email << " / " << c.friendEmail;
        } else {
            EXPECT_EQ(problem.value_or(QString()), QString::fromLatin1(c.message))
                << c.email << " / " << c.friendEmail;
        }
    }
}

TEST(MissingFieldMessage, NamesTheFirstEmptyOrUntouchedFieldInOrder) {
    const struct {
        const char* what;
        void (*change)(ReferralFields&);
        const char* message;
    } cases[] = {
        {"all filled", [](ReferralFields&) {}, nullptr},
        {"name empty", [](ReferralFields& f) { f.name.clear(); }, "Please Enter Your Name"},
        {"name hint", [](ReferralFields& f) { f.name = "Your Name"; }, "Please Enter Your Name"},
        {"email hint", [](ReferralFields& f) { f.email = "Your Email Address"; },
         "Please Enter Your Email"},
        {"message hint", [](ReferralFields& f) { f.message = "Your Message"; },
         "Please Enter Your Message"},
        {"message empty", [](ReferralFields& f) { f.message.clear(); },
         "Please Enter Your Message"},
        {"friend name hint", [](ReferralFields& f) { f.friendName = "Friend's Name"; },
         "Please Enter Your Friend's Name"},
        {"friend email empty", [](ReferralFields& f) { f.friendEmail.clear(); },
         "Please Enter Your Friend's Email"},
        {"name and friend's name",
         [](ReferralFields& f) {
             f.name.clear();
             f.friendName.clear();
         },
         "Please Enter Your Name"},
        {"message and friend's email",
         [](ReferralFields& f) {
             f.message.clear();
             f.friendEmail = "Friend's Email Address";
         },
         "Please Enter Your Message"},
        // Only an exact match is the hint.
        {"name like the hint", [](ReferralFields& f) { f.name = "your name"; }, nullptr},
    };
    for (const auto& c : cases) {
        ReferralFields fields = Complete();
        c.change(fields);
        const auto message = MissingFieldMessage(fields);
        if (c.message == nullptr) {
            EXPECT_FALSE(message.has_value()) << c.what;
        } else {
            EXPECT_EQ(message.value_or(QString()), QString::fromLatin1(c.message)) << c.what;
        }
    }
}

TEST(ReferralAddress, EncodesEveryValueSoTheQueryStaysIntact) {
    const struct {
        const char* what;
        ReferralFields fields;
        QString address;
    } cases[] = {
        {"spaces and the hidden message",
         {"ANN LEE", "ann@example.com", "Your Message\r\n", "Bob Ray", "bob@example.org"},
         QString::fromLatin1(kPage) +
             "?taf1=ANN%20LEE&taf2=ann%40example.com&taf3=Your%20Message%0D%0A&taf4=Bob%20Ray"
             "&taf5=bob%40example.org&taf6=https%3A%2F%2Famorist.quillmoor.com%2F"},
        {"ampersand and equals sign",
         {"Ann & Co", "a=b@example.com", "Your Message\r\n", "x&taf5=y", "bob@example.org"},
         QString::fromLatin1(kPage) +
             "?taf1=Ann%20%26%20Co&taf2=a%3Db%40example.com&taf3=Your%20Message%0D%0A"
             "&taf4=x%26taf5%3Dy&taf5=bob%40example.org&taf6=https%3A%2F%2Famorist.quillmoor.com%"
             "2F"},
        {"letters beyond ASCII, as UTF-8",
         {QString::fromUtf8("Zo\u00eb \u00dcnal"), "zoe@example.com", "Your Message\r\n",
          QString::fromUtf8("\u0141ucja"), "l+u@example.org"},
         QString::fromLatin1(kPage) +
             "?taf1=Zo%C3%AB%20%C3%9Cnal&taf2=zoe%40example.com&taf3=Your%20Message%0D%0A"
             "&taf4=%C5%81ucja&taf5=l%2Bu%40example.org&taf6=https%3A%2F%2Famorist.quillmoor.com%"
             "2F"},
        {"unreserved characters stay",
         {"a-b_c.d~e", "a.b@c.de", "Your Message\r\n", "F", "f@g.hi"},
         QString::fromLatin1(kPage) +
             "?taf1=a-b_c.d~e&taf2=a.b%40c.de&taf3=Your%20Message%0D%0A&taf4=F"
             "&taf5=f%40g.hi&taf6=https%3A%2F%2Famorist.quillmoor.com%2F"},
    };
    for (const auto& c : cases) {
        const QString address = ReferralAddress(c.fields);
        EXPECT_EQ(address, c.address) << c.what;

        // The page gets back exactly the six values, under their keys, in order.
        const QUrl url(address, QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << c.what;
        const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        const QStringList expected = {c.fields.name,        c.fields.email,
                                      c.fields.message,     c.fields.friendName,
                                      c.fields.friendEmail, "https://amorist.quillmoor.com/"};
        ASSERT_EQ(items.size(), 6) << c.what;
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(items[i].first, QStringLiteral("taf%1").arg(i + 1)) << c.what;
            EXPECT_EQ(items[i].second, expected[i]) << c.what << " taf" << i + 1;
        }
    }
}

TEST(SubmitReferral, OpensTheAddressOnceWhenEveryFieldIsFilled) {
    FakePlatform platform;
    SubmitReferral(platform, Complete(), nullptr);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_EQ(platform.opened[0], ReferralAddress(Complete()));
}

TEST(SubmitReferral, ShowsOneCriticalMessageAndOpensNothingForAMissingField) {
    FakePlatform platform;
    ReferralFields fields = Complete();
    fields.friendName = QStringLiteral("Friend's Name");
    SubmitReferral(platform, fields, nullptr);
    EXPECT_TRUE(platform.opened.empty());
    const std::vector<testing::ShownMessage> expected = {
        {QStringLiteral("Please Enter Your Friend's Name"), MessageIcon::Critical}};
    EXPECT_EQ(platform.messages, expected);
}

}  // namespace
}  // namespace amorist
