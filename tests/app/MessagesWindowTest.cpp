// From a verification message or a place found to its item: the messages
// window and Find in Scenario ask the main window to open the step's editor
// at the element, by double-click, Enter or Open; locked steps and vanished
// elements say so. The editors here are stand-ins that record where they
// were opened.

#include "app/ListFilter.h"
#include "app/StepEditors.h"
#include "app/TFindInScenarioForm.h"
#include "app/TScenarioBuilderForm.h"
#include "app/TVerificationMessagesForm.h"
#include "guisupport/MainWindowSetup.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "guisupport/StandInEditors.h"
#include "scenario/ElementTargets.h"
#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <array>
#include <functional>
#include <memory>

using GuiTest::TDataFolder;
using GuiTest::TScenarioCopy;

class MessagesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TDataFolder> Data;
    std::unique_ptr<TScenarioCopy> Copy;
    std::unique_ptr<TScenarioBuilderForm> Form;
    TScenarioData& Scenario() const { return *Form->Session().Scenario(); }
    std::unique_ptr<GuiTest::TStandInEditors> Editors;

    void OpenBrokenSample() {
        Data = std::make_unique<TDataFolder>();
        Copy = std::make_unique<TScenarioCopy>();
        QVERIFY(Copy->IsOpen());
        GuiTest::BreakAdAndLeader(Copy->Data());
        Copy->Data().Save();
        // Autosave off, so a session leaves the scenario modified.
        Form = GuiTest::MainWindowOn(*Data, false, Copy->Folder());
        QVERIFY(Form);
        Editors = std::make_unique<GuiTest::TStandInEditors>();
        Form->RunStepGating();
    }

    int RowOf(const QString& part) const { return GuiTest::MessageRow(*Form, part); }

    // Shows the messages window and runs act inside it, then closes it.
    void WithMessagesWindow(const std::function<void(TVerificationMessagesForm*)>& act) {
        TVerificationMessagesForm* window = Form->MessagesForm();
        bool ran = false;
        QTimer::singleShot(0, window, [&] {
            act(window);
            ran = true;
            window->reject();
        });
        Form->findChild<QPushButton*>("ViewErrorsButton")->click();
        QVERIFY(ran);
    }

    // Opens Edit > Find in Scenario and runs act inside the window, then
    // closes it, even when act fails.
    void WithFindWindow(const std::function<void(TFindInScenarioForm*)>& act) {
        bool ran = false;
        QTimer::singleShot(0, Form.get(), [&] {
            TFindInScenarioForm* window = Form->FindForm();
            if (window) {
                act(window);
                ran = true;
                window->reject();
            }
        });
        auto* find = Form->findChild<QAction*>(QStringLiteral("FindItem"));
        QVERIFY(find && find->isEnabled());
        find->trigger();
        QVERIFY(ran);
    }

