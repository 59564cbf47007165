#include "app/ElementFocus.h"

#include "app/ControlBinding.h"
#include "app/FormSupport.h"
#include "scenario/ElementTargets.h"
#include "xml/TXmlNode.h"

#include <QDialog>
#include <QEvent>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>

namespace ElementFocus {

namespace {

// Waits for the dialog's first Show, then posts then so it runs once the
// dialog's own showing has finished.
class TShownWatcher : public QObject {
public:
    TShownWatcher(QDialog* dialog, std::function<void()> then)
        : QObject(dialog), Then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && Then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), [then = std::move(Then_)] { then(); });
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> Then_;
};

bool HasEntry(const QListWidget* list, const TXmlNode* element) {
    for (int row = 0; list && row < list->count(); ++row)
        if (FormSupport::EntryElement(list->item(row)) == element)
            return true;
    return false;
}

} // namespace

void WhenShown(QDialog* dialog, std::function<void()> then) {
    if (!dialog || !then)
        return;
    dialog->installEventFilter(new TShownWatcher(dialog, std::move(then)));
}

bool Contains(const TXmlNode* live, const TXmlNode* element) {
    if (!live || !element)
        return false;
    if (live == element)
        return true;
    for (int32_t i = 0; i < live->ChildCount(); ++i)
        if (Contains(live->GetChildAt(i), element))
            return true;
    return false;
}

TXmlNode* ChildHolding(const TXmlNode* parent, const TXmlNode* element) {
    for (int32_t i = 0; parent && element && i < parent->ChildCount(); ++i)
        if (Contains(parent->GetChildAt(i), element))
            return parent->GetChildAt(i);
    return nullptr;
}

int IndexOf(const TXmlNode* parent, const TXmlNode* element) {
    for (int32_t i = 0; parent && element && i < parent->ChildCount(); ++i)
        if (parent->GetChildAt(i) == element)
            return i;
    return -1;
}

void SelectRow(QListWidget* list, int row) {
    if (!list || row < 0 || row >= list->count())
        return;
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

bool SelectEntry(QListWidget* list, const TXmlNode* element) {
    for (int row = 0; list && element && row < list->count(); ++row)
        if (FormSupport::EntryElement(list->item(row)) == element) {
            SelectRow(list, row);
            return true;
        }
    return false;
}

TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element) {
    int found = -1;
    TXmlNode* holder = nullptr;
    for (int row = 0; list && element && row < list->count(); ++row) {
        TXmlNode* entry = FormSupport::EntryElement(list->item(row));
        // An entry inside the one found so far holds the element more
        // closely (a nation's list shows its regions too).
        if (Contains(entry, element) && (!holder || Contains(holder, entry))) {
            found = row;
            holder = entry;
        }
    }
    SelectRow(list, found);
    return holder;
}

TXmlNode* EntryOf(const QListWidget* list, const TElementTarget& target) {
    for (TXmlNode* node = target.Element; node; node = node->Parent())
        if (HasEntry(list, node))
            return node;
    // An item of another file (a region's percentages entry names the
    // region).
    for (auto item = target.Items.rbegin(); item != target.Items.rend(); ++item)
        if (HasEntry(list, *item))
            return *item;
    return nullptr;
}

TXmlNode* SelectEntryOf(QListWidget* list, const TElementTarget& target) {
    TXmlNode* entry = EntryOf(list, target);
    SelectEntry(list, entry);
    return entry;
}

TXmlNode* FieldElement(const TElementTarget& target) {
    if (!target.Element || target.Field.empty())
        return target.Element;
    return target.Element->GetChild(target.Field);
}

std::string FieldName(const TElementTarget& target) {
    if (!target.Field.empty() || !target.Element)
        return target.Field;
    return target.Element->Name;
}

std::string FieldNameBelow(const TElementTarget& target, const TXmlNode* item) {
    if (!target.Field.empty() || target.Element == item || !Contains(item, target.Element))
        return target.Field;
    return target.Element->Name;
}

QWidget* ControlFor(const TFieldControls& controls, const std::string& name) {
    for (const auto& [field, control] : controls)
        if (name == field)
            return control;
    return nullptr;
}

void FocusControl(QWidget* control) {
    if (!control)
        return;
    // Bring forward every tab page on the way up.
    for (QWidget* child = control; child; child = child->parentWidget()) {
        QWidget* parent = child->parentWidget();
        if (auto* stack = parent ? qobject_cast<QTabWidget*>(parent->parentWidget()) : nullptr) {
            const int index = stack->indexOf(child);
            if (index >= 0)
                stack->setCurrentIndex(index);
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

bool FocusField(QWidget* form, const TXmlNode* element, const std::string& field) {
    if (!form || !element)
        return false;
    const TXmlNode* target = field.empty() ? element : element->GetChild(field);
    if (!target)
        return false;
    for (QWidget* control : form->findChildren<QWidget*>())
        if (ControlBinding::BoundElement(control) == target && control->isEnabled()) {
            FocusControl(control);
            return true;
        }
    return false;
}

void FocusTarget(QWidget* form, const TElementTarget& target, QWidget* chosen, QWidget* fallback) {
    if (FocusField(form, target.Element, target.Field))
        return;
    FocusControl(chosen && chosen->isEnabled() ? chosen : fallback);
}

void ShowInList(QDialog* form, QListWidget* list, const TElementTarget& target) {
    WhenShown(form, [form, list, target] {
        SelectEntryOf(list, target);
        if (!FocusField(form, target.Element, target.Field))
            FocusControl(list);
    });
}

} // namespace ElementFocus
