#include "app/FormSupport.h"

#include "app/ControlBinding.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
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
// The limit of a line edit given to LimitLength.
const char* const LineLimit = "limitLineLength";

// A line edit's maximum length never drops below the text it holds.
void FitMaxLength(QLineEdit* edit) {
    const int limit = edit->property(LineLimit).toInt();
    if (limit > 0)
        edit->setMaxLength(std::max(limit, static_cast<int>(edit->text().size())));
}

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

void BindLimitedText(QPlainTextEdit* memo, const ControlBinding::TField& field) {
    memo->setProperty(Filling, true);
    ControlBinding::BindText(memo, field);
    memo->setProperty(Filling, false);
    memo->setProperty(PreviousLength, static_cast<int>(memo->toPlainText().size()));
}

void LimitLength(QLineEdit* edit, int length) {
    edit->setProperty(LineLimit, length);
    FitMaxLength(edit);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FitMaxLength(edit); });
}

void BindLimitedText(QLineEdit* edit, const ControlBinding::TField& field) {
    // Let go of the old element before the length may change, so a cut
    // is never written anywhere.
    ControlBinding::Unbind(edit);
    edit->setMaxLength(32767);
    ControlBinding::BindText(edit, field);
    FitMaxLength(edit);
}

void BindComboIgnoringCase(QComboBox* control, const ControlBinding::TField& field) {
    const TXmlNode* element = field.Element;
    ControlBinding::BindCombo(control, field);
    if (!element || control->currentIndex() >= 0)
        return;
    const int index =
        control->findText(QString::fromStdString(element->GetText()), Qt::MatchFixedString);
    if (index >= 0) {
        const QSignalBlocker quiet(control);
        control->setCurrentIndex(index);
    }
}

void BindCheckNonZero(QCheckBox* control, const ControlBinding::TField& field) {
    const TXmlNode* element = field.Element;
    ControlBinding::BindCheck(control, field);
    bool number = false;
    const int value =
        element ? QString::fromStdString(element->GetText()).trimmed().toInt(&number) : 0;
    const QSignalBlocker quiet(control);
    control->setChecked(number && value != 0);
}

void BindDateOrBlank(QDateEdit* control, const ControlBinding::TField& field) {
    ControlBinding::Unbind(control);
    // The earliest date stands for "none" and shows as a blank.
    control->setSpecialValueText(QStringLiteral(" "));
    control->setDate(control->minimumDate());
    ControlBinding::BindDate(control, field);
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
