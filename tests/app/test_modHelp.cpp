// Every link operation opens exactly its page, as an https address with
// nothing added.
#include <gtest/gtest.h>
#include <ostream>

#include "app/modHelp.h"
#include "tests/support/fake_platform.h"

namespace amorist {
namespace {

using testing::FakePlatform;

struct LinkCase {
    const char* operation;
    void (*open)(Platform&);
    const char* address;
    friend void PrintTo(const LinkCase& link, std::ostream* out) { *out << link.operation; }
};

const LinkCase kLinks[] = {
    {"OpenHomePage", OpenHomePage, "https://www.quillmoor.com"},
    {"OpenSoftwarePage", OpenSoftwarePage, "https://www.quillmoor.com/quillmoorsoftwares"},
    {"OpenDonatePage", OpenDonatePage, "https://help.quillmoor.com/donate.html"},
    {"OpenOnlineHelp", OpenOnlineHelp, "https://amorist.quillmoor.com/amorist-help.html"},
    {"OpenFullBrandPage", OpenFullBrandPage, "https://help.quillmoor.com/fully-branded.html"},
    {"OpenCoBrandPage", OpenCoBrandPage, "https://help.quillmoor.com/co-brand.html"},
    {"OpenDownloadPage", OpenDownloadPage, "https://amorist.quillmoor.com/download-amorist.html"},
};

class LinkOperation : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkOperation, OpensExactlyItsPageOnce) {
    FakePlatform platform;
    GetParam().open(platform);
    EXPECT_EQ(platform.opened, std::vector<QString>{QString::fromLatin1(GetParam().address)});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryPage, LinkOperation, ::testing::ValuesIn(kLinks),
                         [](const auto& info) { return std::string(info.param.operation); });

TEST(Sites, AddressesShownToTheUserAreTheMakersPagesOverHttps) {
    EXPECT_EQ(sites::HomePageAddress(), QStringLiteral("https://www.quillmoor.com"));
    EXPECT_EQ(sites::ProductRootAddress(), QStringLiteral("https://amorist.quillmoor.com/"));
    EXPECT_EQ(sites::MainSiteAddress("/qmqs-refer-a-friend.php"),
              QStringLiteral("https://www.quillmoor.com/qmqs-refer-a-friend.php"));
}

}  // namespace
}  // namespace amorist
