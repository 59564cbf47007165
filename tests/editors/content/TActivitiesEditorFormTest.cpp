#include "editors/content/TActivitiesEditorForm.h"
#include "app/Pictures.h"
#include "guisupport/EditorTest.h"
#include "xml/TXmlNode.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

std::string Activity(const char* id, const char* name, const char* picture) {
    return std::string("<activity id=\"") + id + "\"><name>" + name + "</name><picture>" + picture +
           "</picture><energy_points>3</energy_points><command_points>1</command_points>"
           "<cost>250</cost><base_power>2</base_power>"
           "<chance_national_news>15</chance_national_news><chance_backfire>4</chance_backfire>"
           "<has_issue_focus>1</has_issue_focus><requires_location>0</requires_location>"
           "</activity>";
}

const std::string Lists =
    "<activities><leaders>" + Activity("rest", "Rest", "rest.bmp") +
    Activity("town_hall", "Town Hall", "town_hall.bmp") + "</leaders><viceleaders>" +
    Activity("fundraiser", "Fundraiser", "fundraiser.bmp") + "</viceleaders></activities>";

} // namespace

using GuiTest::Text;
using GuiTest::Type;

class TActivitiesEditorFormTest : public GuiTest::TEditorTest {
    Q_OBJECT

    TActivitiesEditorForm* Form = nullptr;

    QString Pictures() { return FilePath(QStringLiteral("activity_images/")); }
    TXmlNode* ListNode(const char* name) { return Data().Activities()->GetChild(name); }
    QListWidget* List() { return C<QListWidget>("ActivitiesListBox"); }
    QLineEdit* Edit(const char* name) { return C<QLineEdit>(name); }
    QPushButton* Button(const char* name) { return C<QPushButton>(name); }
    QStringList Lines() { return GuiTest::Entries(List()); }

    void Open(const std::string& activities) {
        Close(); // before its document goes
        QVERIFY(Data().Document(TScenarioFile::Activities).Parse(activities));
        Form = &TEditorTest::Open<TActivitiesEditorForm>();
    }
    void WriteBlank(const QString& name) {
        QDir().mkpath(Pictures());
        QVERIFY(Pictures::Blank(Pictures::Activity.Size).save(Pictures() + name, "BMP"));
    }

private slots:

    // Rest keeps its name, but its costs change.
    void ListsLeadersThenVeepsAndEditsTheSelectedOrOwnOne() {
        Open(Lists);
        QCOMPARE(Lines(), (QStringList{"Leader Rest", "Leader Town Hall", "Veep Fundraiser"}));
        QCOMPARE(List()->currentRow(), 0);
        TXmlNode* rest = ListNode("leaders")->GetChildAt(0);
        QVERIFY(Edit("NameEdit")->isReadOnly());
        QVERIFY(!Button("RemoveActivityButton")->isEnabled());
        Type(Edit("EPEdit"), QStringLiteral("15"));
        QCOMPARE(Text(rest, "energy_points"), std::string("15"));
        List()->setCurrentRow(2);
        const QString faults = GuiTest::BindingFaults(Form, ListNode("viceleaders")->GetChildAt(0),
                                                      {{"NameEdit", "name"},
                                                       {"EPEdit", "energy_points"},
                                                       {"CPEdit", "command_points"},
                                                       {"CostEdit", "cost"},
                                                       {"PowerEdit", "base_power"},
                                                       {"ChanceOfNewsEdit", "chance_national_news"},
                                                       {"IssueFocusCheckBox", "has_issue_focus"},
                                                       {"LocationCheckBox", "requires_location"}});
        QVERIFY2(faults.isEmpty(), qPrintable(faults));

        // Town Hall is the designer's own: renamed and removed.
        List()->setCurrentRow(1);
        QVERIFY(!Edit("NameEdit")->isReadOnly());
        QVERIFY(Button("RemoveActivityButton")->isEnabled());
        Type(Edit("NameEdit"), QStringLiteral("Rally"));
        QCOMPARE(Text(ListNode("leaders")->GetChildAt(1), "name"), std::string("Rally"));
        QCOMPARE(List()->item(1)->text(), QStringLiteral("Leader Rally"));

        QTest::mouseClick(Button("RemoveActivityButton"), Qt::LeftButton);
        QCOMPARE(ListNode("leaders")->ChildCount(), 1);
        QCOMPARE(Lines(), (QStringList{"Leader Rest", "Veep Fundraiser"}));
        QCOMPARE(List()->currentRow(), 0);
        QCOMPARE(Edit("NameEdit")->text(), QStringLiteral("Rest"));
    }

    void NewActivitiesGetBlankPictures() {
        WriteBlank(QStringLiteral("rest.bmp"));
        WriteBlank(QStringLiteral("town_hall.bmp"));
        WriteBlank(QStringLiteral("fundraiser.bmp"));
        Open(Lists);

        QTest::mouseClick(Button("NewLeaderActivityButton"), Qt::LeftButton);
        QCOMPARE(Lines(), (QStringList{"Leader Rest", "Leader Town Hall", "Leader New Activity",
                                       "Veep Fundraiser"}));
        QCOMPARE(List()->currentRow(), 2);
        TXmlNode* leader = ListNode("leaders")->GetChildAt(2);
        QCOMPARE(Form->SelectedActivity(), leader);
        QVERIFY(!Edit("NameEdit")->isReadOnly());

        QTest::mouseClick(Button("NewVeepActivityButton"), Qt::LeftButton);
        QCOMPARE(List()->currentRow(), 4);
        QCOMPARE(List()->item(4)->text(), QStringLiteral("Veep New Activity"));
        TXmlNode* veep = ListNode("viceleaders")->GetChildAt(1);

        for (const TXmlNode* activity : {leader, veep}) {
            const std::string id = activity->AttributeValue("id");
            QVERIFY(!id.empty());
            const QString file = Pictures() + QString::fromStdString(id + ".bmp");
            QVERIFY(Pictures::IsStoredAt(file, QSize(32, 32)));
        }
        QVERIFY(leader->AttributeValue("id") != veep->AttributeValue("id"));
    }

    void MissingListsAreShownAsEmpty() {
        Open("<activities><leaders>" + Activity("rest", "Rest", "rest.bmp") +
             "</leaders></activities>");
        QCOMPARE(Lines(), QStringList{"Leader Rest"});
        QVERIFY(Button("NewLeaderActivityButton")->isEnabled());
        QVERIFY(!Button("NewVeepActivityButton")->isEnabled());
        Open("<activities></activities>");
        QVERIFY(Lines().isEmpty());
        QVERIFY(!Button("NewLeaderActivityButton")->isEnabled());
        QVERIFY(!Button("NewVeepActivityButton")->isEnabled());
        QVERIFY(!Button("RemoveActivityButton")->isEnabled());
        QVERIFY(!Button("ChangePictureButton")->isEnabled());
        // The picture takes clicks of its own, and without an activity does nothing.
        QTest::mouseClick(Form->findChild<QWidget*>(QStringLiteral("ActivityPicture")),
                          Qt::LeftButton);
        QCOMPARE(Data().Activities()->ChildCount(), 0);
        QCOMPARE(Edit("EPEdit")->text(), QString());
    }
};

QTEST_MAIN(TActivitiesEditorFormTest)
#include "TActivitiesEditorFormTest.moc"
