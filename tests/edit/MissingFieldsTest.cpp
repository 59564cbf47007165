#include "scenario/edit/MissingFields.h"

#include "support/ScenarioFixture.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;
using TestScenario::ChildNames;

// A path whose steps are missing is made step by step, each where the other
// leader has it; what exists is reused, never doubled.
TEST(MissingFields, APathIsAddedWhereAnotherItemHasEachStep) {
    TXmlDom dom;
    ASSERT_TRUE(dom.Parse("<leaders>"
                          "<leader><name>a</name><goals><percentage>-1</percentage><seats>0</seats>"
                          "</goals><age>50</age></leader>"
                          "<leader><name>b</name><age>40</age></leader>"
                          "</leaders>"));
    TXmlNode* lacking = dom.Root()->GetChildAt(1);
    EXPECT_EQ(MissingFields::Find(lacking, "goals/seats"), nullptr);

    TXmlNode* seats = MissingFields::Add(lacking, "goals/seats");
    ASSERT_NE(seats, nullptr);
    EXPECT_EQ(ChildNames(lacking), (Names{"name", "goals", "age"}));
    TXmlNode* percentage = MissingFields::Add(lacking, "goals/percentage");
    EXPECT_EQ(ChildNames(lacking->GetChild("goals")), (Names{"percentage", "seats"}));
    EXPECT_EQ(MissingFields::Add(lacking, "goals/seats"), seats);
    EXPECT_EQ(MissingFields::Find(lacking, "goals/percentage"), percentage);
    EXPECT_EQ(ChildNames(lacking), (Names{"name", "goals", "age"}));
    EXPECT_EQ(MissingFields::Add(nullptr, "age"), nullptr);
}
