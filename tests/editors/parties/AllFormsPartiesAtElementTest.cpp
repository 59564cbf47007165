// Step 5 opened at an element: the registered opener walks from the parties
// list through the windows to the one that shows the element, selects the
// entries on the way, focuses the field and writes nothing.
#include "editors/parties/PartiesTestSupport.h"

#include "app/StepEditors.h"
#include "editors/parties/TPartiesEditorForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyLeaderVeepEditorForm.h"
#include "guisupport/ModalWindows.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QDialog>

#include <map>
#include <memory>

using namespace PartiesTest;

namespace {

QString ClassOf(const QWidget* window) {
    return window ? QString::fromLatin1(window->metaObject()->className()) : QString();
}

// The modal windows from the top one down to the first that opened.
QList<QDialog*> ModalStack() {
    QList<QDialog*> stack;
    for (QWidget* at = QApplication::activeModalWidget(); at; at = at->parentWidget())
        if (auto* dialog = qobject_cast<QDialog*>(at); dialog && dialog->isVisible())
            stack << dialog;
    return stack;
}

// Runs open (which shows windows modally) and, once the top window is of
// class expected and stays on top, lets look see the windows (top first);
// then closes them from the top down. Returns the class on top when it
// settled or gave up.
QString WhenSettled(const std::function<void()>& open, const QString& expected,
                    const std::function<void(const QList<QDialog*>&)>& look) {
    return GuiTest::WhenOnTop(open, expected, [&](QWidget* top) {
        if (ClassOf(top) == expected)
            look(ModalStack());
    });
}

QString FocusedName(const QDialog* top) {
    const QWidget* focused = top ? top->focusWidget() : nullptr;
    return focused ? focused->objectName() : QString();
}

} // namespace

class AllFormsPartiesAtElementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;

    TScenarioData& Data() { return Copy->Data(); }

    std::map<TScenarioFile, std::string> Documents() {
        std::map<TScenarioFile, std::string> texts;
        for (const TScenarioFile file : TScenarioData::AllFiles())
            texts[file] = Data().Document(file).ToText();
        return texts;
    }

    TElementTarget TargetAt(const QString& file, const QString& path, const QString& field) {
        for (const TScenarioFile each : TScenarioData::AllFiles())
            if (TScenarioData::FileName(each) == file.toStdString())
                return ElementTargets::Find(
                    Data(), ElementTargets::Resolve(Data(), each, path.toStdString()),
                    field.toStdString());
        return {};
    }

    // Opens Step 5 at target through its registration.
    void Open(const TElementTarget& target) {
        const StepEditors::TOpenAtElement* open = StepEditors::FindAtElement(5);
        QVERIFY(open);
        (*open)(Data(), nullptr, target);
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
    }
    void cleanup() { Copy.reset(); }

    // The leader's age: parties list, party editor, candidates, leader.
    void LeaderFieldOpensEveryWindowOnTheWay() {
        TXmlNode* party = PartyAt(Data(), 1);
        TXmlNode* leader = party->GetChild("leaders")->GetChildAt(0);
        const TElementTarget target =
            ElementTargets::Find(Data(),
                                 ElementTargets::Resolve(Data(), TScenarioFile::Parties,
                                                         "/parties/party[2]/leaders/leader[1]"),
                                 "age");
        QCOMPARE(target.Item(), leader);
        const auto before = Documents();
        QStringList chain;
        QString focused;
        TXmlNode* shownParty = nullptr;
        TXmlNode* editedParty = nullptr;
        TXmlNode* shownLeader = nullptr;
        const QString top = WhenSettled(
            [&] { Open(target); }, "TLeaderEditForm",
            [&](const QList<QDialog*>& stack) {
                for (QDialog* dialog : stack)
                    chain.prepend(ClassOf(dialog));
                focused = FocusedName(stack.first());
                if (stack.size() != 4)
                    return;
                shownLeader = qobject_cast<TPartyLeaderVeepEditorForm*>(stack[1])->SelectedLeader();
                editedParty = qobject_cast<TPartyEditForm*>(stack[2])->Party();
                shownParty = qobject_cast<TPartiesEditorForm*>(stack[3])->SelectedParty();
            });
        QCOMPARE(top, QStringLiteral("TLeaderEditForm"));
        QCOMPARE(chain, (QStringList{"TPartiesEditorForm", "TPartyEditForm",
                                     "TPartyLeaderVeepEditorForm", "TLeaderEditForm"}));
        QCOMPARE(shownParty, party);
        QCOMPARE(editedParty, party);
        QCOMPARE(shownLeader, leader);
        QCOMPARE(focused, QStringLiteral("AgeEdit"));
        QVERIFY(Documents() == before);
    }

    void EveryWindowShowsItsElement_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focused");
        // The list of the top window whose current entry is checked, and
        // that entry's text ("" for none).
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");

        const QString parties = "parties.xml";
        QTest::newRow("parties list") << parties << "/parties"
                                      << ""
                                      << "TPartiesEditorForm"
                                      << "PartiesListBox"
                                      << "PartiesListBox"
                                      << "Civic Union";
        QTest::newRow("party field") << parties << "/parties/party[3]"
                                     << "funds"
                                     << "TPartyEditForm"
                                     << "FundsEdit"
                                     << ""
                                     << "";
        QTest::newRow("convention host") << parties << "/parties/party[1]/convention"
                                         << "political_unit"
                                         << "TPartyEditForm"
                                         << "LocationComboBox"
                                         << ""
                                         << "";
        QTest::newRow("second ad credit")
            << parties << "/parties/party[1]/advertising/ad_credits/ad[2]"
            << "credits"
            << "TPartyEditForm"
            << "CreditsEdit"
            << ""
            << "";
        // A message on a list entry names the list and the entries' name.
        QTest::newRow("ad credits list") << parties << "/parties/party[1]/advertising/ad_credits"
                                         << "ad"
                                         << "TPartyEditForm"
                                         << "SelectedAdsListBox"
                                         << ""
                                         << "";
        QTest::newRow("region bonuses list")
            << parties << "/parties/party[1]/leaders/leader[1]/percentage_bonuses"
            << "political_unit"
            << "TLeaderEditForm"
            << "RegionBonusListBox"
            << ""
            << "";
        QTest::newRow("leader without running mates")
            << parties << "/parties/party[1]/leaders/leader[2]"
            << "viceleaders"
            << "TLeaderEditForm"
            << "VeepsButton"
            << ""
            << "";
        QTest::newRow("party platform") << parties << "/parties/party[1]/platform/issue[3]"
                                        << ""
                                        << "TPlatformEditorForm"
                                        << "PositionTrackBar3"
                                        << ""
                                        << "";
        QTest::newRow("candidates") << parties << "/parties/party[1]/leaders"
                                    << ""
                                    << "TPartyLeaderVeepEditorForm"
                                    << "LeadersListBox"
                                    << ""
                                    << "";
        QTest::newRow("vice-leader pool") << parties << "/parties/party[1]/viceleaders"
                                          << ""
                                          << "TPartyLeaderVeepEditorForm"
                                          << "VeepsListBox"
                                          << ""
                                          << "";
        QTest::newRow("vice-leader") << parties << "/parties/party[1]/viceleaders/viceleader[2]"
                                     << "age"
                                     << "TVeepEditForm"
                                     << "AgeEdit"
                                     << ""
                                     << "";
        QTest::newRow("leader gender") << parties << "/parties/party[1]/leaders/leader[2]"
                                       << "sex"
                                       << "TLeaderEditForm"
                                       << "GenderComboBox"
                                       << ""
                                       << "";
        QTest::newRow("leader rating")
            << parties << "/parties/party[1]/leaders/leader[1]/attributes"
            << "charisma"
            << "TLeaderEditForm"
            << "CharismaEdit"
            << ""
            << "";
        QTest::newRow("region bonus")
            << parties << "/parties/party[1]/leaders/leader[1]/percentage_bonuses/political_unit[2]"
            << "bonus"
            << "TLeaderEditForm"
            << "RegionBonusEdit"
            << "RegionBonusListBox"
            << "Brenvale";
        QTest::newRow("leader platform")
            << parties << "/parties/party[1]/leaders/leader[1]/platform/issue[2]"
            << ""
            << "TPlatformEditorForm"
            << "PositionTrackBar2"
            << ""
            << "";
        QTest::newRow("running mate")
            << parties << "/parties/party[1]/leaders/leader[1]/viceleaders/viceleader[2]"
            << ""
            << "TSelectVeepsForm"
            << "SelectedViceLeadersListBox"
            << "SelectedViceLeadersListBox"
            << "Rupert Cray";
        QTest::newRow("crusader") << parties
                                  << "/parties/party[1]/leaders/leader[1]/crusaders/crusader[2]"
                                  << "base_power"
                                  << "TCrusadersEditorForm"
                                  << "BasePowerEdit"
                                  << "CrusadersListBox"
                                  << "Liesl Marrow";
        const QString percentages = "percentages.xml";
        QTest::newRow("party percentages")
            << percentages
            << "/percentages/political_units/political_unit[2]/parties/party[1]/general_election"
            << "committed"
            << "TPercentagesEditorForm"
            << "CommittedPercentageEdit"
            << "RegionsListBox"
            << "Brenvale";
        QTest::newRow("leader percentages")
            << percentages
            << "/percentages/political_units/political_unit[2]/parties/party[1]/primaries/leaders/"
               "leader[2]"
            << "leaning"
            << "TPercentagesEditorForm"
            << "LeaningPercentageEdit"
            << "RegionsListBox"
            << "Brenvale";
        QTest::newRow("relation") << "relations.xml"
                                  << "/relations/leaders/relation[3]"
                                  << ""
                                  << "TPartyRelationsEditorForm"
                                  << "RelationsListBox"
                                  << "RelationsListBox"
                                  << "Odile Varenne <----> Tobias Wrenfield : Normal";
        QTest::newRow("offer switch") << "relations.xml"
                                      << "/relations"
                                      << "endorsement_offers"
                                      << "TPartyRelationsEditorForm"
                                      << "EndorsementCheckBox"
                                      << ""
                                      << "";
        QTest::newRow("primary event")
            << "political_units.xml"
            << "/political_units/political_unit/political_units/political_unit[2]/"
               "election_events/event[3]"
            << "profile_bonus"
            << "TElectionEventsEditorForm"
            << "BonusEdit"
            << "RegionsListBox"
            << "Brenvale";
        QTest::newRow("primary event type")
            << "political_units.xml"
            << "/political_units/political_unit/political_units/political_unit[2]/"
               "election_events/event[3]"
            << "type"
            << "TElectionEventsEditorForm"
            << "TypeComboBox"
            << "RegionsListBox"
            << "Brenvale";
    }

    void EveryWindowShowsItsElement() {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(QString, field);
        QFETCH(QString, window);
        QFETCH(QString, focused);
        QFETCH(QString, list);
        QFETCH(QString, entry);
        const TElementTarget target = TargetAt(file, path, field);
        QVERIFY(target.Element);
        QCOMPARE(QString::fromStdString(target.Window), window);
        const auto before = Documents();
        QString shownFocus;
        QString shownEntry;
        const QString top =
            WhenSettled([&] { Open(target); }, window,
                        [&](const QList<QDialog*>& stack) {
                            shownFocus = FocusedName(stack.first());
                            if (list.isEmpty())
                                return;
                            auto* entries = Control<QListWidget>(stack.first(), qPrintable(list));
                            if (entries && entries->currentItem())
                                shownEntry = entries->currentItem()->text();
                        });
        QCOMPARE(top, window);
        QCOMPARE(shownFocus, focused);
        if (!list.isEmpty())
            QCOMPARE(shownEntry, entry);
        QVERIFY(Documents() == before);
    }

    // A party's primaries debates open from its editor, at the debate.
    // The share alienated everywhere is a scenario setting, not Step 5's.
    void TargetsOutsideTheseWindows() {
        const TElementTarget debates =
            TargetAt("scenario.xml", "/scenario/debates/primaries/party[1]/debate[2]", "date");
        QCOMPARE(debates.Window, std::string("TDebatesEditorForm"));
        QString focused;
        QString current;
        QCOMPARE(WhenSettled([&] { Open(debates); }, "TDebatesEditorForm",
                             [&](const QList<QDialog*>& stack) {
                                 focused = FocusedName(stack.first());
                                 auto* list = Control<QListWidget>(stack.first(), "DebatesListBox");
                                 current = QString::number(list ? list->currentRow() : -1);
                             }),
                 QStringLiteral("TDebatesEditorForm"));
        QCOMPARE(focused, QStringLiteral("DateTimePicker"));
        QCOMPARE(current, QStringLiteral("1"));

        const TElementTarget alienated =
            TargetAt("percentages.xml", "/percentages", "universal_alienated");
        QCOMPARE(alienated.Step, 1);
        QCOMPARE(alienated.Window, std::string("TScenarioEditorForm"));
        QCOMPARE(TargetAt("percentages.xml", "/percentages/universal_alienated", "").Step, 1);
    }

    // The documents changed after the target was found: the way stops at
    // the list that no longer holds the item, with the list focused.
    void GoneItemStopsAtItsList() {
        TXmlNode* leaders = PartyAt(Data(), 0)->GetChild("leaders");
        const TElementTarget target = ElementTargets::Find(Data(), leaders->GetChildAt(1), "age");
        const std::unique_ptr<TXmlNode> gone = leaders->RemoveChild(leaders->GetChildAt(1));
        QString focused;
        QCOMPARE(WhenSettled(
                     [&] { Open(target); }, "TPartyLeaderVeepEditorForm",
                     [&](const QList<QDialog*>& stack) { focused = FocusedName(stack.first()); }),
                 QStringLiteral("TPartyLeaderVeepEditorForm"));
        QCOMPARE(focused, QStringLiteral("LeadersListBox"));

        TXmlNode* root = Data().Parties();
        TElementTarget partyGone = ElementTargets::Find(Data(), root->GetChildAt(2), "funds");
        const std::unique_ptr<TXmlNode> party = root->RemoveChild(root->GetChildAt(2));
        QCOMPARE(WhenSettled(
                     [&] { Open(partyGone); }, "TPartiesEditorForm",
                     [&](const QList<QDialog*>& stack) { focused = FocusedName(stack.first()); }),
                 QStringLiteral("TPartiesEditorForm"));
        QCOMPARE(focused, QStringLiteral("PartiesListBox"));
    }
};

QTEST_MAIN(AllFormsPartiesAtElementTest)
#include "AllFormsPartiesAtElementTest.moc"
