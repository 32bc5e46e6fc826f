// Every level of the campaign loads with the game's own loader, from the loose
// files and from the archives, without an error.
#include <memory>
#include <string>

#include "content_tree.h"
#include "game/level_check.h"
#include "game/scripting.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "script/action_keywords.h"
#include "script/expr.h"
#include "script/expr_book.h"

namespace vandrell {

TEST_F(ContentTest, EveryCampaignLevelLoadsWithoutAnError) {
  const tCurrentScope<tExprOperators> operators(std::make_shared<tExprOperators>());
  const tCurrentScope<tExprBook> book(nullptr);
  StartScripting();
  for (const bool archives : {false, true}) {
    if (archives && !packed()) continue;
    SCOPED_TRACE(archives ? "from the archives" : "from the loose files");
    const tCurrentScope<tFile> media(std::make_shared<tFile>(root() + "/"));
    if (archives) {
      tFile::Current().loadLocale();
      tFile::Current().loadPak();
    }
    tLevelCheck check;
    check.checkCampaign();
    for (const auto& finding : check.findings()) {
      if (finding.severity == tLevelCheck::ERROR) ADD_FAILURE() << finding.place << ": " << finding.text;
    }
  }
}

// The levels may use every keyword: start-up binds a class to each row.
TEST(StartScriptingTest, BindsEveryRow) {
  const tCurrentScope<tExprOperators> operators(std::make_shared<tExprOperators>());
  const tCurrentScope<tExprBook> book(nullptr);
  const tCurrentScope<tActionKeywords> keywords(std::make_shared<tActionKeywords>());
  StartScripting();
  for (const tActionRow& row : tActionKeywords::Current().rows()) {
    EXPECT_TRUE(row.available) << row.keywords.front();
  }
}

}  // namespace vandrell
