#include "editors/world/TIssueEditorForm.h"
#include "guisupport/EditorTest.h"
#include "scenario/edit/IssuesEdit.h"
#include "scenario/verify/FileVerifiers.h"
#include "xml/TXmlNode.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace GuiTest;

class TIssueEditorFormTest : public TEditorTest {
    Q_OBJECT

    TIssueEditorForm* Form = nullptr;

    TXmlNode* Issue(int index) { return Data().Issues()->GetChildAt(index); }
    QString Pictures() { return FilePath(QStringLiteral("issue_images/")); }
    QListWidget* List() { return C<QListWidget>("IssuesListBox"); }
    QPushButton* Button(const char* name) { return C<QPushButton>(name); }
    bool Shown(const char* name) { return C<QWidget>(name)->isVisibleTo(Form); }
    // Those of the details that are shown.
    QStringList ShownDetails() {
        QStringList shown;
        for (const char* name : {"PositionsGroup", "IssueImageGroup", "UpButton", "DnButton",
                                 "FundraisingEdit", "FundraisingLabel", "CountLabel"})
            if (Shown(name))
                shown << name;
        return shown;
    }
    // The first position issue after the fixed four.
    int FirstOwnPositionIssue() {
        for (int i = IssuesEdit::FixedIssues; i < Data().Issues()->ChildCount(); ++i)
            if (!IssuesEdit::IsAttribute(Issue(i)))
                return i;
        return -1;
    }

    void Open() { Form = &TEditorTest::Open<TIssueEditorForm>(); }

private slots:

    void AttributeIssueIsFixedAndPositionIssuesAreRenamedDescribedAndMoved() {
        Open();
        QCOMPARE(List()->count(), 22);
        QCOMPARE(List()->item(0)->text(), QString::fromStdString(Text(Issue(0), "name")));
        QCOMPARE(C<QGroupBox>("IssuesGroup")->title(),
                 QStringLiteral(" Issues - 22 of 22 Issues Created "));
        QVERIFY(!Button("CreateNewButton")->isEnabled());

        QVERIFY(IssuesEdit::IsAttribute(Form->SelectedIssue()));
        QCOMPARE(C<QLineEdit>("TypeEdit")->text(), QStringLiteral("attribute"));
        QVERIFY(C<QLineEdit>("NameEdit")->isReadOnly());
        QVERIFY(!Button("RemoveButton")->isEnabled());
        QCOMPARE(ShownDetails(), QStringList{});

        // A position issue shows everything but the fundraising bonus.
        List()->setCurrentRow(FirstOwnPositionIssue());
        QVERIFY(!C<QLineEdit>("NameEdit")->isReadOnly());
        QVERIFY(Button("RemoveButton")->isEnabled());
        QCOMPARE(ShownDetails(),
                 (QStringList{"PositionsGroup", "IssueImageGroup", "UpButton", "DnButton"}));
        QCOMPARE(C<QListWidget>("IssuePositionsListBox")->currentRow(), 0);

        // Renamed, described and moved.
        const int row = FirstOwnPositionIssue() + 1;
        TXmlNode* issue = Issue(row);
        List()->setCurrentRow(row);
        Type(C<QLineEdit>("NameEdit"), QStringLiteral("Harbours"));
        QCOMPARE(Text(issue, "name"), "Harbours");
        QCOMPARE(List()->item(row)->text(), QStringLiteral("Harbours"));

        C<QListWidget>("IssuePositionsListBox")->setCurrentRow(2);
        auto* memo = C<QPlainTextEdit>("PositionDescriptionMemo");
        const TXmlNode* position = issue->GetChild("positions")->GetChildAt(2);
        QCOMPARE(memo->toPlainText().toStdString(), Text(position, "description"));
        memo->selectAll();
        QTest::keyClicks(memo, QString(130, QLatin1Char('d')));
        QCOMPARE(Text(position, "description"), std::string(120, 'd'));

        // Up from the sixth place moves to the fifth; the fifth stays.
        QTest::mouseClick(Button("UpButton"), Qt::LeftButton);
        QCOMPARE(Issue(row - 1), issue);
        QCOMPARE(List()->currentRow(), row - 1);
        QCOMPARE(List()->item(row - 1)->text(), QStringLiteral("Harbours"));
        QVERIFY(!Button("UpButton")->isEnabled()); // IssuesEdit.TheFirstFourNeverMove
        QTest::mouseClick(Button("DnButton"), Qt::LeftButton);
        QCOMPARE(Issue(row), issue);
        QCOMPARE(List()->currentRow(), row);

        List()->setCurrentRow(21);
        QVERIFY(!Button("DnButton")->isEnabled());
    }

