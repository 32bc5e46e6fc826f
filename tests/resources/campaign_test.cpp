#include "resources/campaign.h"

#include <gtest/gtest.h>

#include "resources/working_folder.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

class CampaignTest : public ::testing::Test {
 protected:
  WorkingFolder folder;
  tCampaign campaign;
  LogCapture log;
};

}  // namespace

TEST_F(CampaignTest, FileNamesTheLevelsTheirSavesAndChapters) {
  WorkingFolder::put("locations/campaign.cfg",
                     "[title]\npath=title\n[0]\npath=harbour\nsave=1\nchapter=The Harbour\n"
                     "[1]\npath=tower\n[3]\npath=cellar\n");
  campaign.loadCampaign("");
  EXPECT_TRUE(log.contains("Campaign loaded."));
  EXPECT_EQ(campaign.get("title", "path"), "title");
  EXPECT_EQ(campaign.get("0", "chapter"), "The Harbour");
  EXPECT_EQ(campaign.getInt("0", "save"), 1);
  EXPECT_EQ(campaign.getInt("1", "save"), 0) << "a missing number reads 0";
  EXPECT_EQ(campaign.get("1", "chapter"), "(string)") << "a missing text reads as the placeholder";
  EXPECT_TRUE(campaign.contains("1", ""));
  EXPECT_FALSE(campaign.contains("2", "")) << "the campaign ends before the gap, though \"3\" exists";
  EXPECT_TRUE(campaign.contains("3", ""));
  EXPECT_FALSE(campaign.contains("intro", ""));
}

TEST_F(CampaignTest, ATestLevelIsTheWholeCampaignAndTheFileIsNotRead) {
  WorkingFolder::put("locations/campaign.cfg", "[title]\npath=title\n[0]\npath=harbour\n");
  campaign.loadCampaign("");
  campaign.loadCampaign("sandbox");
  EXPECT_EQ(campaign.get("0", "path"), "sandbox");
  EXPECT_FALSE(campaign.contains("title", "")) << "nothing of the file is kept";
  EXPECT_FALSE(campaign.contains("1", ""));
}

TEST_F(CampaignTest, MissingFileLeavesAnEmptyCampaignAndSaysSo) {
  campaign.loadCampaign("");
  EXPECT_TRUE(log.contains("Can't load campaign!"));
  EXPECT_FALSE(log.contains("Campaign loaded."));
  EXPECT_FALSE(campaign.contains("0", ""));
  EXPECT_EQ(campaign.get("0", "path"), "(string)");
}

}  // namespace vandrell
