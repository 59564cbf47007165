#include "guisupport/FormChecks.h"

#include "guisupport/ScriptedPrompts.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace GuiTest {

void PressEnterEverywhere(QDialog* form) {
    TScriptedPrompts prompts;
    int results = 0;
    const auto connection =
        QObject::connect(form, &QDialog::finished, form, [&results] { ++results; });
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        if (!edit->isEnabled() || !edit->isVisible())
            continue;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
    }
    QObject::disconnect(connection);
    QCOMPARE(results, 0);
    QVERIFY(form->isVisible());
    QVERIFY2(prompts.Shown().isEmpty(), qPrintable(prompts.Problems()));
    for (const QPushButton* button : form->findChildren<QPushButton*>())
        QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
}

} // namespace GuiTest
