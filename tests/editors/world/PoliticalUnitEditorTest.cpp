// The Step 3 editors on a copy of the sample scenario: the map, the region
// list and the issue centres form.
#include "app/ControlBinding.h"
#include "editors/world/TIssueCentersForm.h"
#include "editors/world/TPoliticalUnitEditorForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "scenario/map/RegionMap.h"
#include "widgets/TMapView.h"
#include "xml/TXmlNode.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <memory>

namespace PU = PoliticalUnitsEdit;

namespace {

// Map points of the sample: inside Aldmoor, on Brenvale, the two islands of
// the Quen Isles, open sea that belongs to no region, and a black border.
const QPoint InAldmoor(100, 100);
const QPoint InBrenvale(228, 110);
const QPoint QuenMain(452, 318);
const QPoint QuenIsland(405, 352);
const QPoint Sea(4, 4);
const QPoint Border(250, 190);

QColor PixelAt(const QImage& image, QPoint at) {
    return image.pixelColor(at);
}

} // namespace

using GuiTest::Text;

class PoliticalUnitEditorTest : public GuiTest::TEditorTest {
    Q_OBJECT

    TPoliticalUnitEditorForm* Form = nullptr;
    std::unique_ptr<TScriptedPrompts> Prompts;

    TMapView* Map() { return C<TMapView>("MapImage"); }
    QListWidget* List() { return C<QListWidget>("RegionsListBox"); }
    QPushButton* Button(const char* name) { return C<QPushButton>(name); }
    bool Shown(const char* group) { return C<QGroupBox>(group)->isVisibleTo(Form); }
    TXmlNode* Region(int i) { return PU::Regions(Data())[static_cast<size_t>(i)]; }
    int UnitEntries() { return Data().Percentages()->GetChild("political_units")->ChildCount(); }
    void Open() {
        Form = &TEditorTest::Open<TPoliticalUnitEditorForm>();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
    }
    void Click(QPoint at) { QTest::mouseClick(Map(), Qt::LeftButton, {}, at); }
    // What a screen reader reads of the map beside its name.
    QString Announced() {
        return QAccessible::queryAccessibleInterface(Map())->text(QAccessible::Description);
    }

    void Started() override { Prompts = std::make_unique<TScriptedPrompts>(); }
    void Finishing() override {
        Close();
        const bool done = Prompts->Done();
        const QString problems = Prompts->Problems();
        Prompts.reset();
        QVERIFY2(done, qPrintable(problems));
    }

private slots:

    // A region without its general election gets one (what it holds:
    // PoliticalUnitsEditTest.GeneralElectionIsFoundOrAddedAtTheEndDate).
    void OpensOnTheNationWithTheSampleMap() {
        // The sample's map already has its size and depth: read, not rewritten
        // (any writer would clear the header's reserved bytes).
        QFile file(FilePath("map.bmp"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(6) && file.write("SC", 2) == 2);
        file.close();
        const QByteArray map = GuiTest::FileBytes(FilePath("map.bmp"));
        TXmlNode* events = Region(3)->GetChild("election_events");
        events->RemoveChild(PU::GeneralElection(Data(), Region(3)));
        const int32_t count = events->ChildCount();
        Open();
        QCOMPARE(GuiTest::FileBytes(FilePath("map.bmp")), map);
        QCOMPARE(events->ChildCount(), count + 1);
        QCOMPARE(events->GetChildAt(count), PU::GeneralElection(Data(), Region(3)));
        QVERIFY(Form->HasMap());
        QCOMPARE(List()->count(), 9);
        QCOMPARE(Form->ShownUnit(), PU::Nation(Data()));
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("Tellavar"));
        QVERIFY(Shown("DetailsGroup"));
        QVERIFY(!Shown("DetailsContinuedGroup"));
        QCOMPARE(Map()->LabelCount(), 9);
        QCOMPARE(Map()->Label(0).Text, QStringLiteral("AM"));
        QCOMPARE(Map()->LabelRect(0).topLeft(), QPoint(92, 108));
    }

