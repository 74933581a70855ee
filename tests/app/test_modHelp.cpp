// Every link operation opens exactly its page, as a plain web address with
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
    {"OpenHomePage", OpenHomePage, "http://www.quillmoor.com"},
    {"OpenSoftwarePage", OpenSoftwarePage, "http://www.quillmoor.com/quillmoorsoftwares"},
    {"OpenDonatePage", OpenDonatePage, "http://help.quillmoor.com/donate.html"},
    {"OpenOnlineHelp", OpenOnlineHelp, "http://amorist.quillmoor.com/amorist-help.html"},
    {"OpenFullBrandPage", OpenFullBrandPage, "http://help.quillmoor.com/fully-branded.html"},
    {"OpenCoBrandPage", OpenCoBrandPage, "http://help.quillmoor.com/co-brand.html"},
    {"OpenDownloadPage", OpenDownloadPage, "http://amorist.quillmoor.com/download-amorist.html"},
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

TEST(Sites, AddressesShownToTheUserComeFromTheHostNames) {
    EXPECT_EQ(sites::HomePageAddress(), QStringLiteral("http://www.quillmoor.com"));
    EXPECT_EQ(sites::ProductRootAddress(), QStringLiteral("http://amorist.quillmoor.com/"));
    EXPECT_EQ(sites::MainSiteAddress("/qmqs-refer-a-friend.php"),
              QStringLiteral("http://www.quillmoor.com/qmqs-refer-a-friend.php"));
    EXPECT_TRUE(sites::HomePageAddress().contains(QLatin1String(sites::kMainHost)));
    EXPECT_TRUE(sites::ProductRootAddress().contains(QLatin1String(sites::kProductHost)));
}

TEST(OpenWebPage, HandsTheAddressOverUnchanged) {
    FakePlatform platform;
    const QString address = QStringLiteral("http://www.quillmoor.com/a b?x=1&y=é\r\n");
    OpenWebPage(platform, address);
    EXPECT_EQ(platform.opened, std::vector<QString>{address});
}

}  // namespace
}  // namespace amorist
