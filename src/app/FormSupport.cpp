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
#include <QValidator>

#include <algorithm>

namespace FormSupport {

namespace {

// The memo's length before its latest change, and whether it is being filled.
const char* const PreviousLength = "limitPreviousLength";
const char* const Filling = "limitFilling";

// Refuses an edit that makes the text longer than the limit, or than the
// text was before the edit when that was longer already.
class TLengthValidator : public QValidator {
public:
    TLengthValidator(QLineEdit* edit, int length) : QValidator(edit), Length_(length) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { Previous_ = static_cast<int>(text.size()); });
        Previous_ = static_cast<int>(edit->text().size());
    }
    State validate(QString& input, int&) const override {
        return input.size() > std::max(Length_, Previous_) ? Invalid : Acceptable;
    }

private:
    int Length_;
    int Previous_ = 0;
};

} // namespace

void LimitLength(QLineEdit* edit, int length) {
    edit->setValidator(new TLengthValidator(edit, length));
}

void BindLimitedText(QLineEdit* edit, TXmlNode* element) {
    // A text set while the validator watches could count as invalid input,
    // after which the next keystroke would not be checked.
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    ControlBinding::BindText(edit, element);
    edit->setValidator(validator);
}

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

void BindCheckNonZero(QCheckBox* control, TXmlNode* element) {
    ControlBinding::BindCheck(control, element);
    bool number = false;
    const int value =
        element ? QString::fromStdString(element->GetText()).trimmed().toInt(&number) : 0;
    const QSignalBlocker quiet(control);
    control->setChecked(number && value != 0);
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
