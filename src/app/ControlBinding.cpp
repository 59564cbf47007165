#include "app/ControlBinding.h"

#include "scenario/edit/MissingFields.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace ControlBinding {

namespace {

enum class TStoreKind { Text, Combo, Check, TextUnescaped, CheckUnescaped, Date };

// Lives as a child of the control, so the binding goes with the control.
class TBinding : public QObject {
public:
    TBinding(QWidget* control, TStoreKind kind, const TField& field, TXmlAttribute* attribute)
        : QObject(control), Kind(kind), Field(field), Attribute(attribute) {
        setObjectName(QStringLiteral("ControlBinding"));
    }
    TStoreKind Kind;
    TField Field;
    TXmlAttribute* Attribute;
    // Set while the control is filled from the element, so filling does not
    // write back.
    bool Filling = false;
};

TBinding* BindingOf(const QWidget* control) {
    if (!control)
        return nullptr;
    return control->findChild<TBinding*>(QStringLiteral("ControlBinding"),
                                         Qt::FindDirectChildrenOnly);
}

void RemoveBinding(QWidget* control) {
    if (TBinding* old = BindingOf(control)) {
        QObject::disconnect(control, nullptr, old, nullptr);
        old->setParent(nullptr);
        delete old;
    }
}

TBinding* NewBinding(QWidget* control, TStoreKind kind, const TField& field,
                     TXmlAttribute* attribute = nullptr) {
    RemoveBinding(control);
    if (!field.Bindable() && !attribute)
        return nullptr;
    auto* binding = new TBinding(control, kind, field, attribute);
    binding->Filling = true;
    return binding;
}

std::string ToStd(const QString& text) {
    return text.toStdString();
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The raw (unescaped) value of the bound element or attribute.
std::string RawValue(const TBinding& b) {
    return b.Attribute ? b.Attribute->Value : b.Field.Element->Text;
}

void SetRawValue(TBinding& b, const std::string& value) {
    if (b.Attribute) {
        b.Attribute->Value = value;
        b.Attribute->MarkChanged();
    } else {
        b.Field.Element->Text = value;
        b.Field.Element->MarkChanged();
    }
}

bool Writable(const TBinding* b) {
    return b && !b->Filling && (b->Field.Bindable() || b->Attribute);
}

// What a memo's plain text holds for a line break (toPlainText gives "\n"
// for a block end and for U+2028) or a tab.
bool BreaksLine(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
           c == QLatin1Char('\v') || c == QLatin1Char('\f') || c == QChar(0x85) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Replaces every line break of the memo by a blank; the memo then reports
// its text changed once more, folded.
void FoldLineBreaks(QTextDocument* document) {
    const QString text = document->toPlainText();
    if (std::none_of(text.begin(), text.end(), BreaksLine))
        return;
    // Plain text positions are document positions: a block end counts one.
    QTextCursor cursor(document);
    // Part of the edit that brought the break, so one undo takes back both
    // instead of bringing the break back to be folded again.
    cursor.joinPreviousEditBlock();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!BreaksLine(text[i]))
            continue;
        cursor.setPosition(static_cast<int>(i));
        cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral(" "));
    }
    cursor.endEditBlock();
}

template <typename TMemo> void KeepMemoOnOneLine(TMemo* memo) {
    const char* const Folding = "keepsOneLine";
    if (memo->property(Folding).toBool())
        return;
    memo->setProperty(Folding, true);
    QObject::connect(memo, &TMemo::textChanged, memo, [memo] { FoldLineBreaks(memo->document()); });
}

} // namespace

TField::TField(TXmlNode* owner, std::string path)
    : Element(MissingFields::Find(owner, path)), Owner(owner), Path(std::move(path)) {}

TXmlNode* TField::Make() {
    if (!Element && Owner)
        Element = MissingFields::Add(Owner, Path);
    return Element;
}

void KeepOnOneLine(QPlainTextEdit* memo) {
    KeepMemoOnOneLine(memo);
}

void KeepOnOneLine(QTextEdit* memo) {
    KeepMemoOnOneLine(memo);
}

void BindText(QLineEdit* control, const TField& field) {
    TXmlNode* element = field.Element;
    TBinding* b = NewBinding(control, TStoreKind::Text, field);
    control->setText(element ? FromStd(element->GetText()) : QString());
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QLineEdit::textChanged, b, [control] { StoreControlText(control); });
}

void BindText(QPlainTextEdit* control, const TField& field) {
    TXmlNode* element = field.Element;
    KeepOnOneLine(control);
    TBinding* b = NewBinding(control, TStoreKind::Text, field);
    control->setPlainText(element ? FromStd(element->GetText()) : QString());
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QPlainTextEdit::textChanged, b,
                     [control] { StoreControlText(control); });
}

