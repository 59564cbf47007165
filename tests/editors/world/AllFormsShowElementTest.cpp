// Steps 1 to 3 opened at an element through their registrations: the window that shows it on top,
// its entry selected, its field focused, and nothing written.
#include "app/StepEditors.h"
#include "editors/parties/TDebatesEditorForm.h"
#include "editors/world/TPoliticalUnitEditorForm.h"
#include "guisupport/ModalWindows.h"
#include "guisupport/ScenarioCopy.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlDom.h"
#include "xml/TXmlNode.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// What was on top once the windows had settled.
struct TSeen {
    QString Window;
    QString Focus;
    // The current entry of each list of the window on top, by list name.
    QMap<QString, QString> Entries;
};

// Runs open (which shows the editor modally), waits until the window on top
// is window with focus focused (at most a few seconds), notes what it
// shows (and lets look at it), then closes every window from the inside out.
TSeen OpenAndLook(const std::function<void()>& open, const QString& window, const QString& focus,
                  const std::function<void(QWidget*)>& look = {}) {
    TSeen seen;
    seen.Window = GuiTest::WhenOnTop(
        open, window,
        [&](QWidget* top) {
            const QWidget* focused = top->focusWidget();
            seen.Focus = focused ? focused->objectName() : QString();
            for (const QListWidget* list : top->findChildren<QListWidget*>())
                seen.Entries[list->objectName()] =
                    list->currentItem() ? list->currentItem()->text() : QString();
            if (look)
                look(top);
        },
        focus);
    return seen;
}

// The text of every document, to show that showing writes nothing.
std::string Documents(TScenarioData& data) {
    std::string text;
    for (const TScenarioFile file : TScenarioData::AllFiles())
        if (const TXmlNode* root = data.Root(file))
            root->WriteTo(text);
    return text;
}

template <typename TForm> std::function<void()> Opener(TForm& form, const TElementTarget& target) {
    return [&form, target] {
        form.ShowElement(target);
        form.exec();
    };
}

} // namespace

class AllFormsShowElementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;

    TScenarioData& Data() { return Copy->Data(); }

    TXmlNode* At(TScenarioFile file, const char* path) {
        TXmlNode* node = ElementTargets::Resolve(Data(), file, path);
        if (!node)
            qFatal("no element at %s", path);
        return node;
    }

    // Opens the step's editor at target as the main window does.
    std::function<void()> StepOpener(int step, const TElementTarget& target) {
        return [this, step, target] {
            const StepEditors::TOpenAtElement* open = StepEditors::FindAtElement(step);
            QVERIFY(open);
            (*open)(Data(), nullptr, target);
        };
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
    }

    void cleanup() { Copy.reset(); }

    void OpensTheWindowEntryAndField_data() {
        QTest::addColumn<int>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        const int scenario = static_cast<int>(TScenarioFile::Scenario);
        const int issues = static_cast<int>(TScenarioFile::Issues);
        const int units = static_cast<int>(TScenarioFile::PoliticalUnits);
        const QString region = QStringLiteral("/political_units/political_unit/political_units/"
                                              "political_unit");

        QTest::newRow("setting") << scenario << "/scenario"
                                 << "currency_symbol"
                                 << "TScenarioEditorForm"
                                 << "CurrencySymbolEdit"
                                 << ""
                                 << "";
        QTest::newRow("nested setting") << scenario << "/scenario/leader/institution"
                                        << ""
                                        << "TScenarioEditorForm"
                                        << "ElectedInstitutionEdit"
                                        << ""
                                        << "";
        QTest::newRow("day name") << scenario << "/scenario"
                                  << "pollresults_day"
                                  << "TScenarioEditorForm"
                                  << "PollResultsDayComboBox"
                                  << ""
                                  << "";
        QTest::newRow("initial economy") << scenario << "/scenario/economy/initial"
                                         << ""
                                         << "TScenarioEditorForm"
                                         << "InitialEconomyComboBox"
                                         << ""
                                         << "";
        QTest::newRow("economic target") << scenario << "/scenario/economy/targets/target[2]"
                                         << "chance"
                                         << "TEconomyEditorForm"
                                         << "ChanceEdit"
                                         << "TargetsListBox"
                                         << "Fishing Slump";
        QTest::newRow("interviewer") << scenario << "/scenario/interviewers/interviewer[2]"
                                     << "stance"
                                     << "TInterviewerEditorForm"
                                     << "StanceComboBox"
                                     << "InterviewersListBox"
                                     << "Cassia Wendt";
        QTest::newRow("general debate")
            << scenario << "/scenario/debates/general_election/debate[2]/language"
            << ""
            << "TDebatesEditorForm"
            << "LanguageComboBox"
            << "DebatesListBox"
            << "Viceleader - 09/29/2008";

        QTest::newRow("issue name") << issues << "/issues/issue[2]"
                                    << "name"
                                    << "TIssueEditorForm"
                                    << "NameEdit"
                                    << "IssuesListBox"
                                    << "Integrity";
        QTest::newRow("position") << issues << "/issues/issue[5]/positions/position[3]"
                                  << "description"
                                  << "TIssueEditorForm"
                                  << "PositionDescriptionMemo"
                                  << "IssuePositionsListBox"
                                  << "Center-Left";
        QTest::newRow("position without a control")
            << issues << "/issues/issue[5]/positions/position[6]/fundraising"
            << ""
            << "TIssueEditorForm"
            << "IssuePositionsListBox"
            << "IssuePositionsListBox"
            << "Right";
        QTest::newRow("issue picture") << issues << "/issues/issue[5]/picture"
                                       << ""
                                       << "TIssueEditorForm"
                                       << "ChangeImageButton"
                                       << "IssuesListBox"
                                       << "Taxes";

        QTest::newRow("nation") << units << "/political_units/political_unit"
                                << "motto"
                                << "TPoliticalUnitEditorForm"
                                << "MottoEdit"
                                << "RegionsListBox"
                                << "";
        QTest::newRow("region") << units << region + "[2]"
                                << "abbreviation"
                                << "TPoliticalUnitEditorForm"
                                << "AbbreviationEdit"
                                << "RegionsListBox"
                                << "Brenvale";
        QTest::newRow("city") << units << region + "[1]/cities/city[2]"
                              << ""
                              << "TPoliticalUnitEditorForm"
                              << "CitiesListBox"
                              << "CitiesListBox"
                              << "Hollin";
        QTest::newRow("electoral votes")
            << units << region + "[1]/election_events/event/seat/number"
            << ""
            << "TPoliticalUnitEditorForm"
            << "SeatsNumberEdit"
            << "RegionsListBox"
            << "Aldmoor";
        // The region's entry in another file selects the region itself.
        QTest::newRow("region's percentages") << static_cast<int>(TScenarioFile::Percentages)
                                              << "/percentages/political_units/political_unit[1]"
                                              << ""
                                              << "TPoliticalUnitEditorForm"
                                              << "RegionsListBox"
                                              << "RegionsListBox"
                                              << "Aldmoor";
        QTest::newRow("issue centre") << units << region + "[1]/issue_centers/issue[5]"
                                      << "center"
                                      << "TIssueCentersForm"
                                      << "CenterTrackBar1"
                                      << "RegionsListBox"
                                      << "Aldmoor";
    }

    void OpensTheWindowEntryAndField() {
        QFETCH(int, file);
        QFETCH(QString, path);
        QFETCH(QString, field);
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(QString, list);
        QFETCH(QString, entry);
        TXmlNode* element = At(static_cast<TScenarioFile>(file), qPrintable(path));
        const TElementTarget target = ElementTargets::Find(Data(), element, field.toStdString());
        QVERIFY(target.Found());
        const std::string before = Documents(Data());

        const TSeen seen = OpenAndLook(StepOpener(target.Step, target), window, focus);
        QCOMPARE(seen.Window, window);
        QCOMPARE(seen.Focus, focus);
        // The current entry of the list named, none for the nation.
        if (!list.isEmpty())
            QCOMPARE(seen.Entries.value(list, QStringLiteral("<no list>")), entry);
        QVERIFY(Documents(Data()) == before);
    }

    void SelectsTheRegionAsAClickOnItsArea() {
        TXmlNode* capital =
            At(TScenarioFile::PoliticalUnits,
               "/political_units/political_unit/political_units/political_unit[3]/capital");
        TXmlNode* selected = nullptr;
        TXmlNode* highlighted = nullptr;
        const TSeen seen =
            OpenAndLook(StepOpener(3, ElementTargets::Find(Data(), capital)),
                        "TPoliticalUnitEditorForm", "CapitalEdit", [&](QWidget* top) {
                            auto* form = qobject_cast<TPoliticalUnitEditorForm*>(top);
                            QVERIFY(form);
                            selected = form->SelectedRegion();
                            highlighted = form->HighlightedPoint();
                        });
        QCOMPARE(seen.Focus, QStringLiteral("CapitalEdit"));
        QCOMPARE(seen.Entries["RegionsListBox"], QStringLiteral("Merrowdene"));
        QCOMPARE(selected, capital->Parent());
        // The area is highlighted as a click on it does.
        QVERIFY(highlighted);
        QCOMPARE(highlighted->Name, "position");
    }

    void AGoneItemStopsAtTheList() {
        // Elements that are in no list of the documents, as after a removal.
        TXmlDom gone;
        QVERIFY(gone.Parse("<political_unit><name>Gone</name><abbreviation>GN</abbreviation>"
                           "</political_unit>"));
        const std::string before = Documents(Data());

        TElementTarget interviewer;
        interviewer.Step = 1;
        interviewer.Window = "TInterviewerEditorForm";
        interviewer.Items = {gone.Root()};
        interviewer.Element = gone.Root();
        interviewer.Field = "name";
        TSeen seen = OpenAndLook(StepOpener(1, interviewer), "TInterviewerEditorForm",
                                 "InterviewersListBox");
        QCOMPARE(seen.Window, QStringLiteral("TInterviewerEditorForm"));
        QCOMPARE(seen.Focus, QStringLiteral("InterviewersListBox"));
        QCOMPARE(seen.Entries["InterviewersListBox"], QStringLiteral("Oren Balfry"));

        TElementTarget region = interviewer;
        region.Step = 3;
        region.Window = "TPoliticalUnitEditorForm";
        region.Field = "abbreviation";
        seen = OpenAndLook(StepOpener(3, region), "TPoliticalUnitEditorForm", "RegionsListBox");
        QCOMPARE(seen.Focus, QStringLiteral("RegionsListBox"));

        // An issue centre of a region that is gone opens no issue centres.
        region.Window = "TIssueCentersForm";
        seen = OpenAndLook(StepOpener(3, region), "TPoliticalUnitEditorForm", "RegionsListBox");
        QCOMPARE(seen.Window, QStringLiteral("TPoliticalUnitEditorForm"));
        QVERIFY(Documents(Data()) == before);
    }

    void SettingKeptInAnotherFile() {
        // The alienated share is a campaign setting stored in percentages.xml.
        TElementTarget target;
        target.Step = 1;
        target.Window = "TScenarioEditorForm";
        target.Element = At(TScenarioFile::Percentages, "/percentages/universal_alienated");
        const TSeen seen =
            OpenAndLook(StepOpener(1, target), "TScenarioEditorForm", "UniversalAlienatedEdit");
        QCOMPARE(seen.Focus, QStringLiteral("UniversalAlienatedEdit"));
    }

    void ADisabledButtonOpensNothing() {
        TXmlNode* root = Data().Scenario();
        TElementTarget target =
            ElementTargets::Find(Data(), At(TScenarioFile::Scenario, "/scenario/interviewers"));
        target.Element = root;
        root->RemoveChild(root->GetChild("interviewers"));
        const TSeen seen = OpenAndLook(StepOpener(1, target), "TScenarioEditorForm", "NameEdit");
        QCOMPARE(seen.Window, QStringLiteral("TScenarioEditorForm"));
    }

    void NationalProfileOfAnIssue() {
        TXmlNode* nation = At(TScenarioFile::PoliticalUnits, "/political_units/political_unit");
        TXmlNode* centre = nation->AddNewChild("issue_centers")->AddNewChild("issue");
        centre->SetAttribute("id",
                             At(TScenarioFile::Issues, "/issues/issue[3]")->AttributeValue("id"));
        centre->AddNewChild("initial_primaries_profile", "Low");
        centre->AddNewChild("initial_generalelection_profile", "High");
        const std::string before = Documents(Data());
        const TSeen seen = OpenAndLook(
            StepOpener(3, ElementTargets::Find(Data(), centre, "initial_generalelection_profile")),
            "TIssueCentersForm", "AttributeGeneralProfileComboBox");
        QCOMPARE(seen.Window, QStringLiteral("TIssueCentersForm"));
        QCOMPARE(seen.Focus, QStringLiteral("AttributeGeneralProfileComboBox"));
        QCOMPARE(seen.Entries["IssuesListBox"], QStringLiteral("Experience"));
        QVERIFY(Documents(Data()) == before);
    }

    void PrimariesDebateOfAParty() {
        TXmlNode* date =
            At(TScenarioFile::Scenario, "/scenario/debates/primaries/party/debate[2]/date");
        TXmlNode* party = Data().Parties()->FindNode(
            "party", "id", date->Parent()->Parent()->AttributeValue("id"));
        QVERIFY(party);
        auto form = TDebatesEditorForm::ForParty(Data(), party);
        const TSeen seen = OpenAndLook(Opener(*form, ElementTargets::Find(Data(), date)),
                                       "TDebatesEditorForm", "DateTimePicker");
        QCOMPARE(seen.Focus, QStringLiteral("DateTimePicker"));
        QCOMPARE(seen.Entries["DebatesListBox"], QStringLiteral("03/31/2008"));
    }
};

QTEST_MAIN(AllFormsShowElementTest)
#include "AllFormsShowElementTest.moc"
