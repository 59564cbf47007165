// Finding text in a scenario: every text of every file is searched, in any
// letter case, and each hit names its place and opens where it is edited.
#include "scenario/ScenarioSearch.h"
#include "scenario/ElementTargets.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ScenarioSearch, FindsTextsOfEveryFileInAnyCaseAndOpensTheirItems) {
    TTemporaryFolder folder;
    const auto data = TestScenario::LoadCopy(Sample, folder);
    const TSearchResult upper = ScenarioSearch::Find(*data, "TAXES");
    const TSearchResult lower = ScenarioSearch::Find(*data, "taxes");
    ASSERT_EQ(upper.Hits.size(), lower.Hits.size());
    EXPECT_EQ(upper.Total, upper.Hits.size());

    const TXmlNode* issue = TestScenario::At(*data, TScenarioFile::Issues, "/issues/issue[5]");
    const TSearchHit* name = nullptr;
    std::set<TScenarioFile> files;
    for (size_t i = 0; i < upper.Hits.size(); ++i) {
        const TSearchHit& hit = upper.Hits[i];
        EXPECT_EQ(hit.Element, lower.Hits[i].Element);
        EXPECT_EQ(data->FileOf(hit.Element), hit.File);
        EXPECT_EQ(hit.Element->GetText(), hit.Text);
        files.insert(hit.File);
        if (hit.Element->Parent() == issue && hit.Element->Name == "name")
            name = &hit;
    }
    EXPECT_GT(files.size(), 1u) << "texts of other files name the issue too";
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Section, "issue \"Taxes\" / name");
    const TElementTarget target = ElementTargets::Find(*data, name->Element);
    EXPECT_EQ(target.Step, 2);
    EXPECT_EQ(target.Window, "TIssueEditorForm");
    EXPECT_EQ(target.Item(), issue);
}

TEST(ScenarioSearch, KeepsTheFirstHitsAndCountsAll) {
    const auto data = TestScenario::FromTexts(
        {{TScenarioFile::Issues, "<issues><issue><name>Caf&#233; tax</name><positions>"
                                 "<position><name>Low</name><description>No caf&#233; "
                                 "tax</description></position></positions></issue></issues>"},
         {TScenarioFile::Ads, "<ads><ad><name>Tax ad</name></ad></ads>"}});
    const TSearchResult all = ScenarioSearch::Find(*data, "caf\xC3\xA9");
    ASSERT_EQ(all.Hits.size(), 2u);
    EXPECT_EQ(all.Hits[1].Section, "issue \"Caf\xC3\xA9 tax\" / positions / position \"Low\" / "
                                   "description");
    const TSearchResult first = ScenarioSearch::Find(*data, "TAX", 1);
    ASSERT_EQ(first.Hits.size(), 1u);
    EXPECT_EQ(first.Total, 3u);
    EXPECT_EQ(first.Hits[0].File, TScenarioFile::Ads) << "files are searched in their order";
    EXPECT_EQ(ScenarioSearch::Find(*data, "").Total, 0u);
}

} // namespace
