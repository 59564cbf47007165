#include "app/ControlBinding.h"
#include "app/StepEditors.h"
#include "guisupport/ScriptedPrompts.h"
#include "xml/TXmlDom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace ControlBinding;

class ControlBindingTest : public QObject {
    Q_OBJECT

    TXmlDom Dom;
    TXmlNode* Root = nullptr;

private slots:
    void init() {
        QVERIFY(Dom.Parse("<party><name>Green &amp; Co</name><colour>blue</colour>"
                          "<endorser id=\"7\" on=\"0\"/></party>"));
        Root = Dom.Root();
    }

    void TextFillsDecodedStoresEncodedAndFollowsItsBinding() {
        QLineEdit edit;
        TXmlNode* name = Root->GetChild("name");
        BindText(&edit, name);
        QCOMPARE(edit.text(), QStringLiteral("Green & Co"));
        QCOMPARE(BoundElement(&edit), name);
        edit.setText(QStringLiteral("A < B"));
        QCOMPARE(name->GetText(), std::string("A < B"));
        QCOMPARE(name->Text, std::string("A &#60; B"));
        // Rebinding moves the writing.
        TXmlNode* colour = Root->GetChild("colour");
        BindText(&edit, colour);
        QCOMPARE(edit.text(), QStringLiteral("blue"));
        edit.setText(QStringLiteral("red"));
        QCOMPARE(colour->GetText(), std::string("red"));
        QCOMPARE(name->GetText(), std::string("A < B"));
        // Bound to nothing: the control is cleared and writes nowhere.
        BindText(&edit, nullptr);
        QCOMPARE(edit.text(), QString());
        edit.setText(QStringLiteral("pink"));
        QCOMPARE(colour->GetText(), std::string("red"));
        QCOMPARE(BoundElement(&edit), nullptr);
        // Unbinding keeps the element as it is.
        BindText(&edit, name);
        Unbind(&edit);
        edit.setText(QStringLiteral("other"));
        QCOMPARE(name->GetText(), std::string("A < B"));
        StoreControlText(&edit); // without a binding: nothing
        QCOMPARE(name->GetText(), std::string("A < B"));
        // The binding dies with its control.
        auto* gone = new QLineEdit;
        BindText(gone, name);
        delete gone;
        name->SetText("still here");
        QCOMPARE(name->GetText(), std::string("still here"));
    }

    void MemoKeepsWordsApartOnOneLine() {
        QPlainTextEdit memo;
        TXmlNode* name = Root->GetChild("name");
        BindText(&memo, name);
        // Element text holds no line break: each becomes a blank the memo shows.
        memo.setPlainText(QStringLiteral("every\nharbour"));
        QCOMPARE(name->GetText(), std::string("every harbour"));
        memo.moveCursor(QTextCursor::End);
        QTest::keyClick(&memo, Qt::Key_Return);
        memo.insertPlainText(QStringLiteral("a\r\nb\tc") + QChar::LineSeparator + 'd');
        QCOMPARE(memo.toPlainText(), QStringLiteral("every harbour a b c d"));
        QCOMPARE(name->GetText(), memo.toPlainText().toStdString());
        // One undo takes back the paste with its blanks.
        memo.undo();
        QCOMPARE(memo.toPlainText(), QStringLiteral("every harbour "));
        QCOMPARE(name->GetText(), std::string("every harbour "));
    }

    void ComboWritesOnlyASelection() {
        QComboBox combo;
        combo.addItems({"red", "blue", "green"});
        TXmlNode* colour = Root->GetChild("colour");
        BindCombo(&combo, colour);
        QCOMPARE(combo.currentText(), QStringLiteral("blue"));
        combo.setCurrentIndex(2);
        QCOMPARE(colour->GetText(), std::string("green"));
        combo.setCurrentIndex(-1);
        StoreComboText(&combo);
        QCOMPARE(colour->GetText(), std::string("green"));
        // A value not in the list selects nothing and is kept.
        colour->SetText("violet");
        BindCombo(&combo, colour);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(colour->GetText(), std::string("violet"));
    }

    void UnescapedOperationsWriteAsTyped() {
        TXmlNode* endorser = Root->GetChild("endorser");
        QLineEdit edit;
        BindTextUnescaped(&edit, endorser->GetAttribute("id"));
        QCOMPARE(edit.text(), QStringLiteral("7"));
        edit.setText(QStringLiteral("a&b"));
        QCOMPARE(endorser->AttributeValue("id"), std::string("a&b"));
        QCheckBox check;
        BindCheckUnescaped(&check, endorser->GetAttribute("on"));
        QVERIFY(!check.isChecked());
        check.setChecked(true);
        QCOMPARE(endorser->AttributeValue("on"), std::string("1"));
        TXmlNode* name = Root->GetChild("name");
        BindTextUnescaped(&edit, name);
        QCOMPARE(edit.text(), QStringLiteral("Green &#38; Co"));
        edit.setText(QStringLiteral("x&#233;"));
        QCOMPARE(name->Text, std::string("x&#233;"));
    }

    void StepRegistryRefusesStepsItDoesNotHave() {
        QVERIFY(!StepEditors::Register(0, [](TScenarioData&, QWidget*) {}));
        QVERIFY(!StepEditors::Register(9, [](TScenarioData&, QWidget*) {}));
        QVERIFY(!StepEditors::Find(0));
    }

    void FileFilterMatchesAnyCase() {
        QCOMPARE(AnyCaseFilter("Bitmaps (*.bmp)"), QStringLiteral("Bitmaps (*.bmp *.BMP)"));
        QCOMPARE(AnyCaseFilter("Pictures (*.bmp *.png)"),
                 QStringLiteral("Pictures (*.bmp *.BMP *.png *.PNG)"));
        QCOMPARE(AnyCaseFilter("All (*)"), QStringLiteral("All (*)"));
    }

    void UnscriptedPromptFailsAndIsDeclined() {
        TScriptedPrompts prompts;
        prompts.Answer(TPromptAnswer::Yes, QStringLiteral("Overwrite"));
        QEXPECT_FAIL("", "a box with another title than scripted", Continue);
        QCOMPARE(Prompts().Message("Save Changes", "Would you like to save changes?",
                                   TPromptButtons::YesNoCancel),
                 TPromptAnswer::Cancel);
        QEXPECT_FAIL("", "an input box where a message box was scripted", Continue);
        QCOMPARE(Prompts().Input("Scenario Name", "Enter", "x"), std::nullopt);
        QVERIFY(!prompts.Done());
        QVERIFY(prompts.Problems().contains("Save Changes"));
        prompts.Clear();
        QEXPECT_FAIL("", "nothing scripted", Continue);
        QCOMPARE(Prompts().Message("Overwrite", "exists", TPromptButtons::YesNo),
                 TPromptAnswer::No);
        QVERIFY(prompts.Problems().contains("unscripted"));
    }
};

QTEST_MAIN(ControlBindingTest)
#include "ControlBindingTest.moc"
