#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "editors/content/TEventsEditorForm.h"
#include "editors/content/TScriptedEventsEditorForm.h"
#include "editors/content/TSimpleEventEditorForm.h"
#include "guisupport/EditorTest.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

namespace {

using namespace GuiTest;

QStringList Lines(QWidget* form, const char* list) {
    return Entries(Find<QListWidget>(form, list));
}

QStringList Items(QWidget* form, const char* combo) {
    return Entries(Find<QComboBox>(form, combo));
}

void Choose(QWidget* form, const char* combo, const QString& text) {
    GuiTest::Choose(Find<QComboBox>(form, combo), text);
}

std::string Name(const TXmlNode* person) {
    return Text(person, "firstname") + " " + Text(person, "lastname");
}

} // namespace

class EventEditorsTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Scripted() { return Data().Events()->GetChild("scripted_events"); }
    TXmlNode* Simple() {
        return Data().Events()->GetChild("random_events")->GetChild("simple_issue_events");
    }
    std::string EventsText() { return Data().Document(TScenarioFile::Events).ToText(); }
    void SetEvents(const std::string& text) {
        QVERIFY(Data().Document(TScenarioFile::Events).Parse(text));
    }
    std::string IssueId(int index) {
        return Data().Issues()->GetChildAt(index)->AttributeValue("id");
    }
    std::string IssueName(int index) { return Text(Data().Issues()->GetChildAt(index), "name"); }
    TXmlNode* Party(int index) { return Data().Parties()->GetChildAt(index); }
    TXmlNode* Leader(int party, int index) {
        return Party(party)->GetChild("leaders")->GetChildAt(index);
    }