void BindText(QTextEdit* control, const TField& field) {
    TXmlNode* element = field.Element;
    KeepOnOneLine(control);
    TBinding* b = NewBinding(control, TStoreKind::Text, field);
    control->setPlainText(element ? FromStd(element->GetText()) : QString());
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QTextEdit::textChanged, b, [control] { StoreControlText(control); });
}

void BindCombo(QComboBox* control, const TField& field) {
    TXmlNode* element = field.Element;
    TBinding* b = NewBinding(control, TStoreKind::Combo, field);
    const QString text = element ? FromStd(element->GetText()) : QString();
    const int index = control->findText(text);
    control->setCurrentIndex(index);
    if (control->isEditable() && index < 0)
        control->setEditText(text);
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QComboBox::currentIndexChanged, b,
                     [control] { StoreComboText(control); });
}

void BindCheck(QCheckBox* control, const TField& field) {
    TXmlNode* element = field.Element;
    TBinding* b = NewBinding(control, TStoreKind::Check, field);
    control->setChecked(element && element->GetText() == "1");
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QCheckBox::toggled, b, [control] { StoreCheckState(control); });
}

namespace {

// The unescaped bindings serve an element's stored text or an attribute.
void BindRawText(QLineEdit* control, TXmlNode* element, TXmlAttribute* attribute) {
    TBinding* b = NewBinding(control, TStoreKind::TextUnescaped, element, attribute);
    control->setText(b ? FromStd(RawValue(*b)) : QString());
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QLineEdit::textChanged, b,
                     [control] { StoreControlTextUnescaped(control); });
}

void BindRawCheck(QCheckBox* control, TXmlNode* element, TXmlAttribute* attribute) {
    TBinding* b = NewBinding(control, TStoreKind::CheckUnescaped, element, attribute);
    control->setChecked(b && RawValue(*b) == "1");
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QCheckBox::toggled, b,
                     [control] { StoreCheckStateUnescaped(control); });
}

} // namespace

void BindTextUnescaped(QLineEdit* control, TXmlNode* element) {
    BindRawText(control, element, nullptr);
}

void BindTextUnescaped(QLineEdit* control, TXmlAttribute* attribute) {
    BindRawText(control, nullptr, attribute);
}

void BindCheckUnescaped(QCheckBox* control, TXmlNode* element) {
    BindRawCheck(control, element, nullptr);
}

void BindCheckUnescaped(QCheckBox* control, TXmlAttribute* attribute) {
    BindRawCheck(control, nullptr, attribute);
}

void BindDate(QDateEdit* control, const TField& field) {
    TXmlNode* element = field.Element;
    TBinding* b = NewBinding(control, TStoreKind::Date, field);
    control->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    if (element) {
        if (const auto date = TDate::Parse(element->GetText()))
            control->setDate(QDate(date->Year, date->Month, date->Day));
    }
    if (!b)
        return;
    b->Filling = false;
    QObject::connect(control, &QDateEdit::dateChanged, b, [control] { StoreDate(control); });
}

void Unbind(QWidget* control) {
    RemoveBinding(control);
}

TXmlNode* BoundElement(const QWidget* control) {
    const TBinding* b = BindingOf(control);
    return b ? b->Field.Element : nullptr;
}

TXmlAttribute* BoundAttribute(const QWidget* control) {
    const TBinding* b = BindingOf(control);
    return b ? b->Attribute : nullptr;
}

bool Bound(const QWidget* control) {
    const TBinding* b = BindingOf(control);
    return b && (b->Field.Bindable() || b->Attribute);
}

void StoreControlText(QWidget* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b) || !b->Field.Make())
        return;
    QString text;
    if (auto* line = qobject_cast<QLineEdit*>(control))
        text = line->text();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        text = plain->toPlainText();
    else if (auto* rich = qobject_cast<QTextEdit*>(control))
        text = rich->toPlainText();
    else
        return;
    b->Field.Element->SetText(ToStd(text));
}

void StoreComboText(QComboBox* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b) || control->currentIndex() < 0 || !b->Field.Make())
        return;
    b->Field.Element->SetText(ToStd(control->currentText()));
}

void StoreCheckState(QCheckBox* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b) || !b->Field.Make())
        return;
    b->Field.Element->SetText(control->isChecked() ? "1" : "0");
}

void StoreControlTextUnescaped(QLineEdit* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b))
        return;
    SetRawValue(*b, ToStd(control->text()));
}

void StoreCheckStateUnescaped(QCheckBox* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b))
        return;
    SetRawValue(*b, control->isChecked() ? "1" : "0");
}

void StoreDate(QDateEdit* control) {
    TBinding* b = BindingOf(control);
    if (!Writable(b) || !b->Field.Make())
        return;
    const QDate date = control->date();
    b->Field.Element->SetText(TDate{date.year(), date.month(), date.day()}.ToString());
}

} // namespace ControlBinding
