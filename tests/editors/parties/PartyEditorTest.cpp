// The parties list, the party editor with its colour chooser, and the party
// relations editor, on a copy of the sample scenario.
#include "editors/parties/TChangeColourForm.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartiesEditorForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/parties/TPartyRelationsEditorForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

class PartyEditorTest : public TEditorTest {
    Q_OBJECT

    TXmlNode* Party(int index) { return Data().Parties()->GetChildAt(index); }
    std::string Document(TScenarioFile file) { return Data().Document(file).ToText(); }

private slots:

    void EditorControlsEditThePartyAndMoveItsAdCredits() {
        TXmlNode* party = Party(0);
        auto& form = Open<TPartyEditForm>(party);
        const QString faults =
            BindingFaults(&form, party,
                          {{"NameEdit", "name"},
                           {"AbbreviationEdit", "abbreviation"},
                           {"FundsEdit", "funds"},
                           {"BlockGrantEdit", "generalelection_block_grant"},
                           {"FundraisingEdit", "fundraising_coefficient"},
                           {"EstablishedEdit", "established"},
                           {"StartDateTimePicker", "convention/start_date"},
                           {"EndDateTimePicker", "convention/end_date"},
                           {"NominationDateTimePicker", "convention/nomination_date"},
                           {"CityEdit", "convention/location"},
                           {"DefaultOnCheckBox", "default_on"},
                           {"IncumbentCheckBox", "incumbent"},
                           {"PACCheckBox", "advertising/pac"},
                           {"CreditsEdit", "advertising/ad_credits/ad/credits"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        // The host is offered by name and stored by id.
        auto* location = C<QComboBox>("LocationComboBox");
        const TXmlNode* host = Data().PoliticalUnits()->FindNode(
            "political_unit", "id",
            party->GetChild("convention")->GetChild("political_unit")->AttributeValue("id"));
        QCOMPARE(location->currentText().toStdString(), Text(host, "name"));
        location->setCurrentIndex(2);
        emit location->activated(2);
        QCOMPARE(party->GetChild("convention")->GetChild("political_unit")->AttributeValue("id"),
                 PartiesEdit::RegionList(Data())->GetChildAt(2)->AttributeValue("id"));
        // The sample's picture is shown, not the blank one.
        QCOMPARE(form.Picture().size(), QSize(101, 101));
        QVERIFY(form.Picture().pixel(50, 50) != QColor(Qt::white).rgb() ||
                form.Picture().pixel(10, 10) != QColor(Qt::white).rgb());

        // Ad credits move across and back.
        const std::string before = Document(TScenarioFile::Parties);
        auto* available = C<QListWidget>("AvailableAdsListBox");
        auto* selected = C<QListWidget>("SelectedAdsListBox");
        available->selectAll();
        C<QPushButton>("AddAdButton")->click();
        QCOMPARE(available->count(), 0);
        QCOMPARE(selected->count(), Data().Ads()->ChildCount());
        const TXmlNode* credits = party->GetChild("advertising")->GetChild("ad_credits");
        QCOMPARE(credits->ChildCount(), Data().Ads()->ChildCount());
        // The ads just added are the selected ones; "<" takes them back.
        C<QPushButton>("RemoveAdButton")->click();
        QCOMPARE(selected->count(), 2);
        QCOMPARE(C<QLineEdit>("CreditsEdit")->text(), QString());
        QCOMPARE(Document(TScenarioFile::Parties), before);

        selected->setCurrentRow(1);
        Type(C<QLineEdit>("CreditsEdit"), QStringLiteral("7"));
        QCOMPARE(Text(credits->GetChildAt(1), "credits"), std::string("7"));
    }

    void CreditForALostAdIsListedAndRemovable() {
        TXmlNode* party = Party(0);
        PartiesEdit::AddAdCredit(Data(), party, "lost_ad");
        Open<TPartyEditForm>(party);
        auto* selected = C<QListWidget>("SelectedAdsListBox");
        QCOMPARE(selected->count(), 3);
        QVERIFY(selected->item(2)->text().contains(QStringLiteral("lost_ad")));
        selected->clearSelection();
        selected->setCurrentRow(2);
        QCOMPARE(C<QLineEdit>("CreditsEdit")->text(), QStringLiteral("1"));
        // What the lists then hold: PartiesEditTest.AdCreditsSplitAddAndRemove.
        C<QPushButton>("RemoveAdButton")->click();
        QCOMPARE(selected->count(), 2);
    }

    void NewPartyHasNoHostAndABlankPicture() {
        TXmlNode* party = PartiesEdit::NewParty(Data());
        auto& form = Open<TPartyEditForm>(party);
        QCOMPARE(C<QComboBox>("LocationComboBox")->currentIndex(), -1);
        QCOMPARE(party->GetChild("convention")->GetChild("political_unit")->AttributeValue("id"),
                 std::string("-1"));
        QCOMPARE(form.Picture().pixelColor(50, 50), QColor(Qt::white));
    }

    void ColourChooserKeepsAnUnknownNameUntilOneIsPicked() {
        TChangeColourForm chooser(QStringLiteral("Mauve"));
        chooser.show();
        auto* list = Find<QListWidget>(&chooser, "ColorsListBox");
        QCOMPARE(list->item(15)->text(), QStringLiteral("Green-Alternate"));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(chooser.ChosenColour(), QStringLiteral("Mauve"));
        list->setCurrentRow(3);
        QCOMPARE(chooser.ChosenColour(), QStringLiteral("dark-blue"));

        TChangeColourForm known(QStringLiteral("LIGHT-green"));
        QCOMPARE(Find<QListWidget>(&known, "ColorsListBox")->currentRow(), 5);
    }

    // The party's and a leader's colour: the chooser closed (from the button or the swatch)
    // writes nothing, Ok writes the pick (Ok without a pick keeps the name: the chooser's
    // ChosenColour, ColourChooserKeepsAnUnknownNameUntilOneIsPicked).
    void ColoursAreWrittenOnlyByOk() {
        TXmlNode* leader = Party(0)->GetChild("leaders")->GetChildAt(0);
        const struct {
            TXmlNode* Owner;
            const char* Element;
            const char* Swatch;
        } owners[] = {{Party(0), "color", "ColorShape"}, {leader, "leader_color", "ColorSwatch"}};
        for (const auto& owner : owners) {
            owner.Owner->GetChild(owner.Element)->SetText("mauve");
            QWidget* form = owner.Owner == leader
                                ? static_cast<QWidget*>(&Open<TLeaderEditForm>(leader))
                                : &Open<TPartyEditForm>(owner.Owner);
            const auto pick = [form](const char* control, bool ok) {
                return WhileModal([&] { Click(form, control); },
                                  [ok](QWidget* chooser) {
                                      Find<QListWidget>(chooser, "ColorsListBox")->setCurrentRow(6);
                                      if (ok)
                                          Click(chooser, "OkButton");
                                  });
            };
            QCOMPARE(pick("ChangeColorButton", false), QStringLiteral("TChangeColourForm"));
            QCOMPARE(pick(owner.Swatch, false), QStringLiteral("TChangeColourForm"));
            QCOMPARE(Text(owner.Owner, owner.Element), std::string("mauve"));
            pick("ChangeColorButton", true);
            QCOMPARE(Text(owner.Owner, owner.Element), std::string("dark-green"));
        }
    }

    void PartiesListMovesOpensAndMakesParties() {
        Open<TPartiesEditorForm>();
        auto* list = C<QListWidget>("PartiesListBox");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 0);
        // Not past the ends: PartiesEditTest.MoveChildExchangesNeighboursButNotPastTheEnds.
        TXmlNode* first = Party(0);
        C<QPushButton>("DnButton")->click();
        QCOMPARE(Party(1), first);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Civic Union"));
        C<QPushButton>("DnButton")->click();
        C<QPushButton>("DnButton")->click();
        QCOMPARE(Party(2), first);
        QCOMPARE(list->currentRow(), 2);

        // A rename in the editor shows once it closes.
        QCOMPARE(WhileModal([&] { C<QPushButton>("EditButton")->click(); },
                            [](QWidget* editor) {
                                Type(Find<QLineEdit>(editor, "NameEdit"), QStringLiteral("CU2"));
                            }),
                 QStringLiteral("TPartyEditForm"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("CU2"));
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(WhileModal([&] { C<QPushButton>("RelationsButton")->click(); }),
                 QStringLiteral("TPartyRelationsEditorForm"));

        // A new party stays whatever its editor does.
        QCOMPARE(WhileModal([&] { C<QPushButton>("NewButton")->click(); }),
                 QStringLiteral("TPartyEditForm"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(list->item(3)->text(), QStringLiteral("New Party"));
        QCOMPARE(Text(Party(3), "name"), std::string("New Party"));
    }

    // Declining: ListRemovalTest.
    void RemoveSaysWhatWasRepaired() {
        Open<TPartiesEditorForm>();
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::Yes, QStringLiteral("Remove Party"))
            .Ok(QStringLiteral("Attention"));
        C<QPushButton>("RemoveButton")->click();
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(),
                 QStringList({"Are you sure?",
                              "Also updated: 1 endorser, 3 events, 5 relations, 3 regions."}));
    }

    void RelationsShowSwitchesDropStaleRelationsAndAreAdded() {
        TXmlNode* root = Data().Relations();
        root->GetChild("viceleader_offers")->SetText("2");
        TXmlNode* list = root->GetChild("leaders");
        const int before = list->ChildCount();
        TXmlNode* stale = list->AddNewChild("relation", "Good");
        stale->SetAttribute("from", "gone");
        stale->SetAttribute("to", list->GetChildAt(0)->AttributeValue("from"));
        Open<TPartyRelationsEditorForm>();
        QCOMPARE(list->ChildCount(), before);
        auto* lines = C<QListWidget>("RelationsListBox");
        QCOMPARE(lines->count(), before);
        QVERIFY(C<QCheckBox>("EndorsementCheckBox")->isChecked());
        QVERIFY(C<QCheckBox>("VeepCheckBox")->isChecked());
        QCOMPARE(Text(root, "viceleader_offers"), std::string("2"));
        C<QCheckBox>("NonAggressionCheckBox")->click();
        QCOMPARE(Text(root, "non_aggression_offers"), std::string("0"));
        C<QCheckBox>("VeepCheckBox")->click();
        QCOMPARE(Text(root, "viceleader_offers"), std::string("0"));

        auto* from = C<QComboBox>("FromComboBox");
        auto* to = C<QComboBox>("ToComboBox");
        auto* rating = C<QComboBox>("RelationComboBox");
        QCOMPARE(to->count(), 0);
        from->setCurrentIndex(1);
        QCOMPARE(to->count(), from->count() - 1);
        for (int i = 0; i < to->count(); ++i)
            QVERIFY(to->itemText(i) != from->currentText());
        to->setCurrentIndex(0);
        // Without a rating nothing is added.
        C<QPushButton>("AddButton")->click();
        QCOMPARE(list->ChildCount(), before);
        rating->setCurrentIndex(4);
        C<QPushButton>("AddButton")->click();
        C<QPushButton>("AddButton")->click();
        QCOMPARE(list->ChildCount(), before + 2);
        // What a relation holds and how it reads: RelationsEditTest.
        QCOMPARE(list->GetChildAt(before)->GetText(), std::string("Very Bad"));
        QCOMPARE(lines->item(before)->text(),
                 from->currentText() + " <----> " + to->itemText(0) + " : Very Bad");
    }
};

QTEST_MAIN(PartyEditorTest)
#include "PartyEditorTest.moc"
