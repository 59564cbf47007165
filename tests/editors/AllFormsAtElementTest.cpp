// Every step opened at an element through its registration, as the main window does: the windows
// that show the element open on the way, its entries are current, its field has the focus, and
// nothing is written.
#include "app/StepEditors.h"
#include "editors/world/TPoliticalUnitEditorForm.h"
#include "guisupport/EditorTest.h"
#include "guisupport/ModalWindows.h"
#include "scenario/ElementTargets.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

using TFile = TScenarioFile;

// What was on screen once the window on top had settled.
struct TShown {
    // The open windows' classes, outermost first.
    QStringList Windows;
    QString Focus;
    // Per list "List" and "TForm.List": the current row, and its text; per
    // text box its text.
    QHash<QString, int> Row;
    QHash<QString, QString> Text;
};

TShown Look(QWidget* top) {
    TShown shown;
    if (const QWidget* focus = top->focusWidget())
        shown.Focus = focus->objectName();
    QList<QWidget*> windows;
    for (QWidget* window = top; window; window = window->parentWidget())
        windows.prepend(window = window->window());
    // Outermost first, so the innermost window's control answers to its bare name.
    for (QWidget* window : windows) {
        const QString form = QString::fromLatin1(window->metaObject()->className());
        shown.Windows << form;
        for (const QString& prefix : {form + QLatin1Char('.'), QString()}) {
            for (const QListWidget* list : window->findChildren<QListWidget*>()) {
                shown.Row[prefix + list->objectName()] = list->currentRow();
                shown.Text[prefix + list->objectName()] =
                    list->currentItem() ? list->currentItem()->text() : QString();
            }
            for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
                shown.Text[prefix + edit->objectName()] = edit->text();
        }
    }
    return shown;
}

// Changes to the documents before the target is found; changes to the target
// after.
using TSetUp = void (*)(TScenarioData&);
using TAdjust = void (*)(TElementTarget&);
// A check of a window's own on the window on top; what is wrong, if anything.
using TLook = QString (*)(QWidget* top, const TElementTarget&);

struct TCase {
    const char* Name;
    TFile File;
    const char* Path;
    const char* Field;
    // The open windows, outermost first ("TEventsEditorForm>TSimpleEventEditorForm"); a
    // single class names the window on top only.
    const char* Windows;
    const char* Focus;
    // Separated by "|": "List#row", or "Control=text" for a list's current entry or a text
    // box's text ("@": the element's field). "TForm.Control" names the control of that window.
    const char* Shows;
    TAdjust Adjust = nullptr;
    TSetUp SetUp = nullptr;
    TLook Check = nullptr;
    // Showing may tidy the documents.
    bool Writes = false;
};

// The item at index is no longer in the documents, as after a removal.
template <int Index> void Gone(TElementTarget& target) {
    static TXmlNode stray;
    TXmlNode*& item = target.Items.at(Index);
    for (const TXmlNode* node = target.Element; node; node = node->Parent())
        if (node == item)
            target.Element = &stray;
    item = &stray;
}

// Showing the capital selects the region and highlights its area, as a click on it does.
QString SelectsTheArea(QWidget* top, const TElementTarget& target) {
    auto* form = qobject_cast<TPoliticalUnitEditorForm*>(top);
    if (!form || form->SelectedRegion() != target.Element->Parent())
        return QStringLiteral("the region is not selected");
    if (!form->HighlightedPoint() || form->HighlightedPoint()->Name != "position")
        return QStringLiteral("its area is not highlighted");
    return {};
}

