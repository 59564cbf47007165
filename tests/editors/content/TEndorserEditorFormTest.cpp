#include "editors/content/TEndorserEditorForm.h"
#include "editors/world/WorldTestScenario.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
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

#include <memory>

namespace {

std::string Text(const TXmlNode* parent, const char* path) {
    const TXmlNode* node = parent;
    std::string rest = path;
    while (node && !rest.empty()) {
        const size_t slash = rest.find('/');
        node = node->GetChild(rest.substr(0, slash));
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
    }
    return node ? node->GetText() : std::string("<missing>");
}

// An element with its id, text and children, for comparing whole subtrees.
std::string Outline(const TXmlNode* node) {
    std::string out = node->Name;
    for (int32_t i = 0; i < node->AttributeCount(); ++i)
        out += " " + node->GetAttributeAt(i)->Name + "=" + node->GetAttributeAt(i)->Value;
    // The indentation a loaded block holds is not part of its text.
    if (node->GetText().find_first_not_of(" \t\r\n") != std::string::npos)
        out += " '" + node->GetText() + "'";
    if (node->ChildCount() > 0) {
        out += " (";
        for (int32_t i = 0; i < node->ChildCount(); ++i)
            out += (i ? ", " : "") + Outline(node->GetChildAt(i));
        out += ")";
    }
    return out;
}

void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("no entry %s", qPrintable(text));
    combo->setCurrentIndex(index);
}

void SelectLines(QListWidget* list, const QStringList& texts) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text()))
            list->item(i)->setSelected(true);
}

} // namespace

class TEndorserEditorFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    std::unique_ptr<TEndorserEditorForm> Form;

    TScenarioData& Data() { return Copy->Data(); }
    TXmlNode* Endorser(int index) { return Data().Endorsers()->GetChildAt(index); }
    template <typename T> T* C(const char* name) { return WorldTest::Control<T>(Form.get(), name); }
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

    void Open() {
        Form = std::make_unique<TEndorserEditorForm>(Data());
        Form->show();
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
    }
    void cleanup() {
        Form.reset();
        Copy.reset();
    }

    void ShowsARegionalAndANationalEndorser() {
        Open();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Step 7: Create / Edit Endorsers"));
        QCOMPARE(Form->property("helpTopic").toInt(), 170);
        QCOMPARE(List()->count(), Data().Endorsers()->ChildCount());
        QCOMPARE(List()->currentRow(), 0);

        const int regional = FirstWith(false);
        List()->setCurrentRow(regional);
        TXmlNode* e = Endorser(regional);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QString::fromStdString(Text(e, "name")));
        QCOMPARE(C<QPlainTextEdit>("DescriptionMemo")->toPlainText(),
                 QString::fromStdString(Text(e, "description")));
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

        start->setDate(QDate(2008, 3, 1));
        QCOMPARE(Text(e, "start_date"), "03/01/2008");
        start->setDate(QDate(2008, 2, 4));
        QCOMPARE(Text(e, "start_date"), "-1");
        start->setDate(QDate(2007, 12, 1));
        QCOMPARE(Text(e, "start_date"), "-1");
        end->setDate(QDate(2008, 10, 1));
        QCOMPARE(Text(e, "end_date"), "10/01/2008");
        end->setDate(QDate(2008, 10, 26));
        QCOMPARE(Text(e, "end_date"), "-1");
    }

    void StancesAndTheFavouredIssue() {
        Open();
        const int row = FirstWith(true);
        List()->setCurrentRow(row);
        TXmlNode* e = Endorser(row);
        auto* parties = C<QComboBox>("PartiesComboBox");
        auto* stance = C<QComboBox>("PartyStanceComboBox");
        QCOMPARE(parties->itemText(0), QStringLiteral("None"));
        QCOMPARE(parties->count(), Data().Parties()->ChildCount() + 1);

        Choose(parties, QStringLiteral("Meadow League"));
        QCOMPARE(e->GetChild("party_stance")->GetChild("party")->AttributeValue("id"),
                 "39458_1807117304");
        QVERIFY(stance->isEnabled());
        // The endorser's stance word stays with another party.
        QCOMPARE(stance->currentText(), QStringLiteral("Decided"));
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
        QCOMPARE(issues->itemText(0), QStringLiteral("General"));
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
        QVERIFY(WorldTest::Entries(Selected())
                    .contains(TEndorserEditorForm::MissingText("gone_region")));

        Choose(parties, QStringLiteral("None"));
        QCOMPARE(e->GetChild("party_stance")->ChildCount(), 0);
        QCOMPARE(parties->findText(TEndorserEditorForm::MissingText("gone_party")), -1);
        Choose(issues, QStringLiteral("General"));
        QCOMPARE(e->GetChild("issues")->GetChildAt(0)->AttributeValue("id"), "-1");
        SelectLines(Selected(), {TEndorserEditorForm::MissingText("gone_region")});
        C<QPushButton>("RemoveRegionButton")->click();
        QCOMPARE(e->GetChild("political_units_affected")->FindChild("", "id", "gone_region"),
                 nullptr);
        QVERIFY(!WorldTest::Entries(Available())
                     .contains(TEndorserEditorForm::MissingText("gone_region")));
        Data().Messages().clear();
        QVERIFY(VerifyEndorsers(Data()));
    }

    void SwitchingNationalOffAndOnRestoresTheBonuses() {
        Open();
        const int row = FirstWith(true);
        List()->setCurrentRow(row);
        TXmlNode* e = Endorser(row);
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

    void RegionsAreMovedAndTheirBonusesWritten() {
        Open();
        QTest::mouseClick(C<QPushButton>("NewEndorserButton"), Qt::LeftButton);
        TXmlNode* e = Endorser(Data().Endorsers()->ChildCount() - 1);
        National()->click();
        const QStringList regions = WorldTest::Entries(Available());
        QVERIFY(regions.size() >= 3);

        SelectLines(Available(), {regions.at(0), regions.at(2)});
        C<QPushButton>("AddRegionButton")->click();
        QCOMPARE(WorldTest::Entries(Selected()), (QStringList{regions.at(0), regions.at(2)}));
        QCOMPARE(e->GetChild("political_units_affected")->ChildCount(), 2);
        QCOMPARE(Bonuses(), (QStringList{"0", "0", "0"}));

        SelectLines(Selected(), {regions.at(0), regions.at(2)});
        Type(C<QLineEdit>("FootsoldierEdit"), QStringLiteral("4"));
        const TXmlNode* units = e->GetChild("political_units_affected");
        QCOMPARE(Text(units->GetChildAt(0), "footsoldiers"), "4");
        QCOMPARE(Text(units->GetChildAt(1), "footsoldiers"), "4");

        SelectLines(Selected(), {regions.at(0)});
        C<QPushButton>("RemoveRegionButton")->click();
        QCOMPARE(WorldTest::Entries(Selected()), QStringList{regions.at(2)});
        QCOMPARE(units->ChildCount(), 1);

        C<QPushButton>("AddAllRegionsButton")->click();
        QCOMPARE(Selected()->count(), regions.size());
        QCOMPARE(Available()->count(), 0);
        C<QPushButton>("RemoveAllRegionsButton")->click();
        QCOMPARE(units->ChildCount(), 0);
        QCOMPARE(Bonuses(), (QStringList{"", "", ""}));
        QVERIFY(!C<QLineEdit>("MomentumEdit")->isEnabled());
    }

    void EndorserBuiltFromScratchVerifiesAndSaves() {
        Open();
        const int before = List()->count();
        QTest::mouseClick(C<QPushButton>("NewEndorserButton"), Qt::LeftButton);
        QCOMPARE(List()->count(), before + 1);
        QCOMPARE(List()->currentRow(), before);
        TXmlNode* e = Endorser(before);
        const std::string id = e->AttributeValue("id");
        Type(C<QLineEdit>("NameEdit"), QStringLiteral("Harbour Pilots"));
        QCOMPARE(List()->currentItem()->text(), QStringLiteral("Harbour Pilots"));
        Type(C<QLineEdit>("PIPEffectEdit"), QStringLiteral("5"));
        Type(C<QLineEdit>("MonetaryBonusEdit"), QStringLiteral("2.5"));
        Choose(C<QComboBox>("PartiesComboBox"), QStringLiteral("Civic Union"));
        Choose(C<QComboBox>("PartyStanceComboBox"), QStringLiteral("Decided"));
        Choose(C<QComboBox>("LeadersComboBox"), QStringLiteral("Aurelio Fenn"));
        National()->click();
        const QStringList regions = WorldTest::Entries(Available());
        SelectLines(Available(), regions.mid(0, 3));
        C<QPushButton>("AddRegionButton")->click();
        SelectLines(Selected(), regions.mid(0, 3));
        Type(C<QLineEdit>("MomentumEdit"), QStringLiteral("2"));
        Choose(C<QComboBox>("IssuesComboBox"), QStringLiteral("Taxes"));
        Choose(C<QComboBox>("FavouredPositionComboBox"), QStringLiteral("Center-Right"));

        Data().Messages().clear();
        QVERIFY(VerifyEndorsers(Data()));
        Data().Save();
        TScenarioData reloaded;
        std::string folder = Data().Folder();
        reloaded.Load(folder);
        const TXmlNode* saved = reloaded.Endorsers()->GetChildAt(before);
        std::string units;
        for (const TXmlNode* region : EndorsersEdit::Regions(reloaded))
            if (regions.mid(0, 3).contains(QString::fromStdString(Text(region, "name"))))
                units += std::string(units.empty() ? "" : ", ") +
                         "political_unit id=" + region->AttributeValue("id") +
                         " (momentum '2', footsoldiers chance=0 '0')";
        QCOMPARE(QString::fromStdString(Outline(saved)),
                 QString::fromStdString(
                     "endorser id=" + id +
                     " (name 'Harbour Pilots', description, start_date '-1', end_date '-1', "
                     "pp_effect '5', party_stance (party id=39459_2174350403 (initial_stance "
                     "'Decided')), leader_stance (leader id=39453_4280512017 (initial_stance "
                     "'leaning')), monetary_bonus '2.5', political_units_affected (" +
                     units +
                     "), issues (issue id=39459_6395126361 (favored_position "
                     "'Center-Right')))"));
    }

    void RemoveSelectsTheOneBefore() {
        Open();
        List()->setCurrentRow(2);
        const std::string next = Text(Endorser(3), "name");
        QTest::mouseClick(C<QPushButton>("RemoveButton"), Qt::LeftButton);
        QCOMPARE(List()->currentRow(), 1);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(),
                 QString::fromStdString(Text(Endorser(1), "name")));
        QCOMPARE(Text(Endorser(2), "name"), next);
        QCOMPARE(List()->count(), Data().Endorsers()->ChildCount());
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

    void EnterInAFieldPressesNoButtonAndLongTextsStay() {
        Endorser(0)->GetChild("name")->SetText(std::string(300, 'n'));
        Open();
        for (QPushButton* button : Form->findChildren<QPushButton*>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(),
                     qPrintable(button->objectName()));
        QCOMPARE(C<QLineEdit>("NameEdit")->text().size(), 300);
        const int count = Data().Endorsers()->ChildCount();
        TScriptedPrompts prompts; // nothing may be asked
        for (const char* name : {"NameEdit", "PIPEffectEdit", "MonetaryBonusEdit", "MomentumEdit",
                                 "FootsoldierEdit", "FootsoldierChanceEdit"}) {
            auto* edit = C<QLineEdit>(name);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Enter);
        }
        QVERIFY(Form->isVisible());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Data().Endorsers()->ChildCount(), count);
        QCOMPARE(Text(Endorser(0), "name"), std::string(300, 'n'));
    }
};

QTEST_MAIN(TEndorserEditorFormTest)
#include "TEndorserEditorFormTest.moc"