    void RemoveThenCreateKeepsTheScenarioClean() {
        Open();
        const int row = FirstOwnPositionIssue() + 1;
        List()->setCurrentRow(row);
        // An event about the issue falls back to none, and the designer hears of it.
        TScriptedPrompts prompts;
        prompts.Ok(QStringLiteral("Attention"));
        QTest::mouseClick(Button("RemoveButton"), Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(prompts.MessageTexts(), QStringList{QStringLiteral("Also updated: 1 event.")});
        QCOMPARE(List()->count(), 21);
        QCOMPARE(List()->currentRow(), row - 1);
        QCOMPARE(Form->SelectedIssue(), Issue(row - 1));
        QCOMPARE(C<QGroupBox>("IssuesGroup")->title(),
                 QStringLiteral(" Issues - 21 of 22 Issues Created "));
        QVERIFY(Button("CreateNewButton")->isEnabled());

        QTest::mouseClick(Button("CreateNewButton"), Qt::LeftButton);
        QCOMPARE(List()->count(), 22);
        QCOMPARE(List()->currentRow(), 21);
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QStringLiteral("New Issue"));
        QCOMPARE(C<QPlainTextEdit>("PositionDescriptionMemo")->toPlainText(),
                 QStringLiteral("Far-Left description"));
        QVERIFY(!Button("CreateNewButton")->isEnabled()); // full: IssuesEdit's NewIssue refuses too

        // Showing the new issue made its blank picture.
        const QString picture = Pictures() + QString::fromStdString(Text(Issue(21), "picture"));
        QCOMPARE(QImage(picture).size(), QSize(32, 32));
    }

    void OldFilesGetPictureNamesAndMissingPicturesAreMadeBlank() {
        // Which names: IssuesEdit.PictureNamesForOldFilesAndEmptyNames.
        Remove(Issue(0), "picture");
        Issue(6)->GetChild("picture")->SetText("");
        Open();
        QCOMPARE(Text(Issue(0), "picture"), "issue0.bmp");
        // Made blank at the issue pictures' size (blank: PicturesTest).
        QCOMPARE(QImage(Pictures() + QStringLiteral("issue0.bmp")).size(), QSize(32, 32));
        List()->setCurrentRow(6);
        const std::string id = Issue(6)->AttributeValue("id");
        QCOMPARE(Text(Issue(6), "picture"), id + ".bmp");
        QVERIFY(QFileInfo::exists(Pictures() + QString::fromStdString(id + ".bmp")));
        QVERIFY(VerifyIssues(Data()));
    }

    void EmptyIssuesFileShowsNothing() {
        QVERIFY(Data().Document(TScenarioFile::Issues).Parse("<issues></issues>"));
        Open();
        QVERIFY(Entries(List()).isEmpty());
        QVERIFY(!Button("RemoveButton")->isEnabled());
        QVERIFY(!Shown("PositionsGroup"));
        QVERIFY(Button("CreateNewButton")->isEnabled());
        QCOMPARE(C<QLineEdit>("NameEdit")->text(), QString());
        // The picture takes clicks of its own, and without an issue does nothing.
        QTest::mouseClick(C<QWidget>("IssueImage"), Qt::LeftButton);
        QTest::mouseClick(Button("CreateNewButton"), Qt::LeftButton);
        QCOMPARE(Entries(List()), QStringList{"New Issue"});
        QCOMPARE(C<QGroupBox>("IssuesGroup")->title(),
                 QStringLiteral(" Issues - 1 of 22 Issues Created "));
    }
};

QTEST_MAIN(TIssueEditorFormTest)
#include "TIssueEditorFormTest.moc"
