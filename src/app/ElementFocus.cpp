#include "app/ElementFocus.h"

#include "app/ControlBinding.h"
#include "app/FormSupport.h"
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

} // namespace

void WhenShown(QDialog* dialog, std::function<void()> then) {
    if (!dialog || !then)
        return;
    dialog->installEventFilter(new TShownWatcher(dialog, std::move(then)));
}

bool SelectEntry(QListWidget* list, const TXmlNode* element) {
    if (!list || !element)
        return false;
    for (int row = 0; row < list->count(); ++row)
        if (FormSupport::EntryElement(list->item(row)) == element) {
            list->setCurrentRow(row);
            list->scrollToItem(list->item(row));
            return true;
        }
    return false;
}

TXmlNode* SelectEntryHolding(QListWidget* list, const TXmlNode* element) {
    for (const TXmlNode* at = element; at; at = at->Parent())
        if (SelectEntry(list, at))
            return const_cast<TXmlNode*>(at);
    return nullptr;
}

bool Within(const TXmlNode* node, const TXmlNode* ancestor) {
    for (const TXmlNode* at = node; at && ancestor; at = at->Parent())
        if (at == ancestor)
            return true;
    return false;
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

} // namespace ElementFocus