private slots:
    void cleanup() {
        Form.reset();
        Editors.reset();
        Copy.reset();
        Data.reset();
    }

    // Every verifier runs; passed says which steps count as verified.
    void VerifyAll(const std::array<bool, 8>& passed) {
        Form->SetVerify([passed](TScenarioData* data) {
            VerificationRun::Run(data, true);
            TVerificationRunResult result;
            result.Ran.fill(true);
            result.Passed = passed;
            return result;
        });
        Form->RunStepGating();
    }

    // Double-click, Enter and Open reach the item; so does Enter on a line
    // the filter leaves shown, and filtering changes nothing.
    void DoubleClickEnterOpenAndTheFilteredLineReachTheItem() {
        OpenBrokenSample();
        QVERIFY(Form->StepButton(4)->isEnabled());
        // A complete run lists the leader's age too.
        VerifyAll({true, true, true, true, true, true, true, true});
        const std::string ads = Scenario().Document(TScenarioFile::Ads).ToText();
        WithMessagesWindow([&](TVerificationMessagesForm* window) {
            QListWidget* list = window->MessagesListBox();
            const int row = RowOf(QStringLiteral("base_power"));
            QVERIFY(row >= 0);
            list->setCurrentRow(row);
            QVERIFY(window->OpenButton()->isEnabled());
            // The whole message, and where the designer finds it.
            const QString whole =
                list->item(row)->text() +
                "\nShown in: Step 4: Ads > Create / Edit Ads > Base Power (base_power)";
            QCOMPARE(list->item(row)->toolTip(), whole);
            QCOMPARE(window->DetailsLabel()->text(), whole);
            const QRect rect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QCOMPARE(Editors->Opened.size(), 1);
            QCOMPARE(Editors->Opened[0].Step, 4);
            QCOMPARE(Editors->Opened[0].Window, QStringLiteral("TAdEditorForm"));
            QCOMPARE(Editors->Opened[0].Items, QStringList{QStringLiteral("/ads/ad[2]")});
            QCOMPARE(Editors->Opened[0].Field, QStringLiteral("base_power"));
            // The editor is owned by the messages window, which stays open
            // with the same line current after the session.
            QCOMPARE(Editors->Opened[0].Owner, window);
            QVERIFY(window->isVisible());
            QCOMPARE(list->currentRow(), row);

            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(Editors->Opened.size(), 2);
            QTest::mouseClick(window->OpenButton(), Qt::LeftButton);
            QCOMPARE(Editors->Opened.size(), 3);

            QLineEdit* filter = ListFilter::FieldOf(list);
            QVERIFY(filter);
            const int age = RowOf(QStringLiteral("age"));
            const int power = RowOf(QStringLiteral("base_power"));
            QVERIFY(age >= 0 && power >= 0);
            list->setCurrentRow(power);
            QTest::keyClicks(filter, QStringLiteral("BASE_POW"));
            QVERIFY(list->isRowHidden(age));
            QVERIFY(!list->isRowHidden(power));
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(Editors->Opened.size(), 4);
            QCOMPARE(Editors->Opened[3].Items, QStringList{QStringLiteral("/ads/ad[2]")});
            filter->clear();
            QVERIFY(!list->isRowHidden(age));
        });
        QCOMPARE(Editors->PlainRuns, 0);
        // Each session counts as a change of Step 4.
        QVERIFY(Form->Session().Modified());
        QCOMPARE(Scenario().Document(TScenarioFile::Ads).ToText(), ads);
    }

    void LockedStepsAndVanishedItemsSaySo() {
        OpenBrokenSample();
        // A complete run reports the leader too, whose Step 5 is locked
        // while the ads do not verify.
        VerifyAll({true, true, true, false, false, true, true, true});
        QVERIFY(!Form->StepButton(5)->isEnabled());
        TScriptedPrompts prompts;
        prompts.Ok("Open in Editor").Ok("Open in Editor");
        WithMessagesWindow([&](TVerificationMessagesForm* window) {
            const int row = RowOf(QStringLiteral("age"));
            QVERIFY(row >= 0);
            window->MessagesListBox()->setCurrentRow(row);
            window->OpenButton()->click();
            QVERIFY(prompts.MessageTexts().last().startsWith(
                QStringLiteral("Step 5: Parties is locked")));

            // The same place in the list now holds another party.
            Scenario().Parties()->RemoveChild(Scenario().Parties()->GetChildAt(1));
            window->OpenButton()->click();
            QVERIFY(prompts.MessageTexts().last().contains(QStringLiteral("no longer")));
            QVERIFY(window->isVisible());
        });
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(Editors->Opened.isEmpty());
    }

    // A fix is one undoable change; the list follows it at once.
    void FixRemovesTheReferenceAsOneUndoableChange() {
        OpenBrokenSample();
        TScenarioData& data = Scenario();
        data.Ads()->GetChildAt(1)->GetChild("base_power")->SetText("3");
        TXmlNode* platform = data.Parties()->GetChildAt(0)->GetChild("platform");
        const int entries = platform->ChildCount();
        platform->GetChildAt(1)->SetAttribute("id", "no_such_issue");
        const std::string broken = data.Document(TScenarioFile::Parties).ToText();
        Form->RunStepGating();
        const QString line = QStringLiteral("Reference not found: issue no_such_issue");
        WithMessagesWindow([&](TVerificationMessagesForm* window) {
            const int row = RowOf(line);
            QVERIFY(row >= 0);
            window->MessagesListBox()->setCurrentRow(row);
            QCOMPARE(window->FixButton()->text(), QStringLiteral("&Fix: Remove this reference"));
            QTest::mouseClick(window->FixButton(), Qt::LeftButton);
            QCOMPARE(RowOf(line), -1);
            QVERIFY(window->isVisible());
            // The age message remains, and it offers nothing to fix.
            const int age = RowOf(QStringLiteral("age"));
            QVERIFY(age >= 0);
            window->MessagesListBox()->setCurrentRow(age);
            QVERIFY(!window->FixButton()->isEnabled());
        });
        QCOMPARE(platform->ChildCount(), entries - 1);
        QVERIFY(Form->Session().Modified());
        auto* undo = Form->findChild<QAction*>(QStringLiteral("UndoItem"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Fix: Remove this reference"));
        undo->trigger();
        QCOMPARE(Scenario().Document(TScenarioFile::Parties).ToText(), broken);
        Form->Session().Redo();
        QCOMPARE(Scenario().Parties()->GetChildAt(0)->GetChild("platform")->ChildCount(),
                 entries - 1);

        // A message the documents have outgrown is refused and changes
        // nothing.
        TScriptedPrompts prompts;
        prompts.Ok("Fix");
        const std::string before = Scenario().Document(TScenarioFile::Parties).ToText();
        WithMessagesWindow([&](TVerificationMessagesForm* window) {
            TVerificationMessage stale = Scenario().Messages().front();
            stale.Repair = TRepairKind::RemoveItem;
            stale.SubjectPath = "/parties/party[1]/platform/issue[99]";
            Scenario().Messages().insert(Scenario().Messages().begin(), stale);
            window->MessagesListBox()->setCurrentRow(1);
            window->MessagesListBox()->setCurrentRow(0);
            QVERIFY(window->FixButton()->isEnabled());
            window->FixButton()->click();
        });
        QCOMPARE(Scenario().Document(TScenarioFile::Parties).ToText(), before);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
    }

    // A text found in any letter case lists its places; Enter on one opens
    // the editor at its item over the find window, and what that session
    // changed is found anew.
    void FindOpensTheEditorAtThePlaceFound() {
        OpenBrokenSample();
        TXmlNode* issue = Scenario().Issues()->GetChildAt(4);
        QCOMPARE(issue->GetChild("name")->GetText(), std::string("Taxes"));
        // The session renames the issue: the place is gone.
        Editors->SetSession(
            [](const TElementTarget& target) { target.Element->SetText("Levies"); });
        WithFindWindow([&](TFindInScenarioForm* window) {
            auto* search = window->findChild<QLineEdit*>(QStringLiteral("SearchEdit"));
            QVERIFY(search);
            QTest::keyClicks(search, QStringLiteral("tAxEs"));
            QTest::keyClick(search, Qt::Key_Return);
            QTreeWidget* results = window->ResultsList();
            const int listed = results->topLevelItemCount();
            QVERIFY(listed > 1);
            for (int row = 0; row < listed; ++row) {
                QTreeWidgetItem* line = results->topLevelItem(row);
                if (line->text(0) == QLatin1String("issues.xml") &&
                    line->text(1) == QLatin1String("issue \"Taxes\" / name"))
                    results->setCurrentItem(line);
            }
            QCOMPARE(window->CurrentElement(), issue->GetChild("name"));
            results->setFocus();
            QTest::keyClick(results, Qt::Key_Return);
            QCOMPARE(Editors->Opened.size(), 1);
            QCOMPARE(Editors->Opened[0].Window, QStringLiteral("TIssueEditorForm"));
            QCOMPARE(Editors->Opened[0].Items, QStringList{QStringLiteral("/issues/issue[5]")});
            QCOMPARE(Editors->Opened[0].Owner, window);
            QCOMPARE(results->topLevelItemCount(), listed - 1);
        });
    }

    // Lines that are no message open nothing.
    void NoErrorsLineOpensNothing() {
        OpenBrokenSample();
        Form->SetVerify([](TScenarioData* data) {
            data->Messages().clear();
            TVerificationRunResult result;
            result.Ran.fill(true);
            result.Passed.fill(true);
            result.ProblemsExist = false;
            return result;
        });
        Form->RunStepGating();
        WithMessagesWindow([&](TVerificationMessagesForm* window) {
            QCOMPARE(window->Lines(), QStringList{QStringLiteral("No Errors.")});
            window->MessagesListBox()->setCurrentRow(0);
            QVERIFY(!window->OpenButton()->isEnabled());
            QVERIFY(!window->FixButton()->isEnabled());
            QTest::keyClick(window->MessagesListBox(), Qt::Key_Return);
        });
        QVERIFY(Editors->Opened.isEmpty());
    }
};

QTEST_MAIN(MessagesWindowTest)
#include "MessagesWindowTest.moc"
