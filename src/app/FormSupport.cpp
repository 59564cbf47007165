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
#include <limits>

namespace FormSupport {

namespace {

// The memo's length before its latest change, and whether it is being filled.
const char* const PreviousLength = "limitPreviousLength";
const char* const Filling = "limitFilling";
// The length a text box is limited to.
const char* const Limit = "limitLength";

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

void LimitLength(QLineEdit* edit, int length) {
    edit->setProperty(Limit, length);
    edit->setMaxLength(std::max(length, static_cast<int>(edit->text().size())));
}

void BindLimitedText(QLineEdit* edit, TXmlNode* element) {
    // No limit while filling: the stored text is shown whole.
    const int limit =
        edit->property(Limit).isValid() ? edit->property(Limit).toInt() : edit->maxLength();
    edit->setMaxLength(std::numeric_limits<int>::max());
    ControlBinding::BindText(edit, element);
    LimitLength(edit, limit);
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
