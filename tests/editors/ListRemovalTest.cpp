// Remove in any list of the editors does nothing when its question is declined, selects the
// entry before, shows it, and with none left edits nothing.
#include "app/ControlBinding.h"
#include "app/Prompts.h"
#include "editors/content/TAdEditorForm.h"
#include "editors/content/TEndorserEditorForm.h"
#include "editors/content/TEventConditionBuilderForm.h"
#include "editors/content/TEventOutcomeBuilderForm.h"
#include "editors/content/TScriptedEventsEditorForm.h"
#include "editors/content/TSimpleEventEditorForm.h"
#include "editors/parties/TCrusadersEditorForm.h"
#include "editors/parties/TPartiesEditorForm.h"
#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "editors/parties/TPartyRelationsEditorForm.h"
#include "editors/world/TDebatesEditorForm.h"
#include "editors/world/TEconomyEditorForm.h"
#include "editors/world/TInterviewerEditorForm.h"
#include "guisupport/FormChecks.h"
#include "guisupport/ScenarioCopy.h"
#include "scenario/ElementTargets.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Answers every question with Yes (or Ok), as a designer sure of a removal,
// or with No while Agree is off, and keeps the questions as "title: text".
class TAgreeingPrompts : public TDecliningPrompts {
public:
    QStringList Asked;
    bool Agree = true;
    TPromptAnswer Message(const QString& title, const QString& text,
                          TPromptButtons buttons) override {
        if (buttons == TPromptButtons::Ok)
            return TPromptAnswer::Ok;
        Asked << title + QStringLiteral(": ") + text;
        return Agree ? TPromptAnswer::Yes : TPromptAnswer::No;
    }
};

// Opens a form on the documents; items is the element whose children its list shows.
using TOpen = std::unique_ptr<QWidget> (*)(TScenarioData&, TXmlNode* items);
template <typename TForm> std::unique_ptr<QWidget> Plain(TScenarioData& data, TXmlNode*) {
    return std::make_unique<TForm>(data);
}
// A form on the element up levels above items.
template <typename TForm, int Up>
std::unique_ptr<QWidget> On(TScenarioData& data, TXmlNode* items) {
    for (int level = 0; level < Up; ++level)
        items = items->Parent();
    return std::make_unique<TForm>(data, items);
}
std::unique_ptr<QWidget> GeneralDebates(TScenarioData& data, TXmlNode*) {
    return TDebatesEditorForm::ForGeneralElection(data);
}

// A list with a Remove button: the element whose children it lists, the
// control showing the current entry (if any), where the selection goes when
// the first entry is removed, and what is disabled while none is selected.
struct TRemoval {
    const char* Name;
    TOpen Open;
    TScenarioFile File;
    const char* Items;
    const char* List;
    const char* Button;
    const char* Field;
    int AfterFirst;
    // Separated by spaces: controls disabled and blank, lists emptied.
    const char* Cleared;
    // The question each removal asks ("title: text"), declined once first; none when empty.
    const char* Asks = "";
};

using TFile = TScenarioFile;

