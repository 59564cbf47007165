// Opening the content editors (Steps 4, 6, 7, 8) at an element: the right
// windows open as their buttons do, the element's entries are current, its
// field has the focus, and nothing is written.
#include "app/StepEditors.h"
#include "editors/content/TEndorserEditorForm.h"
#include "guisupport/ModalWindows.h"
#include "guisupport/ScenarioCopy.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// What was on screen once the innermost window had settled.
struct TShown {
    // The open windows' classes, outermost first.
    QStringList Windows;
    // The objectName of the focused control of the innermost window.
    QString Focus;
    // Per "Window.List": the current row and its text.
    QHash<QString, int> Row;
    QHash<QString, QString> Text;
    // The text of each line edit of the innermost window.
    QHash<QString, QString> Edits;
};

TShown Look(QWidget* top) {
    TShown shown;
    for (QWidget* window = top; window; window = window->parentWidget()) {
        window = window->window();
        const QString name = QString::fromLatin1(window->metaObject()->className());
        shown.Windows.prepend(name);
        for (const QListWidget* list : window->findChildren<QListWidget*>()) {
            const QString key = name + QLatin1Char('.') + list->objectName();
            shown.Row[key] = list->currentRow();
            shown.Text[key] = list->currentItem() ? list->currentItem()->text() : QString();
        }
    }
    if (top) {
        if (const QWidget* focus = top->focusWidget())
            shown.Focus = focus->objectName();
        for (const QLineEdit* edit : top->findChildren<QLineEdit*>())
            shown.Edits[edit->objectName()] = edit->text();
    }
    return shown;
}

// Runs open (which shows a window modally), looks once the window on top
// has settled (its own showing at an element has run by then), then closes
// the windows from inside out.
TShown OpenAndLook(const std::function<void()>& open) {
    TShown shown;
    GuiTest::WhenOnTop(open, {}, [&](QWidget* top) { shown = Look(top); });
    return shown;
}

// Every document's text, to show that nothing was written.
std::string AllText(const TScenarioData& data) {
    std::string text;
    for (const TScenarioFile file : TScenarioData::AllFiles())
        text += data.Document(file).ToText();
    return text;
}

QString NameOf(const TXmlNode* item, const char* name = "name") {
    return QString::fromStdString(item->GetChild(name)->GetText());
}

} // namespace

class ContentElementTargetsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    std::string Before;
    // An element of no document: an entry that is gone.
    TXmlNode Stray;

    TScenarioData& Data() { return Copy->Data(); }
    TXmlNode* At(TScenarioFile file, const char* path) {
        TXmlNode* element = ElementTargets::Resolve(Data(), file, path);
        if (!element)
            qFatal("no element %s", path);
        return element;
    }
    TElementTarget Target(TScenarioFile file, const char* path, const char* field = "") {
        return ElementTargets::Find(Data(), At(file, path), field);
    }
    TShown OpenStep(int step, const TElementTarget& target) {
        const StepEditors::TOpenAtElement* open = StepEditors::FindAtElement(step);
        if (!open)
            qFatal("step %d cannot open at an element", step);
        return OpenAndLook([&] { (*open)(Data(), nullptr, target); });
    }
    TShown OpenEndorsers(const TElementTarget& target) {
        return OpenAndLook([&] {
            TEndorserEditorForm form(Data());
            form.ShowElement(target);
            form.exec();
        });
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Before = AllText(Data());
    }
    void cleanup() {
        // Showing is never editing.
        if (Copy && !QTest::currentTestFailed()) {
            QVERIFY(AllText(Data()) == Before);
            QVERIFY(!Data().Changed());
        }
        Copy.reset();
    }

    void AdsOpenAtTheAdAndQuality() {
        const TXmlNode* ad = At(TScenarioFile::Ads, "/ads/ad[2]");
        TShown shown =
            OpenStep(4, Target(TScenarioFile::Ads, "/ads/ad[2]/ad_qualities/quality[3]", "budget"));
        QCOMPARE(shown.Windows, QStringList{QStringLiteral("TAdEditorForm")});
        QCOMPARE(shown.Row["TAdEditorForm.AdsListBox"], 1);
        QCOMPARE(shown.Text["TAdEditorForm.AdsListBox"], NameOf(ad));
        QCOMPARE(shown.Row["TAdEditorForm.AdQualitiesListBox"], 2);
        QCOMPARE(shown.Focus, QStringLiteral("BudgetEdit"));
        QCOMPARE(shown.Edits["BudgetEdit"],
                 NameOf(At(TScenarioFile::Ads, "/ads/ad[2]/ad_qualities/quality[3]"), "budget"));

        shown = OpenStep(4, Target(TScenarioFile::Ads, "/ads/ad[3]", "turns_to_cancel"));
        QCOMPARE(shown.Row["TAdEditorForm.AdsListBox"], 2);
        QCOMPARE(shown.Focus, QStringLiteral("TurnsToCancelEdit"));

        // A field the form does not show, and an ad that is gone: the list.
        shown = OpenStep(4, Target(TScenarioFile::Ads, "/ads/ad[2]", "universal_distribution"));
        QCOMPARE(shown.Row["TAdEditorForm.AdsListBox"], 1);
        QCOMPARE(shown.Focus, QStringLiteral("AdsListBox"));
        TElementTarget gone = Target(TScenarioFile::Ads, "/ads/ad[2]", "base_power");
        gone.Items = {&Stray};
        shown = OpenStep(4, gone);
        QCOMPARE(shown.Row["TAdEditorForm.AdsListBox"], 0);
        QCOMPARE(shown.Focus, QStringLiteral("AdsListBox"));
    }

    void EventsOpenTheEditorsTheirButtonsOpen() {
        const QString hub = QStringLiteral("TEventsEditorForm");
        const QString simple = QStringLiteral("TSimpleEventEditorForm");
        TShown shown = OpenStep(6, Target(TScenarioFile::Events,
                                          "/events/random_events/simple_issue_events/issue[2]/"
                                          "headlines/headline[3]"));
        QCOMPARE(shown.Windows, (QStringList{hub, simple}));
        QCOMPARE(shown.Row[simple + ".EventsListBox"], 1);
        QCOMPARE(shown.Row[simple + ".HeadlinesListBox"], 2);
        QCOMPARE(shown.Focus, QStringLiteral("HeadlinesListBox"));
        shown = OpenStep(6, Target(TScenarioFile::Events,
                                   "/events/random_events/simple_issue_events/issue[4]", "id"));
        QCOMPARE(shown.Row[simple + ".EventsListBox"], 3);
        QCOMPARE(shown.Focus, QStringLiteral("IssuesComboBox"));

        const QString scripted = QStringLiteral("TScriptedEventsEditorForm");
        const TXmlNode* second = At(TScenarioFile::Events, "/events/scripted_events/event[2]");
        shown = OpenStep(
            6, Target(TScenarioFile::Events, "/events/scripted_events/event[2]", "chance_occurs"));
        QCOMPARE(shown.Windows, (QStringList{hub, scripted}));
        QCOMPARE(shown.Text[scripted + ".EventsListBox"], NameOf(second));
        QCOMPARE(shown.Focus, QStringLiteral("ChanceEdit"));

        const QString conditions = QStringLiteral("TEventConditionBuilderForm");
        shown = OpenStep(6, Target(TScenarioFile::Events,
                                   "/events/scripted_events/event[3]/conditions/condition[4]",
                                   "event"));
        QCOMPARE(shown.Windows, (QStringList{hub, scripted, conditions}));
        QCOMPARE(shown.Row[scripted + ".EventsListBox"], 2);
        QCOMPARE(shown.Row[conditions + ".ConditionsListBox"], 3);
        QCOMPARE(shown.Focus, QStringLiteral("ConditionsListBox"));

        const QString outcomes = QStringLiteral("TEventOutcomeBuilderForm");
        const char* const outcome = "/events/scripted_events/event[1]/outcomes/outcome[2]";
        shown = OpenStep(6, Target(TScenarioFile::Events, outcome, "momentum_change"));
        QCOMPARE(shown.Windows, (QStringList{hub, scripted, outcomes}));
        QCOMPARE(shown.Row[outcomes + ".OutcomesListBox"], 1);
        QCOMPARE(shown.Focus, QStringLiteral("MomentumChangeEdit"));
        shown = OpenStep(6, Target(TScenarioFile::Events,
                                   "/events/scripted_events/event[1]/outcomes/outcome[2]/"
                                   "effects/leader",
                                   "leader"));
        QCOMPARE(shown.Row[outcomes + ".OutcomesListBox"], 1);
        QCOMPARE(shown.Row[outcomes + ".EffectsListBox"], 2);
        QCOMPARE(shown.Focus, QStringLiteral("EffectsListBox"));

        // The file's own lists are shown by the hub.
        shown = OpenStep(6, ElementTargets::Find(Data(), Data().Events(), "scripted_events"));
        QCOMPARE(shown.Windows, QStringList{hub});
        QCOMPARE(shown.Focus, QStringLiteral("ScriptedEventsListBox"));

        // An event that is gone stops at the list of events.
        TElementTarget gone = Target(TScenarioFile::Events, outcome, "chance");
        gone.Items.front() = &Stray;
        shown = OpenStep(6, gone);
        QCOMPARE(shown.Windows, (QStringList{hub, scripted}));
        QCOMPARE(shown.Focus, QStringLiteral("EventsListBox"));
    }

    void AnEffectTheBuilderDropsLeavesTheEffectsListFocused() {
        // Showing an outcome drops its effects on deleted items, the one the
        // message is about included: the builder stays at its effects.
        const char* const path =
            "/events/scripted_events/event[1]/outcomes/outcome[2]/effects/leader";
        At(TScenarioFile::Events, path)->SetAttribute("id", "gone");
        const TElementTarget target = Target(TScenarioFile::Events, path, "leader");
        const TShown shown = OpenStep(6, target);
        QCOMPARE(shown.Windows.last(), QStringLiteral("TEventOutcomeBuilderForm"));
        QCOMPARE(shown.Row["TEventOutcomeBuilderForm.OutcomesListBox"], 1);
        QCOMPARE(shown.Focus, QStringLiteral("EffectsListBox"));
        QVERIFY(!ElementTargets::Resolve(Data(), TScenarioFile::Events, path));
        Before = AllText(Data());
        Data().SetChanged(false);
    }

    void EndorsersOpenAtTheFieldOrEntry() {
        const QString form = QStringLiteral("TEndorserEditorForm");
        const QString list = form + QStringLiteral(".EndorserListBox");
        TShown shown =
            OpenEndorsers(Target(TScenarioFile::Endorsers, "/endorsers/endorser[3]", "pp_effect"));
        QCOMPARE(shown.Windows, QStringList{form});
        QCOMPARE(shown.Row[list], 2);
        QCOMPARE(shown.Focus, QStringLiteral("PIPEffectEdit"));

        shown =
            OpenEndorsers(Target(TScenarioFile::Endorsers,
                                 "/endorsers/endorser[2]/leader_stance/leader", "initial_stance"));
        QCOMPARE(shown.Row[list], 1);
        QCOMPARE(shown.Focus, QStringLiteral("LeaderStanceComboBox"));
        shown = OpenEndorsers(
            Target(TScenarioFile::Endorsers, "/endorsers/endorser[1]/party_stance", "party"));
        QCOMPARE(shown.Focus, QStringLiteral("PartiesComboBox"));
        shown = OpenEndorsers(
            Target(TScenarioFile::Endorsers, "/endorsers/endorser[1]/issues", "issue"));
        QCOMPARE(shown.Focus, QStringLiteral("IssuesComboBox"));

        // A regional entry: its region is the one selected, its bonus shown.
        const TXmlNode* entry =
            At(TScenarioFile::Endorsers, "/endorsers/endorser[1]/political_units_affected/"
                                         "political_unit[2]");
        const TXmlNode* region =
            Data().PoliticalUnits()->FindNode("political_unit", "id", entry->AttributeValue("id"));
        QVERIFY(region);
        shown = OpenEndorsers(Target(TScenarioFile::Endorsers,
                                     "/endorsers/endorser[1]/political_units_affected/"
                                     "political_unit[2]",
                                     "footsoldiers"));
        QCOMPARE(shown.Text[form + ".SelectedRegionsListBox"], NameOf(region));
        QCOMPARE(shown.Focus, QStringLiteral("FootsoldierEdit"));
        QCOMPARE(shown.Edits["FootsoldierEdit"], NameOf(entry, "footsoldiers"));
        // A national endorser's regions are its switch.
        shown = OpenEndorsers(Target(TScenarioFile::Endorsers,
                                     "/endorsers/endorser[2]/political_units_affected",
                                     "political_unit"));
        QCOMPARE(shown.Focus, QStringLiteral("NationalEndorserCheckBox"));

        TElementTarget gone = Target(TScenarioFile::Endorsers, "/endorsers/endorser[3]", "name");
        gone.Items = {&Stray};
        shown = OpenEndorsers(gone);
        QCOMPARE(shown.Row[list], 0);
        QCOMPARE(shown.Focus, QStringLiteral("EndorserListBox"));
    }

    void ActivitiesOpenAtTheActivity() {
        const QString list = QStringLiteral("TActivitiesEditorForm.ActivitiesListBox");
        TShown shown = OpenStep(
            8, Target(TScenarioFile::Activities, "/activities/leaders/activity[3]", "cost"));
        QCOMPARE(shown.Windows, QStringList{QStringLiteral("TActivitiesEditorForm")});
        QCOMPARE(shown.Row[list], 2);
        QCOMPARE(shown.Focus, QStringLiteral("CostEdit"));

        // Vice-leaders' activities follow the leaders' in the list.
        const int leaders = Data().Activities()->GetChild("leaders")->ChildCount();
        shown = OpenStep(
            8, Target(TScenarioFile::Activities, "/activities/viceleaders/activity[2]", "picture"));
        QCOMPARE(shown.Row[list], leaders + 1);
        QCOMPARE(shown.Focus, QStringLiteral("ChangePictureButton"));
        shown = OpenStep(8, Target(TScenarioFile::Activities, "/activities/viceleaders/activity[2]",
                                   "chance_backfire"));
        QCOMPARE(shown.Row[list], leaders + 1);
        QCOMPARE(shown.Focus, QStringLiteral("ActivitiesListBox"));

        TElementTarget gone =
            Target(TScenarioFile::Activities, "/activities/leaders/activity[3]", "cost");
        gone.Items = {&Stray};
        shown = OpenStep(8, gone);
        QCOMPARE(shown.Row[list], 0);
        QCOMPARE(shown.Focus, QStringLiteral("ActivitiesListBox"));
    }
};

QTEST_MAIN(ContentElementTargetsTest)
#include "ContentElementTargetsTest.moc"
