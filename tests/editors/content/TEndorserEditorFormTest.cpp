#include "editors/content/TEndorserEditorForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/EndorsersEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

class TEndorserEditorFormTest : public TEditorTest {
    Q_OBJECT

    TEndorserEditorForm* Form = nullptr;

    TXmlNode* Endorser(int index) { return Data().Endorsers()->GetChildAt(index); }
    QListWidget* List() { return C<QListWidget>("EndorserListBox"); }
    QListWidget* Available() { return C<QListWidget>("AvailableRegionsListBox"); }
    QListWidget* Selected() { return C<QListWidget>("SelectedRegionsListBox"); }
    QCheckBox* National() { return C<QCheckBox>("NationalEndorserCheckBox"); }
    QStringList Bonuses() {
        return {C<QLineEdit>("MomentumEdit")->text(), C<QLineEdit>("FootsoldierEdit")->text(),
                C<QLineEdit>("FootsoldierChanceEdit")->text()};
    }
    // The endorsers of the sample: the first regional, the first national.
    int FirstWith(bool national) {
        for (int i = 0; i < Data().Endorsers()->ChildCount(); ++i)
            if (EndorsersEdit::IsNational(Endorser(i)) == national)
                return i;
        return -1;
    }
    QString RegionName(const std::string& id) {
        for (const TXmlNode* region : EndorsersEdit::Regions(Data()))
            if (region->AttributeValue("id") == id)
                return QString::fromStdString(Text(region, "name"));
        return {};
    }

    void Open() { Form = &TEditorTest::Open<TEndorserEditorForm>(); }

private slots:

    void ShowsARegionalAndANationalEndorser() {
        Open();
        QCOMPARE(List()->count(), Data().Endorsers()->ChildCount());
        QCOMPARE(List()->currentRow(), 0);

        const int regional = FirstWith(false);
        List()->setCurrentRow(regional);
        TXmlNode* e = Endorser(regional);
        const QString faults =
            BindingFaults(Form, e, {{"NameEdit", "name"}, {"DescriptionMemo", "description"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QVERIFY(!National()->isChecked());
        QVERIFY(Available()->isEnabled() && Selected()->isEnabled());
        const TXmlNode* units = e->GetChild("political_units_affected");
        QCOMPARE(Selected()->count(), units->ChildCount());
        QCOMPARE(Available()->count() + Selected()->count(),
                 static_cast<int>(EndorsersEdit::Regions(Data()).size()));
        // The first selected line is shown.
        QCOMPARE(Selected()->selectedItems().size(), 1);
        QCOMPARE(Selected()->item(0)->isSelected(), true);
        const TXmlNode* shown = nullptr;
        for (int32_t i = 0; i < units->ChildCount(); ++i)
            if (RegionName(units->GetChildAt(i)->AttributeValue("id")) ==
                Selected()->item(0)->text())
                shown = units->GetChildAt(i);
        QVERIFY(shown);
        QCOMPARE(Bonuses(),
                 (QStringList{QString::fromStdString(Text(shown, "momentum")),
                              QString::fromStdString(Text(shown, "footsoldiers")),
                              QString::fromStdString(
                                  shown->GetChild("footsoldiers")->AttributeValue("chance"))}));

        const int national = FirstWith(true);
        List()->setCurrentRow(national);
        QVERIFY(National()->isChecked());
        QVERIFY(!Available()->isEnabled() && !Selected()->isEnabled());
        QVERIFY(!C<QPushButton>("AddRegionButton")->isEnabled());
        QCOMPARE(Selected()->count(), 0);
        QCOMPARE(Available()->count(), static_cast<int>(EndorsersEdit::Regions(Data()).size()));
        const TXmlNode* entry =
            Endorser(national)->GetChild("political_units_affected")->GetChildAt(0);
        QCOMPARE(C<QLineEdit>("MomentumEdit")->text(),
                 QString::fromStdString(Text(entry, "momentum")));
    }

    void StartAndEndDatesUseTheCampaignEnds() {
        Open();
        TXmlNode* e = Endorser(0);
        e->GetChild("start_date")->SetText("-1");
        e->GetChild("end_date")->SetText("-1");
        List()->setCurrentRow(1);
        List()->setCurrentRow(0);
        auto* start = C<QDateEdit>("StartDatePicker");
        auto* end = C<QDateEdit>("EndDatePicker");
        QCOMPARE(start->text(), QStringLiteral("02/04/2008"));
        QCOMPARE(end->text(), QStringLiteral("10/26/2008"));
        QCOMPARE(Text(e, "start_date"), "-1");

        // Which days are stored unset: EndorsersEdit.DatesAtTheCampaignEndsAreStoredAsUnset.
        start->setDate(QDate(2008, 3, 1));
        QCOMPARE(Text(e, "start_date"), "03/01/2008");
        start->setDate(QDate(2007, 12, 1));
        QCOMPARE(Text(e, "start_date"), "-1");
        end->setDate(QDate(2008, 10, 1));
        QCOMPARE(Text(e, "end_date"), "10/01/2008");
        end->setDate(QDate(2008, 10, 26));
        QCOMPARE(Text(e, "end_date"), "-1");
    }

    void StancesTheFavouredIssueAndTheNationalSwitch() {
        Open();
        const int row = FirstWith(true);
        List()->setCurrentRow(row);
        TXmlNode* e = Endorser(row);
        auto* parties = C<QComboBox>("PartiesComboBox");
        auto* stance = C<QComboBox>("PartyStanceComboBox");
        QCOMPARE(parties->count(), Data().Parties()->ChildCount() + 1); // and None

        Choose(parties, QStringLiteral("Meadow League"));
        QCOMPARE(e->GetChild("party_stance")->GetChild("party")->AttributeValue("id"),
                 "39458_1807117304");
        QVERIFY(stance->isEnabled());
        Choose(stance, QStringLiteral("Leaning"));
        QCOMPARE(Text(e, "party_stance/party/initial_stance"), "Leaning");
        Choose(parties, QStringLiteral("None"));
        QCOMPARE(e->GetChild("party_stance")->ChildCount(), 0);
        QVERIFY(!stance->isEnabled());

        auto* leaders = C<QComboBox>("LeadersComboBox");
        Choose(leaders, QStringLiteral("Sefa Amberly"));
        QCOMPARE(e->GetChild("leader_stance")->GetChild("leader")->AttributeValue("id"),
                 "39428_8639519362");
        QCOMPARE(C<QComboBox>("LeaderStanceComboBox")->currentText(), QStringLiteral("Leaning"));

        auto* issues = C<QComboBox>("IssuesComboBox");
        auto* position = C<QComboBox>("FavouredPositionComboBox");
        Choose(issues, QStringLiteral("Taxes"));
        QCOMPARE(e->GetChild("issues")->GetChildAt(0)->AttributeValue("id"), "39459_6395126361");
        Choose(position, QStringLiteral("Far-Left"));
        QCOMPARE(Text(e->GetChild("issues")->GetChildAt(0), "favored_position"), "Far-Left");
        Choose(issues, QStringLiteral("General"));
        QCOMPARE(e->GetChild("issues")->GetChildAt(0)->AttributeValue("id"), "-1");
        // Attribute issues are no choice.
        QCOMPARE(issues->findText(QStringLiteral("Leadership")), -1);
        Data().Messages().clear();
        QVERIFY(VerifyEndorsers(Data()));

        // Switching national off and on restores the bonuses.
        Type(C<QLineEdit>("MomentumEdit"), QStringLiteral("9"));
        Type(C<QLineEdit>("FootsoldierChanceEdit"), QStringLiteral("150"));
        const QStringList before = Bonuses();
        QCOMPARE(before.at(2), QStringLiteral("100"));
        const TXmlNode* entry = e->GetChild("political_units_affected")->GetChildAt(0);
        QCOMPARE(Text(entry, "momentum"), "9");

        National()->click();
        QVERIFY(!EndorsersEdit::IsNational(e));
        QCOMPARE(e->GetChild("political_units_affected")->ChildCount(), 0);
        QVERIFY(Available()->isEnabled());
        QCOMPARE(Bonuses(), (QStringList{"", "", ""}));

        National()->click();
        QVERIFY(EndorsersEdit::IsNational(e));
        QCOMPARE(Bonuses(), before);
        entry = e->GetChild("political_units_affected")->GetChildAt(0);
        QCOMPARE(Text(entry, "momentum"), "9");
        QCOMPARE(entry->GetChild("footsoldiers")->AttributeValue("chance"), "100");
    }

    void ReferencesToRemovedItemsAreShownAndCleared() {
        TXmlNode* e = Endorser(FirstWith(false));
        e->GetChild("party_stance")->GetChild("party")->SetAttribute("id", "gone_party");
        e->GetChild("issues")->GetChildAt(0)->SetAttribute("id", "gone_issue");
        EndorsersEdit::AddRegion(Data(), e, "gone_region");
        Open();
        List()->setCurrentRow(FirstWith(false));
        auto* parties = C<QComboBox>("PartiesComboBox");
        auto* issues = C<QComboBox>("IssuesComboBox");
        QCOMPARE(parties->currentText(), TEndorserEditorForm::MissingText("gone_party"));
        QCOMPARE(issues->currentText(), TEndorserEditorForm::MissingText("gone_issue"));
        QVERIFY(Entries(Selected()).contains(TEndorserEditorForm::MissingText("gone_region")));

        // What None and General write: StancesTheFavouredIssueAndTheNationalSwitch.
        Choose(parties, QStringLiteral("None"));
        QCOMPARE(parties->findText(TEndorserEditorForm::MissingText("gone_party")), -1);
        Choose(issues, QStringLiteral("General"));
        SelectLines(Selected(), {TEndorserEditorForm::MissingText("gone_region")});
        C<QPushButton>("RemoveRegionButton")->click();
        QCOMPARE(e->GetChild("political_units_affected")->FindChild("", "id", "gone_region"),
                 nullptr);
        QVERIFY(!Entries(Available()).contains(TEndorserEditorForm::MissingText("gone_region")));
        Data().Messages().clear();
        QVERIFY(VerifyEndorsers(Data()));
    }

    void RegionsAreMovedAndTheirBonusesWritten() {
        Open();
        QTest::mouseClick(C<QPushButton>("NewEndorserButton"), Qt::LeftButton);
        TXmlNode* e = Endorser(Data().Endorsers()->ChildCount() - 1);
        National()->click();
        const QStringList regions = Entries(Available());
        QVERIFY(regions.size() >= 3);

        SelectLines(Available(), {regions.at(0), regions.at(2)});
        C<QPushButton>("AddRegionButton")->click();
        QCOMPARE(Entries(Selected()), (QStringList{regions.at(0), regions.at(2)}));
        QCOMPARE(e->GetChild("political_units_affected")->ChildCount(), 2);
        QCOMPARE(Bonuses(), (QStringList{"0", "0", "0"}));

        SelectLines(Selected(), {regions.at(0), regions.at(2)});
        Type(C<QLineEdit>("FootsoldierEdit"), QStringLiteral("4"));
        const TXmlNode* units = e->GetChild("political_units_affected");
        QCOMPARE(Text(units->GetChildAt(0), "footsoldiers"), "4");
        QCOMPARE(Text(units->GetChildAt(1), "footsoldiers"), "4");

        SelectLines(Selected(), {regions.at(0)});
        C<QPushButton>("RemoveRegionButton")->click();
        QCOMPARE(Entries(Selected()), QStringList{regions.at(2)});
        QCOMPARE(units->ChildCount(), 1);

        C<QPushButton>("AddAllRegionsButton")->click();
        QCOMPARE(Selected()->count(), regions.size());
        QCOMPARE(Available()->count(), 0);
        C<QPushButton>("RemoveAllRegionsButton")->click();
        QCOMPARE(units->ChildCount(), 0);
        QCOMPARE(Bonuses(), (QStringList{"", "", ""}));
        QVERIFY(!C<QLineEdit>("MomentumEdit")->isEnabled());
    }

    void ScenarioWithoutRegionsOrPartiesNeverFails() {
        QVERIFY(Data()
                    .Document(TScenarioFile::PoliticalUnits)
                    .Parse("<political_units><political_unit id=\"n\"/></political_units>"));
        QVERIFY(Data().Document(TScenarioFile::Parties).Parse("<parties></parties>"));
        Open();
        const int row = FirstWith(false);
        List()->setCurrentRow(row);
        QVERIFY(!C<QComboBox>("PartiesComboBox")->isEnabled() ||
                C<QComboBox>("PartiesComboBox")->count() > 1);
        QVERIFY(!C<QComboBox>("LeadersComboBox")->isEnabled());
        QCOMPARE(Available()->count(), 0);
        // The sample's regions are all gone, so each entry is listed missing.
        QCOMPARE(Selected()->count(),
                 Endorser(row)->GetChild("political_units_affected")->ChildCount());
        C<QPushButton>("AddAllRegionsButton")->click();
        C<QPushButton>("RemoveAllRegionsButton")->click();
        QCOMPARE(Endorser(row)->GetChild("political_units_affected")->ChildCount(), 0);
        National()->click();
        QVERIFY(EndorsersEdit::IsNational(Endorser(row)));
        QTest::mouseClick(C<QPushButton>("NewEndorserButton"), Qt::LeftButton);
        QVERIFY(!C<QComboBox>("PartiesComboBox")->isEnabled());
        QVERIFY(Data().Endorsers()->ChildCount() > 0);
    }
};

QTEST_MAIN(TEndorserEditorFormTest)
#include "TEndorserEditorFormTest.moc"
