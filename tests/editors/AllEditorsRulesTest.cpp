// Every window the gallery knows, held to the rules every editor keeps: Enter neither closes it,
// presses a button nor writes; a stored text longer than its field allows is shown whole and never
// cut, while a short one keeps to the limit; and Remove in any list does nothing when its
// question is declined, selects the entry before, shows it, and with none left edits nothing.
// Titles and manual topics: tests/app/AllFormsTest.
#include "app/ControlBinding.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
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
#include "guisupport/GalleryWalk.h"
#include "guisupport/ScenarioCopy.h"
#include "scenario/ElementTargets.h"
#include "support/ScenarioFixture.h"
#include "xml/TXmlNode.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// The windows that are no editors, where Enter may search, start or close; every other
// window the gallery shows is held to the editors' rule. Separated by spaces.
const char* const NotEditors =
    "TCampaignTimelineForm TFindInScenarioForm THelpWindow TScenarioBuilderForm "
    "TSelectScenarioForm TSplashScreenForm TStartingRaceForm TVerificationMessagesForm TaboutForm";

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

// The limit a field keeps to while it holds a short text; 0 when it has none.
int LimitOf(const QLineEdit* edit) {
    return edit->property("limitLineLength").toInt();
}

// A memo that keeps to a limit; none is near this long.
bool Limited(const QPlainTextEdit* memo) {
    return memo->property("limitPreviousLength").isValid();
}
const size_t LongMemo = 3000;

QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

class AllEditorsRulesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    QStringList Faults;
    QSet<QString> Editors;

    using TVisit = std::function<void(const QString& where, QWidget* window)>;

    // Renders every gallery page on the copy and hands each window shown to
    // visit; every page must write its pictures.
    void VisitEveryWindow(const TVisit& visit) {
        Faults << GuiTest::VisitEveryGalleryWindow(Copy->Data(), visit);
    }

    static bool IsEditor(const QWidget* window) {
        const char* form = window->metaObject()->className();
        return !QString::fromLatin1(NotEditors)
                    .split(QLatin1Char(' '))
                    .contains(QLatin1String(form));
    }

    void PressEnterInEveryField(const QString& where, QWidget* window) {
        if (!IsEditor(window))
            return;
        Editors << QLatin1String(window->metaObject()->className());
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            if (button->autoDefault() || button->isDefault())
                Faults << where + NameOf(button) + QStringLiteral(" is pressed by Enter");
        const auto before = TestScenario::DocumentTexts(Copy->Data());
        auto* dialog = qobject_cast<QDialog*>(window);
        int finished = 0;
        QMetaObject::Connection counting;
        if (dialog)
            counting = connect(dialog, &QDialog::finished, this, [&finished] { ++finished; });
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->isVisible() || !edit->isEnabled())
                continue;
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
            if (finished > 0 || !window->isVisible()) {
                Faults << where + NameOf(edit) + QStringLiteral(": Enter closed the window");
                break;
            }
        }
        disconnect(counting);
        if (TestScenario::DocumentTexts(Copy->Data()) != before)
            Faults << where + QStringLiteral("Enter wrote");
    }

    // First round: every bound, limited text becomes longer than its limit.
    void Lengthen(QWidget* window) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(edit);
            const int limit = LimitOf(edit);
            if (element && limit > 0 && static_cast<int>(element->Text.size()) <= limit)
                element->Text += std::string(limit + 5 - element->Text.size(), 'w');
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(memo);
            if (element && Limited(memo) && element->Text.size() < LongMemo)
                element->Text += std::string(LongMemo - element->Text.size(), 'w');
        }
    }

    // A long text is shown whole, typing at its end cannot lengthen it and a
    // deletion writes it shorter.
    void CheckLongText(const QString& field, QWidget* control, const QString& shown,
                       const TXmlNode* element, int& checked) {
        ++checked;
        const std::string stored = element->GetText();
        if (shown.toStdString() != stored) {
            Faults << field + QStringLiteral("shows %1 of %2 characters")
                                  .arg(shown.size())
                                  .arg(stored.size());
            return;
        }
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->end(false);
        else
            static_cast<QPlainTextEdit*>(control)->moveCursor(QTextCursor::End);
        QTest::keyClicks(control, QStringLiteral("x"));
        if (element->GetText() != stored)
            Faults << field + QStringLiteral("typing lengthened it");
        QTest::keyClick(control, Qt::Key_Backspace);
        if (element->GetText() != stored.substr(0, stored.size() - 1))
            Faults << field + QStringLiteral("a deletion stored %1 characters")
                                  .arg(element->GetText().size());
    }

    // Second round: every long text as above; a short one keeps to the limit.
    void CheckLongTexts(const QString& where, QWidget* window, int& checked) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(edit);
            const int limit = LimitOf(edit);
            if (!element || limit <= 0 || !edit->isVisible() || !edit->isEnabled() ||
                edit->isReadOnly())
                continue;
            const QString field = where + NameOf(edit) + QStringLiteral(": ");
            if (static_cast<int>(element->GetText().size()) > limit)
                CheckLongText(field, edit, edit->text(), element, checked);
            else if (edit->maxLength() != limit)
                Faults << field +
                              QStringLiteral("takes %1, not %2").arg(edit->maxLength()).arg(limit);
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(memo);
            if (element && Limited(memo) && element->Text.size() >= LongMemo && memo->isVisible() &&
                !memo->isReadOnly())
                CheckLongText(where + NameOf(memo) + QStringLiteral(": "), memo,
                              memo->toPlainText(), element, checked);
        }
    }

    void Check() { QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n')))); }

    // The controls of form bound to an element below items, and what is wrong
    // with them when each must lie below entry (none at all when entry is null).
    void CheckBoundBelow(QWidget* form, const TXmlNode* items, const TXmlNode* entry,
                         const QString& when) {
        for (QWidget* control : form->findChildren<QWidget*>()) {
            const TXmlNode* bound = ControlBinding::BoundElement(control);
            if (Inside(bound, items) && !(entry && (bound == entry || Inside(bound, entry))))
                Faults << when + NameOf(control) + QStringLiteral(" still edits another entry");
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

    void EnterInAnyFieldNeitherClosesNorPresses() {
        VisitEveryWindow(
            [&](const QString& where, QWidget* window) { PressEnterInEveryField(where, window); });
        QVERIFY2(Editors.size() >= 28, qPrintable(QStringList(Editors.values()).join(' ')));
        Check();
    }

    void LongStoredTextsAreShownWholeAndNeverCut() {
        VisitEveryWindow([&](const QString&, QWidget* window) { Lengthen(window); });
        int checked = 0;
        VisitEveryWindow(
            [&](const QString& where, QWidget* window) { CheckLongTexts(where, window, checked); });
        QVERIFY2(checked >= 15, qPrintable(QString::number(checked)));
        Check();
    }

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

QTEST_MAIN(AllEditorsRulesTest)
#include "AllEditorsRulesTest.moc"