const TCase Cases[] = {
    // Step 1
    {"setting", TFile::Scenario, "/scenario", "currency_symbol", "TScenarioEditorForm",
     "CurrencySymbolEdit", ""},
    {"nested setting", TFile::Scenario, "/scenario/leader/institution", "", "TScenarioEditorForm",
     "ElectedInstitutionEdit", ""},
    {"day name", TFile::Scenario, "/scenario", "pollresults_day", "TScenarioEditorForm",
     "PollResultsDayComboBox", ""},
    {"initial economy", TFile::Scenario, "/scenario/economy/initial", "", "TScenarioEditorForm",
     "InitialEconomyComboBox", ""},
    {"economic target", TFile::Scenario, "/scenario/economy/targets/target[2]", "chance",
     "TEconomyEditorForm", "ChanceEdit", "TargetsListBox=Fishing Slump"},
    {"interviewer", TFile::Scenario, "/scenario/interviewers/interviewer[2]", "stance",
     "TInterviewerEditorForm", "StanceComboBox", "InterviewersListBox=Cassia Wendt"},
    {"gone interviewer", TFile::Scenario, "/scenario/interviewers/interviewer[2]", "name",
     "TInterviewerEditorForm", "InterviewersListBox", "InterviewersListBox=Oren Balfry", Gone<0>},
    {"general debate", TFile::Scenario, "/scenario/debates/general_election/debate[2]/language", "",
     "TDebatesEditorForm", "LanguageComboBox", "DebatesListBox=Viceleader - 09/29/2008"},
    {"setting in another file", TFile::Percentages, "/percentages/universal_alienated", "",
     "TScenarioEditorForm", "UniversalAlienatedEdit", ""},
    {"button of a list that is gone", TFile::Scenario, "/scenario/interviewers", "",
     "TScenarioEditorForm", "NameEdit", "",
     [](TElementTarget& target) {
         TXmlNode* root = target.Element->Parent();
         target.Element = root;
         root->RemoveChild(root->GetChild("interviewers"));
     }},
    // Step 2
    {"issue name", TFile::Issues, "/issues/issue[2]", "name", "TIssueEditorForm", "NameEdit",
     "IssuesListBox=Integrity"},
    {"position", TFile::Issues, "/issues/issue[5]/positions/position[3]", "description",
     "TIssueEditorForm", "PositionDescriptionMemo", "IssuePositionsListBox=Center-Left"},
    {"position without a control", TFile::Issues,
     "/issues/issue[5]/positions/position[6]/fundraising", "", "TIssueEditorForm",
     "IssuePositionsListBox", "IssuePositionsListBox=Right"},
    {"issue picture", TFile::Issues, "/issues/issue[5]/picture", "", "TIssueEditorForm",
     "ChangeImageButton", "IssuesListBox=Taxes"},
    // Step 3
    {"nation", TFile::PoliticalUnits, "/political_units/political_unit", "motto",
     "TPoliticalUnitEditorForm", "MottoEdit", "RegionsListBox="},
    {"region", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/"
     "political_unit[2]",
     "abbreviation", "TPoliticalUnitEditorForm", "AbbreviationEdit", "RegionsListBox=Brenvale"},
    {"gone region", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[2]", "abbreviation",
     "TPoliticalUnitEditorForm", "RegionsListBox", "", Gone<0>},
    {"capital", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[3]/capital", "",
     "TPoliticalUnitEditorForm", "CapitalEdit", "RegionsListBox=Merrowdene", nullptr, nullptr,
     SelectsTheArea},
    {"city", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[1]/cities/city[2]", "",
     "TPoliticalUnitEditorForm", "CitiesListBox", "CitiesListBox=Hollin"},
    {"electoral votes", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[1]/election_events/event/"
     "seat/number",
     "", "TPoliticalUnitEditorForm", "SeatsNumberEdit", "RegionsListBox=Aldmoor"},
    {"region's percentages", TFile::Percentages, "/percentages/political_units/political_unit[1]",
     "", "TPoliticalUnitEditorForm", "RegionsListBox", "RegionsListBox=Aldmoor"},
    {"issue centre", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[1]/issue_centers/issue[5]",
     "center", "TIssueCentersForm", "CenterTrackBar1", "RegionsListBox=Aldmoor"},
    {"issue centre of a gone region", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[1]/issue_centers/issue[5]",
     "center", "TPoliticalUnitEditorForm", "RegionsListBox", "", Gone<0>},
    {"national profile", TFile::PoliticalUnits,
     "/political_units/political_unit/issue_centers/issue[3]", "initial_generalelection_profile",
     "TIssueCentersForm", "AttributeGeneralProfileComboBox", "IssuesListBox=Experience"},
    // Step 5
    {"leader field", TFile::Parties, "/parties/party[2]/leaders/leader[1]", "age",
     "TPartiesEditorForm>TPartyEditForm>TPartyLeaderVeepEditorForm>TLeaderEditForm", "AgeEdit",
     "PartiesListBox#1|LeadersListBox#0"},
    {"parties list", TFile::Parties, "/parties", "", "TPartiesEditorForm", "PartiesListBox",
     "PartiesListBox=Civic Union"},
    {"gone party", TFile::Parties, "/parties/party[3]", "funds", "TPartiesEditorForm",
     "PartiesListBox", "", Gone<0>},
    {"party field", TFile::Parties, "/parties/party[3]", "funds", "TPartyEditForm", "FundsEdit",
     ""},
    {"convention host", TFile::Parties, "/parties/party[1]/convention", "political_unit",
     "TPartyEditForm", "LocationComboBox", ""},
    {"second ad credit", TFile::Parties, "/parties/party[1]/advertising/ad_credits/ad[2]",
     "credits", "TPartyEditForm", "CreditsEdit", ""},
    {"ad credits list", TFile::Parties, "/parties/party[1]/advertising/ad_credits", "ad",
     "TPartyEditForm", "SelectedAdsListBox", ""},
    {"primaries debate", TFile::Scenario, "/scenario/debates/primaries/party[1]/debate[2]", "date",
     "TDebatesEditorForm", "DateTimePicker", "DebatesListBox#1"},
    {"candidates", TFile::Parties, "/parties/party[1]/leaders", "", "TPartyLeaderVeepEditorForm",
     "LeadersListBox", ""},
    {"gone leader", TFile::Parties, "/parties/party[1]/leaders/leader[2]", "age",
     "TPartyLeaderVeepEditorForm", "LeadersListBox", "", Gone<1>},
    {"vice-leader pool", TFile::Parties, "/parties/party[1]/viceleaders", "",
     "TPartyLeaderVeepEditorForm", "VeepsListBox", ""},
    {"vice-leader", TFile::Parties, "/parties/party[1]/viceleaders/viceleader[2]", "age",
     "TVeepEditForm", "AgeEdit", ""},
    {"region bonuses list", TFile::Parties,
     "/parties/party[1]/leaders/leader[1]/percentage_bonuses", "political_unit", "TLeaderEditForm",
     "RegionBonusListBox", ""},
    {"leader without running mates", TFile::Parties, "/parties/party[1]/leaders/leader[2]",
     "viceleaders", "TLeaderEditForm", "VeepsButton", ""},
    {"leader gender", TFile::Parties, "/parties/party[1]/leaders/leader[2]", "sex",
     "TLeaderEditForm", "GenderComboBox", ""},
    {"leader rating", TFile::Parties, "/parties/party[1]/leaders/leader[1]/attributes", "charisma",
     "TLeaderEditForm", "CharismaEdit", ""},
    {"region bonus", TFile::Parties,
     "/parties/party[1]/leaders/leader[1]/percentage_bonuses/political_unit[2]", "bonus",
     "TLeaderEditForm", "RegionBonusEdit", "RegionBonusListBox=Brenvale"},
    {"party platform", TFile::Parties, "/parties/party[1]/platform/issue[3]", "",
     "TPlatformEditorForm", "PositionTrackBar3", ""},
    {"leader platform", TFile::Parties, "/parties/party[1]/leaders/leader[1]/platform/issue[2]", "",
     "TPlatformEditorForm", "PositionTrackBar2", ""},
    {"running mate", TFile::Parties,
     "/parties/party[1]/leaders/leader[1]/viceleaders/viceleader[2]", "", "TSelectVeepsForm",
     "SelectedViceLeadersListBox", "SelectedViceLeadersListBox=Rupert Cray"},
    {"crusader", TFile::Parties, "/parties/party[1]/leaders/leader[1]/crusaders/crusader[2]",
     "base_power", "TCrusadersEditorForm", "BasePowerEdit", "CrusadersListBox=Liesl Marrow"},
    {"party percentages", TFile::Percentages,
     "/percentages/political_units/political_unit[2]/parties/party[1]/general_election",
     "committed", "TPercentagesEditorForm", "CommittedPercentageEdit", "RegionsListBox=Brenvale"},
    {"leader percentages", TFile::Percentages,
     "/percentages/political_units/political_unit[2]/parties/party[1]/primaries/leaders/"
     "leader[2]",
     "leaning", "TPercentagesEditorForm", "LeaningPercentageEdit", "RegionsListBox=Brenvale"},
    {"relation", TFile::Relations, "/relations/leaders/relation[3]", "",
     "TPartyRelationsEditorForm", "RelationsListBox",
     "RelationsListBox=Odile Varenne <----> Tobias Wrenfield : Normal"},
    {"offer switch", TFile::Relations, "/relations", "endorsement_offers",
     "TPartyRelationsEditorForm", "EndorsementCheckBox", ""},
    {"primary event", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[2]/election_events/event[3]",
     "profile_bonus", "TElectionEventsEditorForm", "BonusEdit", "RegionsListBox=Brenvale"},
    {"primary event type", TFile::PoliticalUnits,
     "/political_units/political_unit/political_units/political_unit[2]/election_events/event[3]",
     "type", "TElectionEventsEditorForm", "TypeComboBox", "RegionsListBox=Brenvale"},
    // Step 4
    {"ad quality", TFile::Ads, "/ads/ad[2]/ad_qualities/quality[3]", "budget", "TAdEditorForm",
     "BudgetEdit", "AdsListBox#1|AdQualitiesListBox#2|BudgetEdit=@"},
    {"ad field", TFile::Ads, "/ads/ad[3]", "turns_to_cancel", "TAdEditorForm", "TurnsToCancelEdit",
     "AdsListBox#2"},
    {"ad field without a control", TFile::Ads, "/ads/ad[2]", "universal_distribution",
     "TAdEditorForm", "AdsListBox", "AdsListBox#1"},
    {"gone ad", TFile::Ads, "/ads/ad[2]", "base_power", "TAdEditorForm", "AdsListBox",
     "AdsListBox#0", Gone<0>},
    // Step 6
    {"headline", TFile::Events,
     "/events/random_events/simple_issue_events/issue[2]/headlines/headline[3]", "",
     "TEventsEditorForm>TSimpleEventEditorForm", "HeadlinesListBox",
     "EventsListBox#1|HeadlinesListBox#2"},
    {"simple event's issue", TFile::Events, "/events/random_events/simple_issue_events/issue[4]",
     "id", "TEventsEditorForm>TSimpleEventEditorForm", "IssuesComboBox", "EventsListBox#3"},
    {"scripted event", TFile::Events, "/events/scripted_events/event[2]", "chance_occurs",
     "TEventsEditorForm>TScriptedEventsEditorForm", "ChanceEdit", "EventsListBox#1"},
    {"condition", TFile::Events, "/events/scripted_events/event[3]/conditions/condition[4]",
     "event", "TEventsEditorForm>TScriptedEventsEditorForm>TEventConditionBuilderForm",
     "ConditionsListBox", "TScriptedEventsEditorForm.EventsListBox#2|ConditionsListBox#3"},
    {"outcome", TFile::Events, "/events/scripted_events/event[1]/outcomes/outcome[2]",
     "momentum_change", "TEventsEditorForm>TScriptedEventsEditorForm>TEventOutcomeBuilderForm",
     "MomentumChangeEdit", "OutcomesListBox#1"},
    {"effect", TFile::Events, "/events/scripted_events/event[1]/outcomes/outcome[2]/effects/leader",
     "leader", "TEventOutcomeBuilderForm", "EffectsListBox", "OutcomesListBox#1|EffectsListBox#2"},
    // Showing the outcome drops its effects on deleted items, this one too.
    {"effect the builder drops", TFile::Events,
     "/events/scripted_events/event[1]/outcomes/outcome[2]/effects/leader", "leader",
     "TEventOutcomeBuilderForm", "EffectsListBox", "OutcomesListBox#1", nullptr,
     [](TScenarioData& data) {
         ElementTargets::Resolve(data, TFile::Events,
                                 "/events/scripted_events/event[1]/outcomes/outcome[2]/effects/"
                                 "leader")
             ->SetAttribute("id", "gone");
     },
     nullptr, true},
    {"the file's lists", TFile::Events, "/events", "scripted_events", "TEventsEditorForm",
     "ScriptedEventsListBox", ""},
    {"gone event", TFile::Events, "/events/scripted_events/event[1]/outcomes/outcome[2]", "chance",
     "TEventsEditorForm>TScriptedEventsEditorForm", "EventsListBox", "", Gone<0>},
    // Step 7
    {"endorser", TFile::Endorsers, "/endorsers/endorser[3]", "pp_effect", "TEndorserEditorForm",
     "PIPEffectEdit", "EndorserListBox#2"},
    {"endorser's stance", TFile::Endorsers, "/endorsers/endorser[2]/leader_stance/leader",
     "initial_stance", "TEndorserEditorForm", "LeaderStanceComboBox", "EndorserListBox#1"},
    {"endorser's party", TFile::Endorsers, "/endorsers/endorser[1]/party_stance", "party",
     "TEndorserEditorForm", "PartiesComboBox", ""},
    {"endorser's issue", TFile::Endorsers, "/endorsers/endorser[1]/issues", "issue",
     "TEndorserEditorForm", "IssuesComboBox", ""},
    {"endorser's region", TFile::Endorsers,
     "/endorsers/endorser[1]/political_units_affected/political_unit[2]", "footsoldiers",
     "TEndorserEditorForm", "FootsoldierEdit",
     "SelectedRegionsListBox=Quen Isles|FootsoldierEdit=@"},
    {"national endorser's regions", TFile::Endorsers,
     "/endorsers/endorser[2]/political_units_affected", "political_unit", "TEndorserEditorForm",
     "NationalEndorserCheckBox", ""},
    {"gone endorser", TFile::Endorsers, "/endorsers/endorser[3]", "name", "TEndorserEditorForm",
     "EndorserListBox", "EndorserListBox#0", Gone<0>},
    // Step 8
    {"activity", TFile::Activities, "/activities/leaders/activity[3]", "cost",
     "TActivitiesEditorForm", "CostEdit", "ActivitiesListBox#2"},
    {"vice-leaders' activity", TFile::Activities, "/activities/viceleaders/activity[2]", "picture",
     "TActivitiesEditorForm", "ChangePictureButton", "ActivitiesListBox#9"},
    {"activity field without a control", TFile::Activities, "/activities/viceleaders/activity[2]",
     "chance_backfire", "TActivitiesEditorForm", "ActivitiesListBox", "ActivitiesListBox#9"},
    {"gone activity", TFile::Activities, "/activities/leaders/activity[3]", "cost",
     "TActivitiesEditorForm", "ActivitiesListBox", "ActivitiesListBox#0", Gone<0>},
};

