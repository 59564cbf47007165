// Edit > Find in Scenario: a text typed is found in the open scenario's
// files and a place found opens the editor at its item, over the find
// window; what the editor changed is found anew when it closes. The
// editors here are stand-ins that record where they were opened.

#include "app/StepEditors.h"
#include "app/TFindInScenarioForm.h"
#include "app/TScenarioBuilderForm.h"
#include "guisupport/MainWindowSetup.h"
#include "guisupport/ScenarioCopy.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class FindInScenarioTest : public QObject {
    Q_OBJECT

private slots:
    void FindsTextAndOpensTheEditorAtItsItem() {
        GuiTest::TDataFolder folder;
        GuiTest::TScenarioCopy copy;
        QVERIFY(copy.IsOpen());
        auto form = GuiTest::MainWindowOn(folder, false, copy.Folder());
        QVERIFY(form);
        TXmlNode* issue = form->Scenario()->Issues()->GetChildAt(4);
        QCOMPARE(issue->GetChild("name")->GetText(), std::string("Taxes"));

        QList<TElementTarget> opened;
        QWidget* owner = nullptr;
        StepEditors::RegisterAtElement(
            2, [&](TScenarioData&, QWidget* over, const TElementTarget& target) {
                opened << target;
                owner = over;
                // The session renames the issue: the place is gone.
                target.Element->SetText("Levies");
            });

        auto* find = form->findChild<QAction*>(QStringLiteral("FindItem"));
        QVERIFY(find && find->isEnabled());
        QCOMPARE(find->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        int listedBefore = 0;
        int listedAfter = -1;
        QTimer::singleShot(0, form.get(), [&] {
            TFindInScenarioForm* window = form->FindForm();
            auto* search = window->findChild<QLineEdit*>(QStringLiteral("SearchEdit"));
            QTest::keyClicks(search, QStringLiteral("tAxEs"));
            QTest::keyClick(search, Qt::Key_Return);
            QTreeWidget* results = window->ResultsList();
            listedBefore = results->topLevelItemCount();
            for (int row = 0; row < results->topLevelItemCount(); ++row) {
                QTreeWidgetItem* line = results->topLevelItem(row);
                if (line->text(0) == QLatin1String("issues.xml") &&
                    line->text(1) == QLatin1String("issue \"Taxes\" / name"))
                    results->setCurrentItem(line);
            }
            QCOMPARE(window->CurrentElement(), issue->GetChild("name"));
            results->setFocus();
            QTest::keyClick(results, Qt::Key_Return);
            listedAfter = results->topLevelItemCount();
            window->reject();
        });
        find->trigger();
        StepEditors::RegisterAtElement(2, {});

        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].Window, std::string("TIssueEditorForm"));
        QCOMPARE(opened[0].Item(), issue);
        QCOMPARE(owner, form->FindForm());
        QVERIFY(listedBefore > 1);
        QCOMPARE(listedAfter, listedBefore - 1);
    }
};

QTEST_MAIN(FindInScenarioTest)
#include "FindInScenarioTest.moc"
