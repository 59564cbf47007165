#include "app/FormSupport.h"

#include "app/ControlBinding.h"
#include "xml/TXmlNode.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

namespace FormSupport {

namespace {

// The memo's length before its latest change, and whether it is being filled.
const char* const PreviousLength = "limitPreviousLength";
const char* const Filling = "limitFilling";

} // namespace

void LimitLength(QPlainTextEdit* memo, int length) {
    memo->setProperty(PreviousLength, static_cast<int>(memo->toPlainText().size()));
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, length] {
        const int now = static_cast<int>(memo->toPlainText().size());
        const int allowed = std::max(length, memo->property(PreviousLength).toInt());
        if (now > allowed && !memo->property(Filling).toBool()) {
            // What was just inserted ends at the cursor.
            QTextCursor cursor = memo->textCursor();
            const int end = cursor.position();
            cursor.setPosition(std::max(0, end - (now - allowed)));
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            memo->setTextCursor(cursor);
            return; // the removal reported the final text again
        }
        memo->setProperty(PreviousLength, now);
    });
}

void BindLimitedText(QPlainTextEdit* memo, TXmlNode* element) {
    memo->setProperty(Filling, true);
    ControlBinding::BindText(memo, element);
    memo->setProperty(Filling, false);
    memo->setProperty(PreviousLength, static_cast<int>(memo->toPlainText().size()));
}

void BindLimitedText(QLineEdit* edit, TXmlNode* element, int length) {
    const char* const Limit = "limitLength";
    const bool connected = edit->property(Limit).isValid();
    edit->setProperty(Limit, length);
    // A line edit cuts whatever it is given to its maximum length.
    const int stored =
        element ? static_cast<int>(QString::fromStdString(element->GetText()).size()) : 0;
    edit->setMaxLength(std::max(length, stored));
    ControlBinding::BindText(edit, element);
    if (!connected)
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, Limit] {
            edit->setMaxLength(
                std::max(edit->property(Limit).toInt(), static_cast<int>(edit->text().size())));
        });
}

void BindComboIgnoringCase(QComboBox* control, TXmlNode* element) {
    ControlBinding::BindCombo(control, element);
    if (!element || control->currentIndex() >= 0)
        return;
    const int index =
        control->findText(QString::fromStdString(element->GetText()), Qt::MatchFixedString);
    if (index >= 0) {
        const QSignalBlocker quiet(control);
        control->setCurrentIndex(index);
    }
}

void BindDateOrBlank(QDateEdit* control, TXmlNode* element) {
    ControlBinding::Unbind(control);
    // The earliest date stands for "none" and shows as a blank.
    control->setSpecialValueText(QStringLiteral(" "));
    control->setDate(control->minimumDate());
    ControlBinding::BindDate(control, element);
}

QListWidgetItem* AddEntry(QListWidget* list, const QString& text, TXmlNode* element) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(element)));
    return item;
}

TXmlNode* EntryElement(const QListWidgetItem* item) {
    return item ? static_cast<TXmlNode*>(item->data(Qt::UserRole).value<void*>()) : nullptr;
}

TXmlNode* CurrentElement(const QListWidget* list) {
    return EntryElement(list->currentItem());
}

void SelectQuietly(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
    if (row < 0)
        list->clearSelection();
}

TXmlNode* TakeEntry(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    QListWidgetItem* item = list->takeItem(row);
    TXmlNode* element = EntryElement(item);
    delete item;
    SelectQuietly(list, row - 1);
    return element;
}

} // namespace FormSupport
