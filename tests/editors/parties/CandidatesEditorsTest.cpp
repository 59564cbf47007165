// The candidates list, the leader and vice-leader editors, the running-mate
// chooser and the crusaders editor on a copy of the sample scenario.
#include "editors/parties/PartiesTestSupport.h"

#include "app/gallery/Gallery.h"
#include "editors/parties/TCrusadersEditorForm.h"
#include "editors/parties/TElectionEventsEditorForm.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "editors/parties/TSelectPartyForm.h"
#include "editors/parties/TSelectVeepsForm.h"
#include "editors/parties/TVeepEditForm.h"
#include "guisupport/FormChecks.h"
#include "guisupport/ScriptedPrompts.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/PartiesEdit.h"
#include "scenario/edit/PercentagesEdit.h"
#include "scenario/verify/VerificationRun.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace PartiesTest;

namespace {

const char* const Ines = "39440_7166792197";
const char* const Rupert = "39425_2395520931";

QStringList MateIds(const TXmlNode* leader) {
    QStringList ids;
    const TXmlNode* mates = leader->GetChild("viceleaders");
    for (int32_t i = 0; i < mates->ChildCount(); ++i)
        ids << QString::fromStdString(mates->GetChildAt(i)->AttributeValue("id"));
    return ids;
}

} // namespace

class CandidatesEditorsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;

    TScenarioData& Data() { return Copy->Data(); }
    TXmlNode* Party() { return PartyAt(Data(), 0); }
    TXmlNode* Leader(int n) { return Party()->GetChild("leaders")->GetChildAt(n); }
    TXmlNode* Pool() { return Party()->GetChild("viceleaders"); }
    QString Portraits() { return Copy->FilePath(QStringLiteral("party_images/candidates/")); }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
    }
    void cleanup() { Copy.reset(); }

    void CandidatesListMovesLeadersButNotPastTheEnds() {
        TPartyLeaderVeepEditorForm form(Data(), Party());
        form.show();
        QCOMPARE(
            form.windowTitle(),
            QStringLiteral("Step 5: Create / Edit Civic Union Party's Leaders and Vice Leaders"));
        QCOMPARE(form.property("helpTopic").toInt(), 152);
        auto* veeps = Control<QListWidget>(&form, "VeepsListBox");
        auto* leaders = Control<QListWidget>(&form, "LeadersListBox");
        QCOMPARE(Entries(veeps), (QStringList{"Ines Halloway", "Rupert Cray"}));
        QCOMPARE(Entries(leaders), (QStringList{"Odile Varenne", "Tobias Wrenfield"}));
        QCOMPARE(leaders->currentRow(), 0);
        TXmlNode* odile = Leader(0);

        Control<QPushButton>(&form, "UpButton")->click();
        QCOMPARE(Leader(0), odile);
        QCOMPARE(leaders->currentRow(), 0);
        Control<QPushButton>(&form, "DnButton")->click();
        QCOMPARE(Leader(1), odile);
        QCOMPARE(Entries(leaders), (QStringList{"Tobias Wrenfield", "Odile Varenne"}));
        QCOMPARE(leaders->currentRow(), 1);
        QCOMPARE(form.SelectedLeader(), odile);
        Control<QPushButton>(&form, "DnButton")->click();
        QCOMPARE(Leader(1), odile);
        QCOMPARE(leaders->currentRow(), 1);
        GuiTest::PressEnterEverywhere(&form);
    }

    void NewVeepOpensItsEditorAndIsSelected() {
        TPartyLeaderVeepEditorForm form(Data(), Party());
        form.show();
        QString opened;
        CloseNextModal(&opened);
        Control<QPushButton>(&form, "NewVeepButton")->click();
        QCOMPARE(opened, QStringLiteral("TVeepEditForm"));
        auto* veeps = Control<QListWidget>(&form, "VeepsListBox");
        QCOMPARE(veeps->count(), 3);
        QCOMPARE(veeps->currentRow(), 2);
        QCOMPARE(veeps->item(2)->text(), QStringLiteral("New ViceLeader"));
        QCOMPARE(form.SelectedViceLeader(), Pool()->GetChildAt(2));

        CloseNextModal(&opened);
        Control<QPushButton>(&form, "CopyVeepButton")->click();
        QCOMPARE(Pool()->ChildCount(), 4);
        QCOMPARE(veeps->currentRow(), 3);
        QVERIFY(Pool()->GetChildAt(3)->AttributeValue("id") !=
                Pool()->GetChildAt(2)->AttributeValue("id"));
    }

    void RemoveVeepAsksAndTakesItsRunningMateEntries() {
        TPartyLeaderVeepEditorForm form(Data(), Party());
        form.show();
        auto* veeps = Control<QListWidget>(&form, "VeepsListBox");
        veeps->setCurrentRow(1);
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::No, QStringLiteral("Remove Vice-Leader"));
        Control<QPushButton>(&form, "RemoveVeepButton")->click();
        QCOMPARE(Pool()->ChildCount(), 2);
        prompts.Answer(TPromptAnswer::Yes, QStringLiteral("Remove Vice-Leader"));
        Control<QPushButton>(&form, "RemoveVeepButton")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(), (QStringList{"Are you sure?", "Are you sure?"}));
        QCOMPARE(Entries(veeps), QStringList{"Ines Halloway"});
        QCOMPARE(Pool()->ChildCount(), 1);
        QCOMPARE(MateIds(Leader(0)), QStringList{Ines});
        QCOMPARE(MateIds(Leader(1)), QStringList{});
    }

    void CopyAndRemoveLeaderKeepPortraitsAndPercentagesInStep() {
        TPartyLeaderVeepEditorForm form(Data(), Party());
        form.show();
        QString opened;
        CloseNextModal(&opened);
        Control<QPushButton>(&form, "CopyLeaderButton")->click();
        QCOMPARE(opened, QStringLiteral("TLeaderEditForm"));
        TXmlNode* copy = Leader(2);
        const std::string id = copy->AttributeValue("id");
        QCOMPARE(form.SelectedLeader(), copy);
        QCOMPARE(Text(copy, "image_large"), id + "_large.bmp");
        QVERIFY(QFileInfo::exists(Portraits() + QString::fromStdString(id + "_large.bmp")));
        QVERIFY(QFileInfo::exists(Portraits() + QString::fromStdString(id + "_small.bmp")));
        QCOMPARE(MateIds(copy), (QStringList{Ines, Rupert}));
        for (TXmlNode* unit : PercentagesEdit::UnitEntries(Data()))
            QVERIFY(unit->FindNode("leader", "id", id));

        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::Yes, QStringLiteral("Remove Leader"));
        Control<QPushButton>(&form, "RemoveLeaderButton")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Party()->GetChild("leaders")->ChildCount(), 2);
        QCOMPARE(Control<QListWidget>(&form, "LeadersListBox")->count(), 2);
        for (TXmlNode* unit : PercentagesEdit::UnitEntries(Data()))
            QVERIFY(!unit->FindNode("leader", "id", id));
    }

    void CopyToAnotherPartyKeepsOnlyThatPartysRunningMates() {
        TXmlNode* accord = PartyAt(Data(), 1);
        TXmlNode* offered = nullptr;
        TSelectPartyForm::Chooser() = [&](TScenarioData&, const TXmlNode* except) {
            offered = const_cast<TXmlNode*>(except);
            return accord;
        };
        TPartyLeaderVeepEditorForm form(Data(), Party());
        form.show();
        Control<QPushButton>(&form, "CopyLeaderToButton")->click();
        Control<QPushButton>(&form, "CopyVeepToButton")->click();
        TSelectPartyForm::Chooser() = {};
        QCOMPARE(offered, Party());
        TXmlNode* copy = accord->GetChild("leaders")->GetChildAt(2);
        QCOMPARE(Text(copy, "lastname"), std::string("Varenne"));
        QCOMPARE(copy->GetChild("viceleaders")->ChildCount(), 0);
        QCOMPARE(Text(accord->GetChild("viceleaders")->GetChildAt(2), "firstname"),
                 std::string("Ines"));
        // The list shows this party only.
        QCOMPARE(Control<QListWidget>(&form, "LeadersListBox")->count(), 2);

        // Cancelled: nothing is copied.
        TSelectPartyForm::Chooser() = [](TScenarioData&, const TXmlNode*) -> TXmlNode* {
            return nullptr;
        };
        Control<QPushButton>(&form, "CopyLeaderToButton")->click();
        TSelectPartyForm::Chooser() = {};
        QCOMPARE(accord->GetChild("leaders")->ChildCount(), 3);
    }

    void PartyEditorOpensTheseWindows() {
        TPartyEditForm party(Data(), Party());
        party.show();
        QString title;
        auto keepTitle = [&title](QWidget* modal) { title = modal->windowTitle(); };
        QString opened;
        CloseNextModal(&opened, keepTitle);
        Control<QPushButton>(&party, "CandidatesButton")->click();
        QCOMPARE(opened, QStringLiteral("TPartyLeaderVeepEditorForm"));
        QCOMPARE(title, QStringLiteral(
                            "Step 5: Create / Edit Civic Union Party's Leaders and Vice Leaders"));
        CloseNextModal(&opened, keepTitle);
        Control<QPushButton>(&party, "RegionInfoButton")->click();
        QCOMPARE(opened, QStringLiteral("TElectionEventsEditorForm"));
        QCOMPARE(title, QStringLiteral("Step 5: Civic Union Party's Regional Information"));
    }

    void LeaderEditorOpensColourPlatformAndPercentages() {
        TXmlNode* leader = Leader(0);
        TLeaderEditForm form(Data(), leader);
        form.show();
        QString opened;
        CloseNextModal(&opened, [](QWidget* chooser) {
            auto* colours = Control<QListWidget>(chooser, "ColorsListBox");
            colours->setCurrentRow(colours->count() - 1);
            Control<QPushButton>(chooser, "OkButton")->click();
        });
        Control<QPushButton>(&form, "ChangeColorButton")->click();
        QCOMPARE(opened, QStringLiteral("TChangeColourForm"));
        QCOMPARE(Text(leader, "leader_color"), std::string("green-alternate"));
        // Closed without Ok: unchanged.
        CloseNextModal(&opened);
        QTest::mouseClick(Control<QLabel>(&form, "ColorSwatch"), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("TChangeColourForm"));
        QCOMPARE(Text(leader, "leader_color"), std::string("green-alternate"));

        QString title;
        CloseNextModal(&opened, [&title](QWidget* modal) { title = modal->windowTitle(); });
        Control<QPushButton>(&form, "IssuesButton")->click();
        QCOMPARE(opened, QStringLiteral("TPlatformEditorForm"));
        QCOMPARE(title, QStringLiteral("Set Varenne's Platform"));
        CloseNextModal(&opened);
        Control<QPushButton>(&form, "PercentagesButton")->click();
        QCOMPARE(opened, QStringLiteral("TPercentagesEditorForm"));
    }

    void LeaderEditorWritesWhatIsChosen() {
        TXmlNode* leader = Leader(0);
        TLeaderEditForm form(Data(), leader);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Step 5: Edit Selected Leader"));
        QCOMPARE(Control<QLineEdit>(&form, "TitleEdit")->text(), QStringLiteral("Premier"));
        QCOMPARE(Control<QGroupBox>(&form, "LeaderInfoGroup")->title(),
                 QStringLiteral("Varenne's Information"));
        auto* gender = Control<QComboBox>(&form, "GenderComboBox");
        QCOMPARE(gender->currentText(), QStringLiteral("F"));
        QCOMPARE(Control<QComboBox>(&form, "HowWellKnownComboBox")->currentText(),
                 QStringLiteral("Very High"));
        auto* home = Control<QComboBox>(&form, "HomeRegionComboBox");
        QCOMPARE(home->currentText(), QStringLiteral("Aubrel"));
        QCOMPARE(home->count(), 9);
        // Showing wrote nothing.
        QCOMPARE(Text(leader, "sex"), std::string("female"));

        gender->setCurrentIndex(0);
        QCOMPARE(Text(leader, "sex"), std::string("male"));
        gender->setCurrentIndex(1);
        QCOMPARE(Text(leader, "sex"), std::string("female"));
        home->setCurrentIndex(1);
        QCOMPARE(leader->GetChild("home_political_unit")->AttributeValue("id"),
                 std::string("39424_5593275476"));
        Type(Control<QLineEdit>(&form, "LastNameEdit"), QStringLiteral("Berg"));
        QCOMPARE(Text(leader, "lastname"), std::string("Berg"));
        QCOMPARE(Control<QGroupBox>(&form, "LeaderInfoGroup")->title(),
                 QStringLiteral("Berg's Information"));
        Type(Control<QLineEdit>(&form, "EstablishedEdit"), QStringLiteral("9"));
        QCOMPARE(Text(leader, "established_primaries"), std::string("5"));

        auto* regions = Control<QListWidget>(&form, "RegionBonusListBox");
        QCOMPARE(regions->count(), 9);
        regions->setCurrentRow(1);
        auto* bonus = Control<QLineEdit>(&form, "RegionBonusEdit");
        QCOMPARE(bonus->text(), QStringLiteral("2"));
        Type(bonus, QStringLiteral("150"));
        const TXmlNode* entry = leader->GetChild("percentage_bonuses")
                                    ->FindChild("political_unit", "id", "39424_5593275476");
        QCOMPARE(Text(entry, "bonus"), std::string("100"));
        GuiTest::PressEnterEverywhere(&form);
        if (QTest::currentTestFailed())
            return;

        QString title;
        CloseNextModal(&title, [&title](QWidget* modal) { title = modal->windowTitle(); });
        Control<QPushButton>(&form, "VeepsButton")->click();
        QCOMPARE(title, QStringLiteral("Step 5: Berg's Vice-Presidential Candidates"));
        CloseNextModal(&title, [&title](QWidget* modal) { title = modal->windowTitle(); });
        Control<QPushButton>(&form, "CrusadersButton")->click();
        QCOMPARE(title, QStringLiteral("Step 5: Create / Edit Berg's Crusaders"));
    }

    void LongStoredNamesAreShownWholeAndNotCut() {
        TXmlNode* leader = Leader(0);
        const std::string title = "Chief Minister Emeritus"; // 23 characters, limit 15
        leader->GetChild("title")->SetText(title);
        const std::string description(500, 'x');
        leader->GetChild("primaries_description")->SetText(description);
        TLeaderEditForm form(Data(), leader);
        form.show();
        auto* edit = Control<QLineEdit>(&form, "TitleEdit");
        QCOMPARE(edit->text(), QString::fromStdString(title));
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("s"));
        QCOMPARE(Text(leader, "title"), title);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(Text(leader, "title"), title.substr(0, title.size() - 1));
        QCOMPARE(Control<QPlainTextEdit>(&form, "PrimariesDescriptionMemo")->toPlainText().size(),
                 500);
        QCOMPARE(Text(leader, "primaries_description"), description);
        // A short name stops at its limit.
        auto* first = Control<QLineEdit>(&form, "FirstNameEdit");
        Type(first, QString(25, QLatin1Char('y')));
        QCOMPARE(Text(leader, "firstname"), std::string(20, 'y'));
    }

    void RegionBonusesAndPortraitNamesAreMadeOnce() {
        TXmlNode* leader = Leader(1);
        leader->RemoveChild(leader->GetChild("percentage_bonuses"));
        leader->GetChild("image_small")->SetText("");
        for (int round = 0; round < 2; ++round) {
            TLeaderEditForm form(Data(), leader);
            form.show();
            const TXmlNode* bonuses = leader->GetChild("percentage_bonuses");
            QCOMPARE(bonuses->ChildCount(), 9);
            QCOMPARE(Text(bonuses->GetChildAt(8), "bonus"), std::string("0"));
        }
        QCOMPARE(Text(leader, "image_small"), leader->AttributeValue("id") + "_small.bmp");
        QCOMPARE(Text(leader, "image_large"), std::string("tobias_wrenfield_large.bmp"));
    }

    void VeepEditorMovesTheHomeBonusWithTheHome() {
        TXmlNode* veep = Pool()->GetChildAt(0);
        TVeepEditForm form(Data(), veep);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Selected Vice President"));
        QCOMPARE(Control<QLineEdit>(&form, "FirstNameEdit")->text(), QStringLiteral("Ines"));
        auto* home = Control<QComboBox>(&form, "HomeRegionComboBox");
        home->setCurrentIndex(home->findText(QStringLiteral("Brenvale")));
        QCOMPARE(veep->GetChild("home_political_unit")->AttributeValue("id"),
                 std::string("39424_5593275476"));
        QCOMPARE(veep->GetChild("percentage_bonuses")->GetChildAt(0)->AttributeValue("id"),
                 std::string("39424_5593275476"));
        Type(Control<QLineEdit>(&form, "HomeBonusEdit"), QStringLiteral("250"));
        QCOMPARE(Text(veep->GetChild("percentage_bonuses")->GetChildAt(0), "bonus"),
                 std::string("100"));
        Type(Control<QLineEdit>(&form, "DebatingEdit"), QStringLiteral("7"));
        QCOMPARE(Text(veep->GetChild("attributes"), "debating"), std::string("5"));
        GuiTest::PressEnterEverywhere(&form);
        if (QTest::currentTestFailed())
            return;
    }

    void FieldsACandidateLacksAreAddedWhereTheyBelongOnFirstEdit() {
        TXmlNode* leader = Leader(0);
        QString faults = GuiTest::EditsAddMissingFields(
            leader, {"default_on", "sex", "age", "how_well_known", "goals", "attributes/charisma"},
            [&] { return std::make_unique<TLeaderEditForm>(Data(), leader); },
            {"DefaultOnCheckBox", "GenderComboBox", "AgeEdit", "HowWellKnownComboBox",
             "PercentageGoalEdit", "SeatsGoalEdit", "CharismaEdit"});
        TXmlNode* veep = Pool()->GetChildAt(0);
        faults += GuiTest::EditsAddMissingFields(
            veep, {"sex", "political_points_cost"},
            [&] { return std::make_unique<TVeepEditForm>(Data(), veep); },
            {"GenderComboBox", "PointsCostEdit"});
        TXmlNode* crusaders = Leader(0)->GetChild("crusaders");
        faults += GuiTest::EditsAddMissingFields(
            crusaders->GetChildAt(0), {"base_power"},
            [&] { return std::make_unique<TCrusadersEditorForm>(Data(), crusaders); },
            {"BasePowerEdit"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    void RunningMateChooserListsAndRemovesMissingEntries() {
        TXmlNode* tobias = Leader(1);
        CandidatesEdit::AddRunningMate(Data(), tobias, "gone");
        TSelectVeepsForm form(Data(), Party(), tobias);
        form.show();
        auto* other = Control<QListWidget>(&form, "OtherViceLeadersListBox");
        auto* selected = Control<QListWidget>(&form, "SelectedViceLeadersListBox");
        QCOMPARE(Entries(other), QStringList{"Ines Halloway"});
        QCOMPARE(Entries(selected), (QStringList{"Rupert Cray", "gone (missing)"}));
        selected->clearSelection();
        selected->item(1)->setSelected(true);
        Control<QPushButton>(&form, "RemoveButton")->click();
        QCOMPARE(MateIds(tobias), QStringList{Rupert});
        Control<QPushButton>(&form, "AddAllButton")->click();
        QCOMPARE(MateIds(tobias), (QStringList{Rupert, Ines}));
        QCOMPARE(Entries(selected), (QStringList{"Ines Halloway", "Rupert Cray"}));
        QVERIFY(Entries(other).isEmpty());
        Control<QPushButton>(&form, "RemoveAllButton")->click();
        QCOMPARE(MateIds(tobias), QStringList{});
        other->clearSelection();
        other->item(1)->setSelected(true);
        Control<QPushButton>(&form, "AddButton")->click();
        QCOMPARE(MateIds(tobias), QStringList{Rupert});
    }

    void CrusadersEditorRemovesTheSelectedCrusader() {
        TXmlNode* crusaders = Leader(0)->GetChild("crusaders");
        crusaders->GetChildAt(0)->GetChild("last_name")->SetText(std::string(24, 'z'));
        TCrusadersEditorForm form(Data(), crusaders);
        form.show();
        auto* list = Control<QListWidget>(&form, "CrusadersListBox");
        QCOMPARE(Entries(list),
                 (QStringList{"Bertram " + QString(24, QLatin1Char('z')), "Liesl Marrow"}));
        QCOMPARE(Control<QLineEdit>(&form, "LastNameEdit")->text().size(), 24);
        GuiTest::PressEnterEverywhere(&form);
        if (QTest::currentTestFailed())
            return;
        list->setCurrentRow(1);
        QCOMPARE(Control<QLineEdit>(&form, "DaysEdit")->text(), QStringLiteral("14"));
        Control<QPushButton>(&form, "DeleteButton")->click();
        QCOMPARE(crusaders->ChildCount(), 1);
        QCOMPARE(Text(crusaders->GetChildAt(0), "first_name"), std::string("Bertram"));

        Control<QPushButton>(&form, "NewButton")->click();
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->item(1)->text(), QStringLiteral("New Crusader"));
        Type(Control<QLineEdit>(&form, "FirstNameEdit"), QStringLiteral("Mara"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Mara Crusader"));
        QCOMPARE(Text(crusaders->GetChildAt(1), "first_name"), std::string("Mara"));
        QCOMPARE(crusaders->GetChildAt(1)->AttributeValue("id"), std::string("new_crusader"));
    }

    void NewPartyGetsItsCandidatesAndVerifiesThroughStep6() {
        QVERIFY(!VerificationRun::Run(&Data()).ProblemsExist);
        TXmlNode* party = PartiesEdit::NewParty(Data());
        const std::string id = party->AttributeValue("id");
        // What the party editor sets.
        party->GetChild("abbreviation")->SetText("HL");
        party->GetChild("picture")->SetText(id + ".bmp");
        QVERIFY(WriteBitmap(Copy->FilePath(QString::fromStdString("party_images/" + id + ".bmp")),
                            QSize(101, 101), Qt::darkGreen));
        TXmlNode* convention = party->GetChild("convention");
        convention->GetChild("political_unit")
            ->SetAttribute("id", PartiesEdit::FirstRegionId(Data()));
        convention->GetChild("location")->SetText("Kestrel Ford");

        QTemporaryDir elsewhere;
        const QString portrait = elsewhere.filePath(QStringLiteral("hale.bmp"));
        QVERIFY(WriteBitmap(portrait, QSize(90, 100), Qt::gray));
        TScriptedPrompts prompts;
        prompts.ChooseFile(portrait).ChooseFile(portrait);
        {
            TPartyLeaderVeepEditorForm form(Data(), party);
            form.show();
            CloseNextModal(nullptr);
            Control<QPushButton>(&form, "NewVeepButton")->click();
            CloseNextModal(nullptr, [](QWidget* leader) {
                Control<QPushButton>(leader, "ChangeLargeImageButton")->click();
                Control<QPushButton>(leader, "ChangeSmallImageButton")->click();
                CloseNextModal(nullptr, [](QWidget* mates) {
                    Control<QPushButton>(mates, "AddAllButton")->click();
                });
                Control<QPushButton>(leader, "VeepsButton")->click();
            });
            Control<QPushButton>(&form, "NewLeaderButton")->click();
        }
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        {
            TElectionEventsEditorForm form(Data(), party);
            form.show();
            Control<QListWidget>(&form, "RegionsListBox")->selectAll();
            Control<QCheckBox>(&form, "BallotCheckBox")->click();
        }
        const TVerificationRunResult result = VerificationRun::Run(&Data());
        QStringList messages;
        for (const auto& message : Data().Messages())
            messages << QString::fromStdString(message.Text());
        QVERIFY2(result.PassedAllBefore(TVerifiedFile::Endorsers), qPrintable(messages.join('\n')));
        const TXmlNode* leader = party->GetChild("leaders")->GetChildAt(0);
        QCOMPARE(Text(leader, "image_large"), std::string("hale_large.bmp"));
        QCOMPARE(leader->GetChild("viceleaders")->ChildCount(), 1);
    }

    void GalleryRendersEveryWindow() {
        QTemporaryDir out;
        for (const char* name :
             {"TPartyLeaderVeepEditorForm", "TLeaderEditForm", "TVeepEditForm", "TSelectVeepsForm",
              "TCrusadersEditorForm", "TElectionEventsEditorForm"}) {
            TGalleryContext context;
            context.Scenario = &Data();
            context.OutputFolder = out.path();
            context.PageName = QString::fromLatin1(name);
            bool found = false;
            for (const Gallery::TPage& page : Gallery::Pages())
                if (page.Name == context.PageName) {
                    found = true;
                    page.Render(context);
                }
            QVERIFY2(found, name);
            QCOMPARE(context.Written.size(), size_t{1});
            QVERIFY(QFileInfo(context.Written.front()).size() > 0);
        }
    }
};

QTEST_MAIN(CandidatesEditorsTest)
#include "CandidatesEditorsTest.moc"
