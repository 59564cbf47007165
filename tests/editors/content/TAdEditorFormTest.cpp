#include "editors/content/TAdEditorForm.h"
#include "app/StepEditors.h"
#include "guisupport/EditorTest.h"
#include "xml/TXmlNode.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Two ads whose hidden values differ from the template's, so a form that
// wrote them would be caught.
const char* const TwoAds = R"(<ads>
<ad id="spot"><name>TV Spot</name><description>Thirty seconds</description>
<universal_distribution>0.25</universal_distribution><cost_coefficient>0.7</cost_coefficient>
<base_power>3</base_power><attack_backfire_chance>12</attack_backfire_chance>
<attack_power_bonus>2</attack_power_bonus><turns_to_start>1</turns_to_start>
<turns_to_cancel>2</turns_to_cancel><max_turns_can_run>7</max_turns_can_run>
<immediately_available>1</immediately_available>
<ad_qualities>
<quality id="low"><name>Cheap</name><budget>800</budget><turns_to_make>1</turns_to_make><chance_of_success>4</chance_of_success></quality>
<quality id="high"><name>Glossy</name><budget>9000</budget><turns_to_make>6</turns_to_make><chance_of_success>20</chance_of_success></quality>
</ad_qualities></ad>
<ad id="radio"><name>Radio Jingle</name><description></description>
<universal_distribution>0.5</universal_distribution><cost_coefficient>0.3</cost_coefficient>
<base_power>1</base_power><attack_backfire_chance>5</attack_backfire_chance>
<attack_power_bonus>0</attack_power_bonus><turns_to_start>0</turns_to_start>
<turns_to_cancel>0</turns_to_cancel><max_turns_can_run>4</max_turns_can_run>
<immediately_available>0</immediately_available>
<ad_qualities></ad_qualities></ad>
</ads>)";

} // namespace

using GuiTest::Text;
using GuiTest::Type;

class TAdEditorFormTest : public GuiTest::TEditorTest {
    Q_OBJECT

    TAdEditorForm* Form = nullptr;

    TXmlNode* Ad(int index) { return Data().Ads()->GetChildAt(index); }
    QListWidget* Ads() { return C<QListWidget>("AdsListBox"); }
    QListWidget* Qualities() { return C<QListWidget>("AdQualitiesListBox"); }
    QLineEdit* Edit(const char* name) { return C<QLineEdit>(name); }

    void Open(const char* ads) {
        QVERIFY(Data().Document(TScenarioFile::Ads).Parse(ads));
        Form = &TEditorTest::Open<TAdEditorForm>();
    }

private slots:

    void ControlsEditTheSelectedAdAndQuality() {
        Open(TwoAds);
        QCOMPARE(GuiTest::Entries(Ads()), (QStringList{"TV Spot", "Radio Jingle"}));
        QCOMPARE(Ads()->currentRow(), 0);
        QCOMPARE(GuiTest::Entries(Qualities()), (QStringList{"Cheap", "Glossy"}));
        QCOMPARE(Qualities()->currentRow(), 0);
        const std::vector<GuiTest::TBinding> adFields = {
            {"NameEdit", "name"},
            {"DescriptionMemo", "description"},
            {"PowerEdit", "base_power"},
            {"ChanceBackfireEdit", "attack_backfire_chance"},
            {"AttackBonusEdit", "attack_power_bonus"},
            {"TurnsToStartEdit", "turns_to_start"},
            {"TurnsToCancelEdit", "turns_to_cancel"},
            {"MaxTurnsCanRunEdit", "max_turns_can_run"},
            {"CostCoefficientEdit", "cost_coefficient"}};
        const std::vector<GuiTest::TBinding> qualityFields = {
            {"BudgetEdit", "budget"},
            {"TurnsToMakeEdit", "turns_to_make"},
            {"ChanceSuccessEdit", "chance_of_success"}};
        TXmlNode* qualities = Ad(0)->GetChild("ad_qualities");
        QString faults = GuiTest::BindingFaults(Form, Ad(0), adFields);
        faults += GuiTest::BindingFaults(Form, qualities->GetChildAt(0), qualityFields);
        Qualities()->setCurrentRow(1);
        faults += GuiTest::BindingFaults(Form, qualities->GetChildAt(1), qualityFields);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));

        // The entry follows the name; budgets above the field maximum are kept.
        Type(Edit("NameEdit"), QStringLiteral("Billboard & Co"));
        QCOMPARE(Ads()->item(0)->text(), QStringLiteral("Billboard & Co"));
        Type(Edit("BudgetEdit"), QStringLiteral("12000"));
        QCOMPARE(Text(qualities->GetChildAt(1), "budget"), std::string("12000"));

        // An ad without qualities leaves the creation fields empty and unbound.
        Ads()->setCurrentRow(1);
        QVERIFY2(GuiTest::BindingFaults(Form, Ad(1), adFields).isEmpty(), "second ad");
        QCOMPARE(Qualities()->count(), 0);
        QCOMPARE(Edit("BudgetEdit")->text(), QString());
        Type(Edit("BudgetEdit"), QStringLiteral("7"));
        QCOMPARE(Text(qualities->GetChildAt(0), "budget"), std::string("800"));
        QCOMPARE(Text(qualities->GetChildAt(1), "budget"), std::string("12000"));

        // Removing the first ad selects none and the numbers show 0 (that they then write
        // nowhere, the selection and the cleared lists: ListRemovalTest).
        Ads()->setCurrentRow(0);
        QTest::mouseClick(C<QPushButton>("RemoveAdButton"), Qt::LeftButton);
        QCOMPARE(Edit("PowerEdit")->text(), QStringLiteral("0"));
    }

    void NewAdIsSelected() {
        Open("<ads></ads>");
        QTest::mouseClick(C<QPushButton>("NewAdButton"), Qt::LeftButton);
        QCOMPARE(Ads()->count(), 1);
        QCOMPARE(Ads()->currentRow(), 0);
        QCOMPARE(Ads()->item(0)->text(), QStringLiteral("New Ad"));
        QCOMPARE(Edit("NameEdit")->text(), QStringLiteral("New Ad"));
        QCOMPARE(Edit("BudgetEdit")->text(), QStringLiteral("1000"));
    }
};

QTEST_MAIN(TAdEditorFormTest)
#include "TAdEditorFormTest.moc"