// What of shows differs from the expectations of c.
QStringList Faults(const TCase& c, const TShown& shown, const TElementTarget& target) {
    QStringList faults;
    const QString windows = QString::fromLatin1(c.Windows);
    const QString seen = windows.contains(QLatin1Char('>'))
                             ? shown.Windows.join(QLatin1Char('>'))
                             : shown.Windows.value(shown.Windows.size() - 1);
    if (seen != windows)
        faults << QStringLiteral("windows %1").arg(shown.Windows.join(QLatin1Char('>')));
    if (shown.Focus != QLatin1String(c.Focus))
        faults << QStringLiteral("focus on %1").arg(shown.Focus);
    const QString shows = QString::fromLatin1(c.Shows);
    for (const QString& expected : shows.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype row = expected.indexOf(QLatin1Char('#'));
        const qsizetype text = expected.indexOf(QLatin1Char('='));
        const QString control = expected.left(row >= 0 ? row : text);
        QString want = expected.mid((row >= 0 ? row : text) + 1);
        QString got;
        if (row >= 0)
            got = shown.Row.contains(control) ? QString::number(shown.Row.value(control))
                                              : QStringLiteral("no list");
        else
            got = shown.Text.value(control, QStringLiteral("no control"));
        if (want == QLatin1String("@"))
            want = QString::fromStdString(GuiTest::Text(target.Element, target.Field));
        if (got != want)
            faults << QStringLiteral("%1 shows %2, not %3").arg(control, got, want);
    }
    return faults;
}

} // namespace

