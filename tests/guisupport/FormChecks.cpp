#include "guisupport/FormChecks.h"

#include "app/ControlBinding.h"
#include "guisupport/ModalWindows.h"
#include "scenario/edit/MissingFields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace GuiTest {

TXmlNode* At(const TXmlNode* root, const std::string& path) {
    TXmlNode* node = const_cast<TXmlNode*>(root);
    size_t start = 0;
    while (node && start <= path.size()) {
        const size_t slash = path.find('/', start);
        node = node->GetChild(path.substr(start, slash - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return node;
}

std::string Text(const TXmlNode* root, const std::string& path) {
    const TXmlNode* node = root ? At(root, path) : nullptr;
    return node ? node->GetText() : std::string("<missing>");
}

void Remove(TXmlNode* root, const std::string& path) {
    TXmlNode* node = At(root, path);
    QVERIFY2(node, path.c_str());
    QVERIFY(node->Parent()->RemoveChild(node));
}

QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList Entries(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void Type(QWidget* edit, const QString& text) {
    edit->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(edit))
        memo->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("no entry %s in %s", qPrintable(text), qPrintable(combo->objectName()));
    combo->setCurrentIndex(index);
}

void SelectLines(QListWidget* list, const QStringList& texts) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text()))
            list->item(i)->setSelected(true);
}

void Click(QWidget* form, const char* name) {
    QWidget* control = Find<QWidget>(form, name);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else
        QTest::mouseClick(control, Qt::LeftButton);
}

QString WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
    return WhenOnTop(open, {}, act);
}

QString BindingFaults(const QWidget* form, const TXmlNode* item,
                      const std::vector<TBinding>& bindings) {
    QStringList faults;
    for (const TBinding& binding : bindings) {
        const QString name = QString::fromLatin1(binding.Control);
        const auto* control = form->findChild<QWidget*>(name);
        const TXmlNode* element = At(item, binding.Path);
        if (!control || !element) {
            faults << QStringLiteral("no %1 or no %2").arg(name, QLatin1String(binding.Path));
            continue;
        }
        QString shown = QString::fromStdString(element->GetText());
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            shown = edit->text();
        else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
            shown = memo->toPlainText();
        if (ControlBinding::BoundElement(control) != element)
            faults
                << QStringLiteral("%1 is not bound to %2").arg(name, QLatin1String(binding.Path));
        else if (shown.toStdString() != element->GetText())
            faults << QStringLiteral("%1 shows %2").arg(name, shown);
    }
    return faults.join(QLatin1Char('\n'));
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
