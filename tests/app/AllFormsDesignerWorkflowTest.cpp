// A designer's session with the real editors: the sample broken in three
// places, each message opened straight at its field and mended there or by
// a quick fix, a whole step undone, and yesterday's backup restored.

#include "app/TScenarioBuilderForm.h"
#include "app/TVerificationMessagesForm.h"
#include "guisupport/MainWindowSetup.h"
#include "guisupport/ModalWindows.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "xml/TXmlNode.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using GuiTest::TDataFolder;
using GuiTest::TScenarioCopy;

class AllFormsDesignerWorkflowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TDataFolder> Data;
    std::unique_ptr<TScenarioCopy> Copy;
    std::unique_ptr<TScenarioBuilderForm> Form;
    TScenarioData& Scenario() const { return *Form->Session().Scenario(); }

    TVerificationMessagesForm* Messages() const { return Form->MessagesForm(); }

    int RowOf(const QString& part) const { return GuiTest::MessageRow(*Form, part); }

    // Opens the message containing part with Enter; once window is on top
    // with focus in the field named focus, types text there and closes the
    // editors again.
    void OpenAndType(const QString& part, const QString& window, const QString& focus,
                     const QString& text) {
        const int row = RowOf(part);
        QVERIFY2(row >= 0, qPrintable(Messages()->Lines().join(QLatin1Char('\n'))));
        Messages()->MessagesListBox()->setCurrentRow(row);
        bool typed = false;
        const QString top = GuiTest::WhenOnTop(
            [&] { QTest::keyClick(Messages()->MessagesListBox(), Qt::Key_Return); }, window,
            [&](QWidget* editor) {
                auto* field = qobject_cast<QLineEdit*>(editor->focusWidget());
                QVERIFY(field);
                field->selectAll();
                QTest::keyClicks(field, text);
                typed = true;
            },
            focus, Messages());
        QCOMPARE(top, window);
        QVERIFY(typed);
    }

    std::string Text(TScenarioFile file) const { return Scenario().Document(file).ToText(); }

private slots:
    void init() {
        Data = std::make_unique<TDataFolder>();
        Copy = std::make_unique<TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        TScenarioData& data = Copy->Data();
        GuiTest::BreakAdAndLeader(data);
        data.Parties()
            ->GetChildAt(0)
            ->GetChild("platform")
            ->GetChildAt(1)
            ->SetAttribute("id", "no_such_issue");
        data.Save();
        Form = GuiTest::MainWindowOn(*Data, false, Copy->Folder());
        QVERIFY(Form);
    }

    void cleanup() {
        Form.reset();
        Copy.reset();
        Data.reset();
    }

    void ThreeFaultsMendedUndoneAndRestored() {
        const std::string brokenParties = Text(TScenarioFile::Parties);
        QVERIFY(!Form->StepButton(5)->isEnabled());
        bool worked = false;
        QTimer::singleShot(0, Messages(), [&] {
            // The ads file fails first; its step opens at the ad's power.
            OpenAndType(QStringLiteral("base_power"), QStringLiteral("TAdEditorForm"),
                        QStringLiteral("PowerEdit"), QStringLiteral("3"));
            QVERIFY(Form->StepButton(5)->isEnabled());
            QCOMPARE(RowOf(QStringLiteral("base_power")), -1);

            // Then the parties: the leader's age through four windows.
            OpenAndType(QStringLiteral(">> age >>"), QStringLiteral("TLeaderEditForm"),
                        QStringLiteral("AgeEdit"), QStringLiteral("61"));
            QCOMPARE(RowOf(QStringLiteral(">> age >>")), -1);

            // And the platform entry of an issue that does not exist.
            const int row = RowOf(QStringLiteral("Reference not found: issue no_such_issue"));
            QVERIFY(row >= 0);
            Messages()->MessagesListBox()->setCurrentRow(row);
            QTest::mouseClick(Messages()->FixButton(), Qt::LeftButton);
            QCOMPARE(Messages()->Lines(), QStringList{QStringLiteral("No Errors.")});
            worked = true;
            Messages()->reject();
        });
        Form->findChild<QPushButton*>("ViewErrorsButton")->click();
        QVERIFY(worked);
        TXmlNode* party = Scenario().Parties()->GetChildAt(1);
        QCOMPARE(party->GetChild("leaders")->GetChildAt(0)->GetChild("age")->GetText(),
                 std::string("61"));
        QCOMPARE(Scenario().Ads()->GetChildAt(1)->GetChild("base_power")->GetText(),
                 std::string("3"));

        // Undo takes back the fix (its label: MessagesWindowTest), then the whole Step 5
        // session.
        auto* undo = Form->findChild<QAction*>(QStringLiteral("UndoItem"));
        undo->trigger();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Step 5: Parties"));
        undo->trigger();
        QCOMPARE(Text(TScenarioFile::Parties), brokenParties);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Step 4: Ads"));

        // Saving keeps the broken files as a backup; restoring it brings them all back and
        // gates the steps again (undoing it: ScenarioBuilderFormTest).
        TScriptedPrompts prompts;
        prompts.Ok("Saved").ChooseItem(0, "Restore Backup");
        QVERIFY(Form->Session().SaveFromButton());
        QVERIFY(Form->Session().RestoreBackup());
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(Scenario().Ads()->GetChildAt(1)->GetChild("base_power")->GetText(),
                 std::string("lots"));
        QVERIFY(!Form->StepButton(5)->isEnabled());
    }
};

QTEST_MAIN(AllFormsDesignerWorkflowTest)
#include "AllFormsDesignerWorkflowTest.moc"