    void ClickingARegionOrItsLabelSelectsItAndALabelIsDragged() {
        Open();
        Click(InAldmoor + QPoint(6, 3));
        QCOMPARE(Form->SelectedRegion(), Region(0));
        QCOMPARE(List()->currentRow(), 0);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("Aldmoor"));
        QVERIFY(Shown("DetailsGroup") && Shown("DetailsContinuedGroup"));
        QVERIFY(!Button("AddButton")->isEnabled());
        QVERIFY(Button("RemoveButton")->isEnabled());
        const QImage& map = Map()->Picture();
        QCOMPARE(PixelAt(map, InAldmoor), QColor(0, 255, 0));
        QCOMPARE(PixelAt(map, InBrenvale), QColor(0, 128, 0));
        // A click on a border changes nothing.
        Click(Border);
        QCOMPARE(Form->SelectedRegion(), Region(0));
        QVERIFY(!Form->PendingRegion());

        // Each island of a two-island region lights up by itself.
        Click(QuenIsland);
        QCOMPARE(Form->SelectedRegion(), Region(8));
        QCOMPARE(Form->HighlightedPoint(), RegionMap::FillPoints(Region(8))[1]);
        QCOMPARE(PixelAt(Map()->Picture(), QuenIsland), QColor(0, 255, 0));
        QCOMPARE(PixelAt(Map()->Picture(), QuenMain), QColor(0, 128, 0));
        QCOMPARE(PixelAt(Map()->Picture(), InAldmoor), QColor(0, 128, 0));

