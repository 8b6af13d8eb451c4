// The about box's system information (its version is checked with the dialog).

#include "shell/about_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace calvora {
namespace {

using ::testing::HasSubstr;

TEST(AboutModel, SystemInformationListsWhatIsKnown) {
  SystemFacts facts;
  facts.operatingSystem = "Debian GNU/Linux 13";
  facts.toolkit = "6.8.2";
  facts.screens = {"1920 x 1080 at 96 dpi", "1280 x 1024 at 96 dpi"};
  const std::string text = AboutModel::SystemInformation(facts);
  EXPECT_EQ(text,
            "Operating system: Debian GNU/Linux 13\nQt: 6.8.2\n"
            "Screen 1: 1920 x 1080 at 96 dpi\nScreen 2: 1280 x 1024 at 96 dpi");
}

TEST(AboutModel, NothingKnownIsUnavailable) {
  EXPECT_EQ(AboutModel::SystemInformation({}), "System Information Is Unavailable At This Time");
  SystemFacts facts;
  facts.kernel = "linux 6.1";
  EXPECT_THAT(AboutModel::SystemInformation(facts), HasSubstr("Kernel: linux 6.1"));
}

}  // namespace
}  // namespace calvora
