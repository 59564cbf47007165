// The campaign timeline and the starting race map, opened from the Tools
// menu on a copy of the sample: what they show, opening an item's editor,
// F1, and export as PNG and SVG. Neither changes a document. The editors
// here are stand-ins that record where they were opened.

#include "app/Help.h"
#include "app/PictureExport.h"
#include "app/StepEditors.h"
#include "app/TCampaignTimelineForm.h"
#include "app/THelpWindow.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TStartingRaceForm.h"
#include "guisupport/MainWindowSetup.h"
#include "guisupport/ModalWindows.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "guisupport/StandInEditors.h"
#include "scenario/ElementTargets.h"
#include "scenario/map/RegionMap.h"
#include "support/ScenarioFixture.h"
#include "widgets/TMapView.h"
#include "widgets/TTimelineChart.h"
#include "xml/TXmlNode.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using GuiTest::TDataFolder;
using GuiTest::TScenarioCopy;

class CampaignViewsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TDataFolder> Data;
    std::unique_ptr<TScenarioCopy> Copy;
    std::unique_ptr<TScenarioBuilderForm> Form;
    std::unique_ptr<GuiTest::TStandInEditors> Editors;
    QTemporaryDir Out;

    std::vector<std::string> Documents() const {
        return TestScenario::DocumentTexts(*Form->Session().Scenario());
    }

    // Runs the Tools menu item named item and look in the window it shows.
    void FromMenu(const char* item, const QString& window,
                  const std::function<void(QWidget*)>& look) {
        QAction* action = Form->findChild<QAction*>(QLatin1String(item));
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        const auto before = Documents();
        bool looked = false;
        GuiTest::WhenOnTop([action] { action->trigger(); }, window,
                           [&](QWidget* top) {
                               looked = true;
                               look(top);
                           });
        QVERIFY(looked);
        QVERIFY(Documents() == before);
    }

    // Exports through the button into a PNG and an SVG file, each of size.
    void ExportsBoth(QPushButton* button, const QString& name, QSize size) {
        TScriptedPrompts prompts;
        prompts.SaveTo(Out.filePath(name)).SaveTo(Out.filePath(name + ".svg"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        // A name without suffix is a PNG picture.
        const QImage png(Out.filePath(name + ".png"));
        QCOMPARE(png.size(), size);
        QFile svg(Out.filePath(name + ".svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains(
            QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toUtf8()));
    }

    void ExpectF1Opens(QWidget* window, const QString& page) {
        QTest::keyClick(window, Qt::Key_F1);
        QVERIFY(Help::Window());
        QVERIFY2(Help::Window()->CurrentFile().endsWith(page),
                 qPrintable(Help::Window()->CurrentFile()));
        Help::Window()->close();
        window->activateWindow();
    }

private slots:
    void initTestCase() {
        Help::SetHelpFolder(GuiTest::ShippedData() + QStringLiteral("help"));
        Help::InstallF1(*qApp);
    }

    void init() {
        Data = std::make_unique<TDataFolder>();
        Copy = std::make_unique<TScenarioCopy>();
        QVERIFY(Copy->IsOpen());
        // One scripted event ends on a day that does not exist.
        Copy->Data()
            .Events()
            ->GetChild("scripted_events")
            ->GetChildAt(2)
            ->GetChild("end_date")
            ->SetText("02/30/2008");
        Copy->Data().Save();
        // A step without an editor stays locked.
        Editors = std::make_unique<GuiTest::TStandInEditors>();
        Form = GuiTest::MainWindowOn(*Data, false, Copy->Folder());
        QVERIFY(Form);
    }

    void cleanup() {
        Form.reset();
        Editors.reset();
        Copy.reset();
        Data.reset();
    }

    void TimelineOpensItemsWarnsAndExports() {
        FromMenu("CampaignTimelineItem", "TCampaignTimelineForm", [&](QWidget* top) {
            auto* form = qobject_cast<TCampaignTimelineForm*>(top);
            QVERIFY(form);
            ExpectF1Opens(form, QStringLiteral("campaign-timeline.html"));
            TTimelineChart* chart = form->Chart();

            // The broken event is listed; Enter on its entry opens Step 6.
            QListWidget* problems = form->ProblemsListBox();
            QCOMPARE(problems->count(), 1);
            QVERIFY(problems->item(0)->text().contains(QStringLiteral("\"02/30/2008\"")));
            problems->setCurrentRow(0);
            QTest::keyClick(problems, Qt::Key_Return);
            QCOMPARE(Editors->Opened.size(), 1);
            QCOMPARE(Editors->Opened[0].Step, 6);
            QCOMPARE(Editors->Opened[0].Window, QStringLiteral("TScriptedEventsEditorForm"));
            QCOMPARE(Editors->Opened[0].Field, QStringLiteral("start_date"));
            QCOMPARE(Editors->Opened[0].Owner, form);

            // The first item (the primaries) by double-click, the next by
            // Down and Enter; each tooltip names the item and its dates.
            chart->SetCurrent(-1);
            chart->horizontalScrollBar()->setValue(0);
            chart->verticalScrollBar()->setValue(0);
            const QRect first = chart->ItemRect(0);
            QVERIFY(!first.isEmpty());
            QCOMPARE(chart->ItemAt(first.center()), 0);
            QVERIFY(chart->ToolTipOf(0).startsWith(QStringLiteral("Primaries\n02/04/2008 to ")));
            QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, first.center());
            QCOMPARE(Editors->Opened.size(), 2);
            QCOMPARE(Editors->Opened[1].Window, QStringLiteral("TScenarioEditorForm"));
            // The chart was drawn again after the editor: nothing is current.
            QTest::keyClick(chart, Qt::Key_Down);
            QCOMPARE(chart->Current(), 0);
            QTest::keyClick(chart, Qt::Key_Return);
            QCOMPARE(Editors->Opened.size(), 3);

            const double width = chart->DayWidth();
            QTest::keyClick(chart, Qt::Key_Plus);
            QVERIFY(chart->DayWidth() > width);
            ExportsBoth(top->findChild<QPushButton*>(QStringLiteral("ExportButton")),
                        QStringLiteral("timeline"), chart->ChartSize());
        });
    }

    // A chart of a huge scenario as a PNG would need gigabytes: refused
    // with a word, while the drawing is written.
    void PictureTooLargeForPngIsRefused() {
        TScriptedPrompts prompts;
        prompts.SaveTo(Out.filePath("huge")).Ok("Error").SaveTo(Out.filePath("huge.svg"));
        const QSize size(800, PictureExport::LargestPicture + 1);
        int painted = 0;
        const auto paint = [&painted](QPainter&) { ++painted; };
        QVERIFY(!PictureExport::Export(QStringLiteral("Export"), {}, size, paint));
        QVERIFY(!QFile::exists(Out.filePath("huge.png")));
        QVERIFY(prompts.MessageTexts().last().contains(QStringLiteral("SVG")));
        QVERIFY(PictureExport::Export(QStringLiteral("Export"), {}, size, paint));
        QCOMPARE(painted, 1);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    void RaceMapShowsLeadersFiguresAndExports() {
        FromMenu("StartingRaceItem", "TStartingRaceForm", [&](QWidget* top) {
            auto* form = qobject_cast<TStartingRaceForm*>(top);
            QVERIFY(form);
            const TXmlNode* parties = Form->Session().Scenario()->Parties();
            QCOMPARE(form->RaceComboBox()->count(), parties->ChildCount() + 1);
            QCOMPARE(form->TotalsList()->topLevelItemCount(), parties->ChildCount() + 2);

            // The map drawn for the race (its colours are the core's) is shown;
            // pointing at a region shows its figures.
            const auto& first = form->Race().Regions.at(0);
            const auto at = *RegionMap::PointOf(RegionMap::FillPoints(first.Region).at(0));
            const ValueEncodings::TRgb fill = StartingRace::Fill(form->Race(), first);
            QCOMPARE(form->MapImage()->Picture().pixelColor(at.X, at.Y),
                     QColor(fill.Red, fill.Green, fill.Blue));
            QMouseEvent move(QEvent::MouseMove, QPointF(at.X, at.Y),
                             form->MapImage()->mapToGlobal(QPointF(at.X, at.Y)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(form->MapImage(), &move);
            QVERIFY(form->RegionLabel()->text().startsWith(QString::fromStdString(first.Name) +
                                                           QStringLiteral("\nEligible voters: ")));

            // A party's primaries: its leaders.
            form->RaceComboBox()->setCurrentIndex(1);
            const TXmlNode* leaders = parties->GetChildAt(0)->GetChild("leaders");
            QCOMPARE(form->TotalsList()->topLevelItemCount(), leaders->ChildCount() + 2);
            ExportsBoth(top->findChild<QPushButton*>(QStringLiteral("ExportButton")),
                        QStringLiteral("race"), form->DrawingSize());
        });
    }
};

QTEST_MAIN(CampaignViewsTest)
#include "CampaignViewsTest.moc"