        // Pressing a label selects its region; dragging it stores the new position.
        const QPoint grab = Map()->LabelRect(0).topLeft() + QPoint(3, 4);
        QTest::mousePress(Map(), Qt::LeftButton, {}, grab);
        QCOMPARE(Form->SelectedRegion(), Region(0));
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 0)),
                         QPointF(Map()->mapToGlobal(grab + QPoint(30, 0))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(Map(), &move);
        QTest::mouseRelease(Map(), Qt::LeftButton, {}, grab + QPoint(30, 0));
        TXmlNode* position = RegionMap::AbbreviationPosition(Region(0));
        QCOMPARE(Text(position, "x"), std::string("122"));
        QCOMPARE(Text(position, "y"), std::string("108"));
        QCOMPARE(Map()->LabelRect(0).topLeft(), QPoint(122, 108));
    }

    void NewAreaShowsNoDetailsUntilAdd() {
        Open();
        const int regions = List()->count();
        const QDir flags(FilePath("region_images"));
        const QStringList files = flags.entryList(QDir::Files);
        Click(Sea);
        QVERIFY(Form->PendingRegion());
        QCOMPARE(flags.entryList(QDir::Files), files);
        QVERIFY(!Shown("DetailsGroup") && !Shown("DetailsContinuedGroup"));
        QVERIFY(Button("AddButton")->isEnabled());
        QVERIFY(!Button("AddExistingButton")->isEnabled());
        QVERIFY(!Button("RemoveButton")->isEnabled());
        QCOMPARE(PixelAt(Map()->Picture(), Sea), QColor(255, 0, 0));
        QCOMPARE(static_cast<int>(PU::Regions(Data()).size()), regions);

        Button("AddButton")->click();
        QVERIFY(!Form->PendingRegion());
        QCOMPARE(static_cast<int>(PU::Regions(Data()).size()), regions + 1);
        QCOMPARE(List()->currentItem()->text(), QStringLiteral("New Region"));
        QCOMPARE(Form->SelectedRegion(), Region(regions));
        QVERIFY(Shown("DetailsGroup") && Shown("DetailsContinuedGroup"));
        // Shown once, the new region has a flag file (its general election:
        // PoliticalUnitsEditTest.GeneralElectionIsFoundOrAddedAtTheEndDate).
        const std::string id = Region(regions)->AttributeValue("id");
        QCOMPARE(Text(Region(regions), "logo"), id + ".bmp");
        QVERIFY(QFile::exists(FilePath("region_images/" + QString::fromStdString(id) + ".bmp")));

        // Typing the name renames the entry, the abbreviation its label.
        QTest::keyClicks(C<QLineEdit>("NameEdit"), QStringLiteral("x"));
        QCOMPARE(List()->currentItem()->text(), QStringLiteral("New Regionx"));
        QTest::keyClicks(C<QLineEdit>("AbbreviationEdit"), QStringLiteral("NR"));
        QCOMPARE(Map()->Label(regions).Text, QStringLiteral("NR"));
        QCOMPARE(Text(Region(regions), "abbreviation"), std::string("NR"));
    }

    // Keys only: Tab to the map, the arrows to open sea, Space builds the
    // region there and Alt+A adds it. A reader hears where the cross-hair is.
    void KeyboardAloneBuildsAndAddsARegion() {
        Open();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form));
        const int regions = List()->count();
        auto tabToMap = [&] {
            for (int press = 0; press < 60 && QApplication::focusWidget() != Map(); ++press)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Map());
        };
        tabToMap();
        QCOMPARE(Map()->CrossHair(), Border);

        auto press = [&](Qt::Key key, int times, Qt::KeyboardModifiers modifiers = {}) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(Map(), key, modifiers);
        };
        press(Qt::Key_Left, 15, Qt::ShiftModifier);
        press(Qt::Key_Up, 9, Qt::ShiftModifier);
        QCOMPARE(Map()->CrossHair(), InAldmoor);
        QCOMPARE(Announced(), QStringLiteral("Aldmoor at 100, 100"));
        press(Qt::Key_Left, 100);
        press(Qt::Key_Up, 100); // stops at the corner
        QCOMPARE(Map()->CrossHair(), QPoint(0, 0));
        press(Qt::Key_Right, 4);
        press(Qt::Key_Down, 4);
        QCOMPARE(Map()->CrossHair(), Sea);
        QCOMPARE(Announced(), QStringLiteral("no region at 4, 4"));
        QCOMPARE(Map()->grab().toImage().pixelColor(Sea + QPoint(5, 0)), QColor(Qt::black));
        QVERIFY(!Form->PendingRegion());

        QTest::keyClick(Map(), Qt::Key_Space);
        QVERIFY(Form->PendingRegion());
        QCOMPARE(PixelAt(Map()->Picture(), Sea), QColor(255, 0, 0));
        QTest::keyClick(Map(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!Form->PendingRegion()); // a mnemonic clicks a moment later
        QCOMPARE(static_cast<int>(PU::Regions(Data()).size()), regions + 1);
        QCOMPARE(Form->SelectedRegion(), Region(regions));
        QCOMPARE(Announced(), QStringLiteral("New Region at 4, 4"));

        // Enter clicks too: back on Aldmoor it selects it.
        tabToMap();
        press(Qt::Key_Right, 96);
        press(Qt::Key_Down, 96);
        QTest::keyClick(Map(), Qt::Key_Return);
        QCOMPARE(Form->SelectedRegion(), Region(0));
    }

    void AddToExistingMakesAnIslandOfTheListedRegion() {
        Open();
        List()->setCurrentRow(1);
        QCOMPARE(Form->SelectedRegion(), Region(1));
        Click(Sea);
        QVERIFY(Form->PendingRegion());
        QVERIFY(Button("AddExistingButton")->isEnabled());
        Button("AddExistingButton")->click();
        QVERIFY(!Form->PendingRegion());
        QCOMPARE(RegionMap::FillPoints(Region(1)).size(), size_t(2));
        QCOMPARE(UnitEntries(), 9);
        List()->setCurrentRow(0);
        Click(Sea);
        QCOMPARE(Form->SelectedRegion(), Region(1));
        QCOMPARE(PixelAt(Map()->Picture(), Sea), QColor(0, 255, 0));
    }

    void CitiesAndPointsAreAddedAndRemoved() {
        Open();
        Click(InAldmoor);
        auto* cities = C<QListWidget>("CitiesListBox");
        QCOMPARE(cities->count(), 3);
        C<QLineEdit>("CityEdit")->setText(QStringLiteral("Fernlow"));
        Button("AddCityButton")->click();
        QCOMPARE(cities->count(), 4);
        QCOMPARE(Region(0)->GetChild("cities")->GetChildAt(3)->GetText(), std::string("Fernlow"));
        cities->setCurrentRow(0);
        Button("RemoveCityButton")->click();
        QCOMPARE(Region(0)->GetChild("cities")->ChildCount(), 3);
        QCOMPARE(Region(0)->GetChild("cities")->GetChildAt(0)->GetText(), std::string("Hollin"));

        // A point goes only where there are several.
        Button("RemovePointButton")->click();
        QCOMPARE(Form->SelectedRegion(), Region(0));
        QVERIFY(!Form->PendingRegion()); // which point goes:
                                         // PoliticalUnitsEditTest.FillPointsAndIslands

        Click(QuenIsland);
        Button("RemovePointButton")->click();
        QVERIFY(Form->PendingRegion());
        QCOMPARE(PixelAt(Map()->Picture(), QuenIsland), QColor(255, 0, 0));
    }

    void RemoveSelectsTheOneBefore() {
        Open();
        List()->setCurrentRow(2);
        // Candidates at home there go back to no home region.
        Prompts->Ok("Attention");
        Button("RemoveButton")->click();
        QCOMPARE(Prompts->MessageTexts(), QStringList{"Also updated: 1 vice-leader, 1 leader."});
        QCOMPARE(List()->count(), 8);
        QCOMPARE(List()->currentRow(), 1);
        QCOMPARE(Form->SelectedRegion(), Region(1));
        QCOMPARE(Map()->LabelCount(), 8);

        Button("MoveUpButton")->click();
        QCOMPARE(Text(Region(0), "name"), std::string("Brenvale"));
        QCOMPARE(List()->currentRow(), 0);

        Prompts->Ok("Attention");
        Button("RemoveAllButton")->click();
        QCOMPARE(List()->count(), 0);
        QCOMPARE(Form->ShownUnit(), PU::Nation(Data()));
    }

    // Without a map entry a region is listed but not painted; without a media market
    // its field is bound to nothing.
    void RegionsLackingAMapEntryOrAMediaMarket() {
        TXmlNode* region = Region(0);
        region->RemoveChild(region->GetChild("map"));
        region->RemoveChild(region->GetChild("media_market_name"));
        TXmlNode* brenvaleMap = Region(1)->GetChild("map");
        brenvaleMap->RemoveChild(brenvaleMap->GetChild("abbreviation_position"));
        Open();
        QCOMPARE(List()->count(), 9);
        QVERIFY(Map()->LabelRect(0).isEmpty());
        QVERIFY(Map()->LabelRect(1).isEmpty());
        QCOMPARE(PixelAt(Map()->Picture(), InBrenvale), QColor(0, 128, 0));
        List()->setCurrentRow(0);
        QCOMPARE(Form->SelectedRegion(), Region(0));
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("Aldmoor"));
        // Its land is free again: a click there prepares a new region.
        Click(InAldmoor);
        QVERIFY(Form->PendingRegion());
        // A region without a label position is still found by its area.
        List()->setCurrentRow(1);
        Click(InBrenvale);
        QCOMPARE(Form->SelectedRegion(), Region(1));

        auto* market = C<QLineEdit>("MediaMarketEdit");
        QCOMPARE(market->text(), QStringLiteral("Wenlow"));
        List()->setCurrentRow(0);
        QVERIFY(market->text().isEmpty());
        QCOMPARE(ControlBinding::BoundElement(market), nullptr);
        market->setText(QStringLiteral("Typed"));
        QCOMPARE(region->GetChild("media_market_name"), nullptr);
    }

    void LoadingAMapReplacesRegionsAndStoresIt() {
        // Without a map the view says what to load.
        QVERIFY(QFile::rename(FilePath("map.bmp"), FilePath("old.bmp")));
        Open();
        QVERIFY(Map()->ShowsHint());
        QVERIFY(Map()->Hint().contains("501 x 381"));
        QVERIFY(QFile::rename(FilePath("old.bmp"), FilePath("map.bmp")));
        QImage picture(100, 50, QImage::Format_RGB888);
        picture.fill(Qt::yellow);
        const QString source = FilePath("drawn.bmp");
        QVERIFY(picture.save(source, "BMP"));
        const QString bad = FilePath("not-a-picture.bmp");
        GuiTest::WriteBytes(bad, "this is no bitmap");
        Open();
        // Declined, or a file that is no picture: nothing changes.
        const QByteArray map = GuiTest::FileBytes(FilePath("map.bmp"));
        Prompts->Answer(TPromptAnswer::No, "Warning");
        Button("LoadButton")->click();
        Prompts->Answer(TPromptAnswer::Yes, "Warning").ChooseFile(bad).Ok("Error");
        Button("LoadButton")->click();
        QCOMPARE(List()->count(), 9);
        QCOMPARE(GuiTest::FileBytes(FilePath("map.bmp")), map);
        Prompts->Answer(TPromptAnswer::Yes, "Warning").ChooseFile(source).Ok("Attention");
        Button("LoadButton")->click();
        QCOMPARE(List()->count(), 0);
        const QImage stored(FilePath("map.bmp"));
        QCOMPARE(stored.size(), QSize(501, 381));
        QCOMPARE(stored.pixelColor(250, 190), QColor(Qt::yellow));
        QVERIFY(!Map()->ShowsHint());
    }

    void AllIssueCentersSetEveryCentreOfTheSelectedRegions() {
        TEditorTest::Open<TIssueCentersForm>();
        auto* regions = C<QListWidget>("RegionsListBox");
        QCOMPARE(regions->count(), 9);
        QCOMPARE(regions->currentRow(), 0);
        regions->item(0)->setSelected(true);
        regions->item(2)->setSelected(true);
        const auto issues = PU::PositionIssues(Data());
        QCOMPARE(issues.size(), size_t(18));
        const int untouched = PU::CentrePosition(Region(1), issues[0]->AttributeValue("id"));
        auto* all = C<QSlider>("TrackBar1");
        all->setValue(1);
        for (const TXmlNode* issue : issues) {
            const std::string id = issue->AttributeValue("id");
            QCOMPARE(Text(PU::IssueCentre(Region(0), id), "center"), std::string("Far-Left"));
            QCOMPARE(Text(PU::IssueCentre(Region(2), id), "center"), std::string("Far-Left"));
        }
        QCOMPARE(PU::CentrePosition(Region(1), issues[0]->AttributeValue("id")), untouched);
        auto* description = C<QLineEdit>("DescriptionEdit1");
        QVERIFY(description->text().startsWith(QStringLiteral("Far-Left - ")));

        // One row for the selected regions, then Select All.
        auto* bar = C<QSlider>("CenterTrackBar1");
        C<QPushButton>("SelectAllButton")->click();
        bar->setValue(6);
        for (TXmlNode* region : PU::Regions(Data()))
            QCOMPARE(Text(PU::IssueCentre(region, issues[0]->AttributeValue("id")), "center"),
                     std::string("Right"));
    }

    void ProfilesAreNational() {
        TEditorTest::Open<TIssueCentersForm>();
        auto* issues = C<QListWidget>("IssuesListBox");
        QCOMPARE(issues->count(), Data().Issues()->ChildCount());
        issues->setCurrentRow(1);
        auto* general = C<QComboBox>("AttributeGeneralProfileComboBox");
        const std::string id = Data().Issues()->GetChildAt(1)->AttributeValue("id");
        QCOMPARE(general->currentText().toStdString(),
                 Text(PU::IssueCentre(PU::Nation(Data()), id), "initial_generalelection_profile"));
        general->setCurrentIndex(general->findText(QStringLiteral("Low")));
        emit general->activated(general->currentIndex());
        // The regions follow: PoliticalUnitsEditTest.CentresAndNationalProfiles.
        QCOMPARE(Text(PU::IssueCentre(PU::Nation(Data()), id), "initial_generalelection_profile"),
                 std::string("Low"));
    }
};

QTEST_MAIN(PoliticalUnitEditorTest)
#include "PoliticalUnitEditorTest.moc"