private slots:

    void HubListsBothKindsAndRebuildsAfterAnEditor() {
        SetEvents("<events><random_events on=\"1\"><simple_issue_events>"
                  "<issue id=\"" +
                  IssueId(1) +
                  "\"><headlines/></issue>"
                  "<issue id=\"gone\"><headlines/></issue></simple_issue_events></random_events>"
                  "<scripted_events><event id=\"e1\"><name>Flood</name></event>"
                  "<event id=\"e2\"></event></scripted_events></events>");
        auto& hub = Open<TEventsEditorForm>();
        QCOMPARE(Lines(&hub, "SimpleEventsListBox"),
                 (QStringList{QString::fromStdString(IssueName(1)), "Issue not found : gone"}));
        // An event without a name is given its id as name.
        QCOMPARE(Lines(&hub, "ScriptedEventsListBox"), (QStringList{"Flood", "e2"}));

        QCOMPARE(WhileModal([&] { Click(&hub, "ScriptedEventsButton"); },
                            [](QWidget* editor) { Click(editor, "NewButton"); }),
                 QStringLiteral("TScriptedEventsEditorForm"));
        QCOMPARE(Lines(&hub, "ScriptedEventsListBox"), (QStringList{"Flood", "e2", "New Event"}));
        QCOMPARE(WhileModal([&] { Click(&hub, "SimpleEventsButton"); },
                            [](QWidget* editor) { Click(editor, "RemoveButton"); }),
                 QStringLiteral("TSimpleEventEditorForm"));
        QCOMPARE(Lines(&hub, "SimpleEventsListBox"), QStringList{"Issue not found : gone"});
    }

    void SimpleEventsWithTheirIssuesAndHeadlines() {
        auto& form = Open<TSimpleEventEditorForm>();
        auto* events = C<QListWidget>("EventsListBox");
        auto* headlines = C<QListWidget>("HeadlinesListBox");
        auto* memo = C<QPlainTextEdit>("HeadlineMemo");
        const int sampleEvents = Simple()->ChildCount();
        QVERIFY(sampleEvents >= 2);
        QCOMPARE(events->count(), sampleEvents);
        QCOMPARE(events->currentRow(), 0);
        TXmlNode* first = Simple()->GetChildAt(0);
        const int firstHeadlines = first->GetChild("headlines")->ChildCount();
        QCOMPARE(headlines->count(), firstHeadlines);
        QCOMPARE(headlines->item(0)->text(),
                 QString::fromStdString(first->GetChild("headlines")->GetChildAt(0)->GetText()));
        QCOMPARE(C<QComboBox>("IssuesComboBox")->currentText(), events->item(0)->text());

        // Choosing an issue moves the event and renames its line.
        Choose(&form, "IssuesComboBox", QString::fromStdString(IssueName(2)));
        QCOMPARE(first->AttributeValue("id"), IssueId(2));
        QCOMPARE(events->item(0)->text(), QString::fromStdString(IssueName(2)));

        // The whole headline is the list's hint.
        headlines->setCurrentRow(1);
        QCOMPARE(headlines->toolTip(), headlines->item(1)->text());

        // Add shows the headline made from the memo, which keeps its text;
        // what is made of which text: EventsEdit.SimpleEventsNeedAHeadline.
        Type(memo, QStringLiteral("  Harbour strike ends  "));
        Click(&form, "AddHeadlineButton");
        QCOMPARE(headlines->count(), firstHeadlines + 1);
        QCOMPARE(headlines->currentRow(), firstHeadlines);
        QCOMPARE(headlines->currentItem()->text(), QStringLiteral("Harbour strike ends"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("  Harbour strike ends  "));

        // With the first removed none is selected, and the hint goes too.
        headlines->setCurrentRow(0);
        Click(&form, "RemoveHeadlineButton");
        QCOMPARE(headlines->toolTip(), QString());

        // New is about the first issue and has no headlines yet.
        Click(&form, "NewButton");
        QCOMPARE(events->count(), sampleEvents + 1);
        QCOMPARE(events->currentRow(), sampleEvents);
        QCOMPARE(events->currentItem()->text(), QString::fromStdString(IssueName(0)));
        QCOMPARE(headlines->count(), 0);
    }

    void RandomSwitchWritesOnlyWhenClicked() {
        const std::string issue = "<issue id=\"" + IssueId(0) + "\"><headlines/></issue>";
        for (const char* on : {"", " on=\"yes\"", " on=\"2\""}) {
            Close(); // before its documents go
            SetEvents(std::string("<events><random_events") + on + "><simple_issue_events>" +
                      issue + "</simple_issue_events></random_events></events>");
            const std::string before = EventsText();
            Open<TSimpleEventEditorForm>();
            auto* random = C<QCheckBox>("RandomCheckBox");
            QCOMPARE(random->isChecked(), std::string(on) == " on=\"2\"");
            QCOMPARE(EventsText(), before);
            random->click();
            QCOMPARE(Data().Events()->GetChild("random_events")->AttributeValue("on"),
                     std::string(random->isChecked() ? "1" : "0"));
            random->click();
            QCOMPARE(Data().Events()->GetChild("random_events")->AttributeValue("on"),
                     std::string(random->isChecked() ? "1" : "0"));
        }
        // The issue combo shows nothing for an event whose issue is gone.
        Close();
        SetEvents("<events><random_events on=\"1\"><simple_issue_events><issue id=\"x9\">"
                  "<headlines/></issue></simple_issue_events></random_events></events>");
        auto& form = Open<TSimpleEventEditorForm>();
        QCOMPARE(Lines(&form, "EventsListBox"), QStringList{"Issue not found : x9"});
        QCOMPARE(C<QComboBox>("IssuesComboBox")->currentIndex(), -1);
    }

    void ScriptedEventsAndTheirFields() {
        auto& form = Open<TScriptedEventsEditorForm>();
        auto* events = C<QListWidget>("EventsListBox");
        const int count = Scripted()->ChildCount();
        QCOMPARE(events->count(), count);
        QCOMPARE(events->currentRow(), 0);
        TXmlNode* first = Scripted()->GetChildAt(0);
        const QString faults = BindingFaults(&form, first,
                                             {{"NameEdit", "name"},
                                              {"StartDateTimePicker", "start_date"},
                                              {"EndDateTimePicker", "end_date"},
                                              {"TimesCanOccurEdit", "times_can_occur"},
                                              {"ChanceEdit", "chance_occurs"},
                                              {"WillOccurCheckBox", "will_occur"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        Type(C<QLineEdit>("NameEdit"), QStringLiteral("Mill Closure"));
        QCOMPARE(Text(first, "name"), std::string("Mill Closure"));
        QCOMPARE(events->item(0)->text(), QStringLiteral("Mill Closure"));

        // New shows the new event (what it holds, and that it verifies:
        // EventsEdit.NewScriptedEventRunsTodayAndItsOutcomeNeedsAnEffect).
        Click(&form, "NewButton");
        QCOMPARE(events->count(), count + 1);
        QCOMPARE(events->currentRow(), count);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("New Event"));
        QCOMPARE(C<QDateEdit>("StartDateTimePicker")->date(), QDate::currentDate());

        // Without a selection the builders do not open.
        events->setCurrentRow(-1);
        Click(&form, "ConditionsButton");
        Click(&form, "OutcomesButton");
    }

    void StoredValuesAreShownAsTheyAre() {
        SetEvents("<events><scripted_events><event id=\"e1\"><name>Odd</name>"
                  "<start_date>someday</start_date><end_date>01/02/2008</end_date>"
                  "<times_can_occur>1</times_can_occur><will_occur>2</will_occur>"
                  "<chance_occurs>5</chance_occurs><conditions/><outcomes><outcome>"
                  "<chance>5</chance><profile_change>0</profile_change>"
                  "<chance_issue_center_moves>0</chance_issue_center_moves>"
                  "<distance_issue_center_moves>0</distance_issue_center_moves>"
                  "<target_issue_center>0</target_issue_center><momentum_change>0</momentum_change>"
                  "<headline>" +
                  std::string(300, 'h') +
                  "</headline><issue_affected id=\"-1\"/>"
                  "<effects/></outcome></outcomes></event></scripted_events></events>");
        const std::string before = EventsText();
        {
            Open<TScriptedEventsEditorForm>();
            QVERIFY(C<QCheckBox>("WillOccurCheckBox")->isChecked());
            QCOMPARE(C<QDateEdit>("StartDateTimePicker")->text().trimmed(), QString());
        }
        // The headline is longer than its memo takes: typing cannot lengthen it (shown
        // whole and shortened by a deletion: AllFormsTest.LongStoredTexts...).
        auto& builder = Open<TEventOutcomeBuilderForm>(Scripted()->GetChildAt(0));
        QCOMPARE(Find<QLineEdit>(&builder, "TargetCenterEdit")->text(), QStringLiteral("0"));
        auto* memo = Find<QPlainTextEdit>(&builder, "HeadlineMemo");
        QCOMPARE(EventsText(), before);
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("xy"));
        QCOMPARE(EventsText(), before);
    }

    void FieldsAnEventLacksAreAddedWhereTheyBelongOnFirstEdit() {
        TXmlNode* event = Scripted()->GetChildAt(0);
        QString faults = GuiTest::EditsAddMissingFields(
            event, {"times_can_occur", "will_occur"},
            [&] { return std::make_unique<TScriptedEventsEditorForm>(Data()); },
            {"TimesCanOccurEdit", "WillOccurCheckBox"});
        faults += GuiTest::EditsAddMissingFields(
            event->GetChild("outcomes")->GetChildAt(0), {"profile_change"},
            [&] { return std::make_unique<TEventOutcomeBuilderForm>(Data(), event); },
            {"ProfileChangeEdit"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    void ConditionBuilderListsAndAddsConditions() {
        TXmlNode* first = Scripted()->GetChildAt(0);
        TXmlNode* second = Scripted()->GetChildAt(1);
        TXmlNode* conditions = first->GetChild("conditions");
        const int sampleConditions = conditions->ChildCount();
        // A condition of a type no editor writes (the other lines:
        // EventsEdit.ConditionsAndTheirLines).
        TXmlNode* odd = conditions->AddNewChild("condition");
        odd->SetAttribute("type", "Who");
        odd->AddNewChild("leader")->SetAttribute("id", "l7");

        auto& form = Open<TEventConditionBuilderForm>(first);
        QCOMPARE(form.windowTitle(), QStringLiteral("Step 6: %1 Event Conditions")
                                         .arg(QString::fromStdString(Text(first, "name"))));
        QStringList lines = Lines(&form, "ConditionsListBox");
        QCOMPARE(lines.size(), sampleConditions + 1);
        QCOMPARE(lines.last(), QStringLiteral("Unknown condition : Who (leader l7)"));
        QCOMPARE(C<QComboBox>("TypeComboBox")->currentIndex(), -1);

        // Who is offered: EventsEdit.NameListsComeFromThePools.
        Choose(&form, "TypeComboBox", QStringLiteral("Leader"));
        QCOMPARE(Items(&form, "NameComboBox").front(), QString::fromStdString(Name(Leader(0, 0))));
        QVERIFY(Items(&form, "ConditionComboBox").isEmpty());
        // No condition word chosen yet: Add does nothing.
        C<QComboBox>("NameComboBox")->setCurrentIndex(0);
        QCOMPARE(Items(&form, "ConditionComboBox"), (QStringList{"Exists", "Does Not Exist"}));
        Click(&form, "AddButton");
        QCOMPARE(conditions->ChildCount(), sampleConditions + 1);
        Choose(&form, "ConditionComboBox", QStringLiteral("Does Not Exist"));
        Click(&form, "AddButton");
        QCOMPARE(conditions->ChildCount(), sampleConditions + 2);
        const TXmlNode* added = conditions->GetChildAt(sampleConditions + 1);
        QCOMPARE(added->AttributeValue("type"), std::string("not_who"));
        QCOMPARE(added->GetChildAt(0)->AttributeValue("id"), Leader(0, 0)->AttributeValue("id"));
        QCOMPARE(Lines(&form, "ConditionsListBox").last(),
                 QString::fromStdString(Name(Leader(0, 0))) + " Does Not Exist");
        QCOMPARE(C<QComboBox>("TypeComboBox")->currentIndex(), -1);
        QVERIFY(Items(&form, "NameComboBox").isEmpty());

        Choose(&form, "TypeComboBox", QStringLiteral("Event"));
        QVERIFY(
            !Items(&form, "NameComboBox").contains(QString::fromStdString(Text(first, "name"))));
        Choose(&form, "NameComboBox", QString::fromStdString(Text(second, "name")));
        QCOMPARE(Items(&form, "ConditionComboBox"),
                 (QStringList{"Event Has Occurred", "Event Has Not Occurred"}));
        Choose(&form, "ConditionComboBox", QStringLiteral("Event Has Occurred"));
        Click(&form, "AddButton");
        added = conditions->GetChildAt(sampleConditions + 2);
        QCOMPARE(added->AttributeValue("type"), std::string("event_occurred"));
        QCOMPARE(added->GetChildAt(0)->AttributeValue("id"), second->AttributeValue("id"));
    }

    void OutcomeBuilderShowsAndTidiesEffects() {
        // The lines of the effects: EventsEdit.EffectLinesAndDanglingEffects.
        TXmlNode* event = Scripted()->GetChildAt(0);
        TXmlNode* outcome = event->GetChild("outcomes")->GetChildAt(0);
        TXmlNode* effects = outcome->GetChild("effects");

        auto& form = Open<TEventOutcomeBuilderForm>(event);
        QCOMPARE(form.windowTitle(), QStringLiteral("Step 6: %1 Event Outcomes")
                                         .arg(QString::fromStdString(Text(event, "name"))));
        QCOMPARE(Lines(&form, "OutcomesListBox").size(), event->GetChild("outcomes")->ChildCount());
        QCOMPARE(C<QListWidget>("OutcomesListBox")->currentRow(), 0);
        const QString faults =
            BindingFaults(&form, outcome, {{"ChanceEdit", "chance"}, {"HeadlineMemo", "headline"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QCOMPARE(Lines(&form, "EffectsListBox").size(), effects->ChildCount());

        // Another issue drops the position effects at once (which ones:
        // EventsEdit.ChangingTheAffectedIssueDropsThePositionsThatLeft).
        QVERIFY(effects->GetChild("issue_position"));
        int other = 0;
        while (IssueId(other) == outcome->GetChild("issue_affected")->AttributeValue("id") ||
               Text(Data().Issues()->GetChildAt(other), "type") != "attribute")
            ++other;
        C<QComboBox>("IssueAffectedComboBox")->setCurrentIndex(other);
        QVERIFY(!effects->GetChild("issue_position") && effects->GetChild("party"));
        QCOMPARE(Lines(&form, "EffectsListBox").size(), effects->ChildCount());
        // An attribute offers no positions.
        Choose(&form, "EffectTypeComboBox", QStringLiteral("Issue Position"));
        QVERIFY(Items(&form, "NameComboBox").isEmpty());
        QCOMPARE(Items(&form, "RewardTypeComboBox"), QStringList{"Momentum"});

        // A removed party's effects vanish when the outcome is shown again.
        const std::string partyId = effects->GetChild("party")->AttributeValue("id");
        TXmlNode* party = Data().Parties()->FindChild("party", "id", partyId);
        Data().Parties()->RemoveChild(party);
        C<QListWidget>("OutcomesListBox")->setCurrentRow(1);
        C<QListWidget>("OutcomesListBox")->setCurrentRow(0);
        QVERIFY(!effects->FindChild("party", "id", partyId));
        QCOMPARE(Lines(&form, "EffectsListBox").size(), effects->ChildCount());
    }

    void EffectsNeedANameAndARewardWord() {
        TXmlNode* event = Scripted()->GetChildAt(0);
        auto& form = Open<TEventOutcomeBuilderForm>(event);
        Click(&form, "NewButton");
        TXmlNode* outcome =
            event->GetChild("outcomes")->GetChildAt(event->GetChild("outcomes")->ChildCount() - 1);
        QCOMPARE(C<QLineEdit>("TargetCenterEdit")->text(), QStringLiteral("4"));
        QCOMPARE(Lines(&form, "OutcomesListBox").last(), QStringLiteral("New Event Outcome"));
        Type(C<QPlainTextEdit>("HeadlineMemo"), QStringLiteral("Mill saved"));
        QCOMPARE(Lines(&form, "OutcomesListBox").last(), QStringLiteral("Mill saved"));
        Type(C<QLineEdit>("TargetCenterEdit"), QStringLiteral("9"));
        QCOMPARE(Text(outcome, "target_issue_center"), std::string("7"));

        TXmlNode* effects = outcome->GetChild("effects");
        Click(&form, "AddEffectButton"); // no type, no name
        Choose(&form, "EffectTypeComboBox", QStringLiteral("Party"));
        Click(&form, "AddEffectButton"); // no name
        C<QComboBox>("NameComboBox")->setCurrentIndex(0);
        C<QComboBox>("RewardTypeComboBox")->setCurrentIndex(-1);
        Click(&form, "AddEffectButton"); // no reward word
        QCOMPARE(effects->ChildCount(), 0);
        QVERIFY(Lines(&form, "EffectsListBox").isEmpty());
        Choose(&form, "RewardTypeComboBox", QStringLiteral("Financial"));
        Type(C<QLineEdit>("MomentumEffectEdit"), QStringLiteral("-5"));
        Click(&form, "AddEffectButton");
        QCOMPARE(effects->ChildCount(), 1);
        QCOMPARE(Lines(&form, "EffectsListBox"),
                 QStringList{QString::fromStdString(Text(Party(0), "name")) + " : Financial (-5)"});
        // The effect boxes start over.
        QCOMPARE(C<QComboBox>("EffectTypeComboBox")->currentIndex(), -1);
        QVERIFY(Items(&form, "NameComboBox").isEmpty());
        QVERIFY(Items(&form, "RewardTypeComboBox").isEmpty());
        QCOMPARE(C<QLineEdit>("MomentumEffectEdit")->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(EventEditorsTest)
#include "EventEditorsTest.moc"