const TRemoval Removals[] = {
    {"economic target", Plain<TEconomyEditorForm>, TFile::Scenario, "/scenario/economy/targets",
     "TargetsListBox", "RemoveButton", "NameEdit", -1,
     "NameEdit ChanceEdit TargetEdit SpeedComboBox RemoveButton"},
    {"interviewer", Plain<TInterviewerEditorForm>, TFile::Scenario, "/scenario/interviewers",
     "InterviewersListBox", "RemoveButton", "NameEdit", -1, "StanceComboBox"},
    {"general election debate", GeneralDebates, TFile::Scenario,
     "/scenario/debates/general_election", "DebatesListBox", "RemoveButton", "PercentToQualifyEdit",
     -1, "DateTimePicker RemoveButton"},
    {"simple event", Plain<TSimpleEventEditorForm>, TFile::Events,
     "/events/random_events/simple_issue_events", "EventsListBox", "RemoveButton", nullptr, -1,
     "IssuesComboBox HeadlinesListBox"},
    {"headline", Plain<TSimpleEventEditorForm>, TFile::Events,
     "/events/random_events/simple_issue_events/issue[1]/headlines", "HeadlinesListBox",
     "RemoveHeadlineButton", nullptr, -1, ""},
    {"scripted event", Plain<TScriptedEventsEditorForm>, TFile::Events, "/events/scripted_events",
     "EventsListBox", "RemoveButton", "NameEdit", -1, "DetailsGroup RemoveButton"},
    {"condition", On<TEventConditionBuilderForm, 1>, TFile::Events,
     "/events/scripted_events/event[3]/conditions", "ConditionsListBox", "RemoveButton", nullptr,
     -1, ""},
    {"outcome", On<TEventOutcomeBuilderForm, 1>, TFile::Events,
     "/events/scripted_events/event[1]/outcomes", "OutcomesListBox", "RemoveOutcomeButton",
     "ChanceEdit", -1, "DetailsGroup EffectsGroup EffectsListBox"},
    {"effect", On<TEventOutcomeBuilderForm, 3>, TFile::Events,
     "/events/scripted_events/event[1]/outcomes/outcome[1]/effects", "EffectsListBox",
     "RemoveEffectButton", nullptr, -1, ""},
    // The parties list shows a party whenever there is one.
    {"party", Plain<TPartiesEditorForm>, TFile::Parties, "/parties", "PartiesListBox",
     "RemoveButton", nullptr, 0, "", "Remove Party: Are you sure?"},
    {"vice-leader", On<TPartyLeaderVeepEditorForm, 1>, TFile::Parties,
     "/parties/party[1]/viceleaders", "VeepsListBox", "RemoveVeepButton", nullptr, -1, "",
     "Remove Vice-Leader: Are you sure?"},
    {"leader", On<TPartyLeaderVeepEditorForm, 1>, TFile::Parties, "/parties/party[1]/leaders",
     "LeadersListBox", "RemoveLeaderButton", nullptr, -1, "", "Remove Leader: Are you sure?"},
    {"crusader", On<TCrusadersEditorForm, 0>, TFile::Parties,
     "/parties/party[1]/leaders/leader[1]/crusaders", "CrusadersListBox", "DeleteButton",
     "FirstNameEdit", -1, ""},
    {"relation", Plain<TPartyRelationsEditorForm>, TFile::Relations, "/relations/leaders",
     "RelationsListBox", "RemoveButton", nullptr, -1, ""},
    {"endorser", Plain<TEndorserEditorForm>, TFile::Endorsers, "/endorsers", "EndorserListBox",
     "RemoveButton", "NameEdit", -1, "DetailsGroup"},
    {"ad", Plain<TAdEditorForm>, TFile::Ads, "/ads", "AdsListBox", "RemoveAdButton", "NameEdit", -1,
     "AdQualitiesListBox"}};

bool Inside(const TXmlNode* node, const TXmlNode* ancestor) {
    for (node = node ? node->Parent() : nullptr; node; node = node->Parent())
        if (node == ancestor)
            return true;
    return false;
}

} // namespace

class ListRemovalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    QStringList Faults;

    void Check() { QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n')))); }

    // The controls of form bound to an element below items, and what is wrong
    // with them when each must lie below entry (none at all when entry is null).
    void CheckBoundBelow(QWidget* form, const TXmlNode* items, const TXmlNode* entry,
                         const QString& when) {
        for (QWidget* control : form->findChildren<QWidget*>()) {
            const TXmlNode* bound = ControlBinding::BoundElement(control);
            if (Inside(bound, items) && !(entry && (bound == entry || Inside(bound, entry))))
                Faults << when + control->objectName() +
                              QStringLiteral(" still edits another entry");
        }
    }

    // What is wrong after Remove took the entry at row of list and the
    // element of items beside it.
    void CheckTaken(QListWidget* list, const TXmlNode* items, QStringList entries,
                    std::vector<TXmlNode*> kept, int row, const QString& when) {
        entries.removeAt(row);
        kept.erase(kept.begin() + row);
        if (GuiTest::Entries(list) != entries)
            Faults << when + QStringLiteral("lists ") +
                          GuiTest::Entries(list).join(QLatin1Char('|'));
        std::vector<TXmlNode*> left;
        for (int32_t i = 0; i < items->ChildCount(); ++i)
            left.push_back(items->GetChildAt(i));
        if (left != kept)
            Faults << when + QStringLiteral("another element went");
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Faults.clear();
    }
    void cleanup() { Copy.reset(); }

    void RemoveSelectsTheEntryBeforeAndThenNone_data() {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < std::size(Removals); ++i)
            QTest::newRow(Removals[i].Name) << static_cast<int>(i);
    }

    // Removing the second entry takes it and its element, and selects and
    // shows the first; removing the first leaves the selection as the row
    // says, and with none selected no control edits an entry, the details are
    // cleared, typing writes nothing and Remove does nothing.
    void RemoveSelectsTheEntryBeforeAndThenNone() {
        QFETCH(int, index);
        const TRemoval& r = Removals[index];
        TAgreeingPrompts agreeing;
        struct TRestore {
            TPrompts* Previous;
            ~TRestore() { SetPrompts(Previous); }
        } restore{SetPrompts(&agreeing)};
        TXmlNode* items = ElementTargets::Resolve(Copy->Data(), r.File, r.Items);
        QVERIFY2(items, r.Items);
        // Three entries at least, so that one is left after the first is removed.
        while (items->ChildCount() < 3) {
            const TXmlNode* last = items->GetChildAt(items->ChildCount() - 1);
            TXmlNode* copy = TXmlNode::CopyNode(items->AddNewChild(last->Name), last);
            if (!last->AttributeValue("id").empty())
                copy->SetAttribute("id", last->AttributeValue("id") + "c");
        }
        std::unique_ptr<QWidget> form = r.Open(Copy->Data(), items);
        form->show();
        auto* list = GuiTest::Find<QListWidget>(form.get(), r.List);
        QStringList entries = GuiTest::Entries(list);
        std::vector<TXmlNode*> kept;
        for (int32_t i = 0; i < items->ChildCount(); ++i)
            kept.push_back(items->GetChildAt(i));
        QVERIFY2(entries.size() >= 2 && kept.size() == size_t(entries.size()),
                 qPrintable(entries.join(QLatin1Char('|'))));

        list->setCurrentRow(1);
        if (*r.Asks) {
            agreeing.Agree = false;
            GuiTest::Click(form.get(), r.Button);
            agreeing.Agree = true;
            QCOMPARE(GuiTest::Entries(list), entries);
            QCOMPARE(items->ChildCount(), static_cast<int32_t>(kept.size()));
        }
        GuiTest::Click(form.get(), r.Button);
        CheckTaken(list, items, entries, kept, 1, QStringLiteral("second: "));
        QCOMPARE(list->currentRow(), 0);
        CheckBoundBelow(form.get(), items, items->GetChildAt(0), QStringLiteral("second: "));
        if (r.Field) {
            auto* field = GuiTest::Find<QLineEdit>(form.get(), r.Field);
            const TXmlNode* shown = ControlBinding::BoundElement(field);
            QVERIFY2(shown && Inside(shown, items), r.Field);
            QCOMPARE(field->text().toStdString(), shown->GetText());
        }

        entries = GuiTest::Entries(list);
        kept.erase(kept.begin() + 1);
        list->setCurrentRow(0);
        GuiTest::Click(form.get(), r.Button);
        CheckTaken(list, items, entries, kept, 0, QStringLiteral("first: "));
        QCOMPARE(list->currentRow(), r.AfterFirst);
        const QStringList asked = *r.Asks ? QStringList{r.Asks, r.Asks, r.Asks} : QStringList{};
        QCOMPARE(agreeing.Asked, asked);
        if (r.AfterFirst < 0) {
            CheckBoundBelow(form.get(), items, nullptr, QStringLiteral("first: "));
            for (const QString& name :
                 QString::fromLatin1(r.Cleared).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                auto* control = GuiTest::Find<QWidget>(form.get(), qPrintable(name));
                auto* cleared = qobject_cast<QListWidget*>(control);
                auto* edit = qobject_cast<QLineEdit*>(control);
                auto* combo = qobject_cast<QComboBox*>(control);
                if (cleared ? cleared->count() > 0
                            : control->isEnabled() || (edit && !edit->text().isEmpty()) ||
                                  (combo && combo->currentIndex() >= 0))
                    Faults << name + QStringLiteral(" not cleared with nothing selected");
            }
            const auto before = TestScenario::DocumentTexts(Copy->Data());
            entries = GuiTest::Entries(list);
            if (r.Field) {
                auto* field = GuiTest::Find<QLineEdit>(form.get(), r.Field);
                QCOMPARE(field->text(), QString());
                GuiTest::Type(field, QStringLiteral("Stray"));
            }
            GuiTest::Click(form.get(), r.Button);
            QCOMPARE(GuiTest::Entries(list), entries);
            if (TestScenario::DocumentTexts(Copy->Data()) != before)
                Faults << QStringLiteral("with nothing selected a document was written");
        }
        Check();
    }
};

QTEST_MAIN(ListRemovalTest)
#include "ListRemovalTest.moc"
