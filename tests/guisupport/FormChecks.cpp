#include "guisupport/FormChecks.h"

#include "app/ControlBinding.h"
#include "guisupport/ScriptedPrompts.h"
#include "scenario/edit/MissingFields.h"

#include <QCheckBox>
#include <QComboBox>
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

namespace {

// The names of node's elements in document order, nested in brackets.
std::string Layout(const TXmlNode* node) {
    std::string layout = node->Name;
    if (node->ChildCount() == 0)
        return layout;
    layout += '(';
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        layout += (i ? " " : "") + Layout(node->GetChildAt(i));
    return layout + ')';
}

// Edits control once and returns what it shows; the element it is bound to
// must then hold that.
QString EditOnce(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("7"));
        return edit->text();
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->click();
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
    auto* combo = qobject_cast<QComboBox*>(control);
    combo->setCurrentIndex(0);
    return combo->currentText();
}

} // namespace

QString EditsAddMissingFields(TXmlNode* item, const std::vector<std::string>& paths,
                              const std::function<std::unique_ptr<QWidget>()>& open,
                              const std::vector<const char*>& controls) {
    const std::string before = Layout(item);
    for (const std::string& path : paths) {
        TXmlNode* field = MissingFields::Find(item, path);
        field->Parent()->RemoveChild(field);
    }
    const std::unique_ptr<QWidget> form = open();
    form->show();
    QStringList faults;
    for (const char* name : controls) {
        auto* control = form->findChild<QWidget*>(QString::fromLatin1(name));
        if (!control || !control->isEnabled()) {
            faults << QStringLiteral("%1 cannot be edited").arg(QLatin1String(name));
            continue;
        }
        const QString shown = EditOnce(control);
        // A list that writes another form than it shows ("M" is "male") has
        // no binding of its own; the layout below tells whether it wrote.
        const TXmlNode* element = ControlBinding::BoundElement(control);
        if (ControlBinding::Bound(control) &&
            (!element || element->GetText() != shown.toStdString()))
            faults << QStringLiteral("%1 shows %2, stored %3")
                          .arg(QLatin1String(name), shown,
                               element ? QString::fromStdString(element->GetText())
                                       : QStringLiteral("nothing"));
    }
    if (Layout(item) != before)
        faults << QString::fromStdString("laid out " + Layout(item) + ", not " + before);
    return faults.join(QLatin1Char('\n'));
}

} // namespace GuiTest