class AllFormsAtElementTest : public GuiTest::TEditorTest {
    Q_OBJECT

private slots:
    void OpensTheWindowsEntriesAndField_data() {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < std::size(Cases); ++i)
            QTest::newRow(Cases[i].Name) << static_cast<int>(i);
    }

    void OpensTheWindowsEntriesAndField() {
        QFETCH(int, index);
        const TCase& c = Cases[index];
        if (c.SetUp)
            c.SetUp(Data());
        TXmlNode* element = ElementTargets::Resolve(Data(), c.File, c.Path);
        QVERIFY2(element, c.Path);
        TElementTarget target = ElementTargets::Find(Data(), element, c.Field);
        QVERIFY(target.Found());
        if (c.Adjust)
            c.Adjust(target);
        const StepEditors::TOpenAtElement* open = StepEditors::FindAtElement(target.Step);
        QVERIFY(open);
        QVERIFY(StepEditors::Find(target.Step));
        const auto before = TestScenario::DocumentTexts(Data());
        const QString windows = QString::fromLatin1(c.Windows);
        TShown shown;
        QString own;
        GuiTest::WhenOnTop([&] { (*open)(Data(), nullptr, target); },
                           windows.split(QLatin1Char('>')).last(),
                           [&](QWidget* top) {
                               shown = Look(top);
                               if (c.Check)
                                   own = c.Check(top, target);
                           },
                           QString::fromLatin1(c.Focus));
        QStringList faults = Faults(c, shown, target);
        if (!own.isEmpty())
            faults << own;
        if (!c.Writes && (TestScenario::DocumentTexts(Data()) != before || Data().Changed()))
            faults << QStringLiteral("showing wrote");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(AllFormsAtElementTest)
#include "AllFormsAtElementTest.moc"
