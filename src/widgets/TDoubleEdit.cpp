#include "widgets/TDoubleEdit.h"

#include "scenario/ValueEncodings.h"
#include "widgets/NumericKeys.h"
#include "xml/NumberText.h"

#include <charconv>

TDoubleEdit::TDoubleEdit(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
}

void TDoubleEdit::SetRangeChecking(bool value) {
    RangeChecking_ = value;
    DoRangeChecking();
}

bool TDoubleEdit::IsValidDoubleKey(QChar key) const {
    if (!ValueEncodings::IsDecimalKey(key.unicode()))
        return false;
    if (key == QLatin1Char('-'))
        return NumericKeys::InsertPosition(*this) == 0;
    if (key == QLatin1Char('.'))
        return !text().contains(QLatin1Char('.'));
    return true;
}

QString TDoubleEdit::ShortestText(double value) {
    return QString::fromStdString(NumberText::FormatDecimal(value));
}

void TDoubleEdit::DoRangeChecking() {
    if (text().startsWith(QLatin1Char('.'))) {
        setText(QLatin1Char('0') + text());
        setCursorPosition(text().size());
    }
    const QString current = text();
    if (!RangeChecking_ || current.isEmpty() || current == QLatin1String("-") ||
        current.endsWith(QLatin1Char('.')))
        return;
    const std::string number = current.trimmed().toStdString();
    double value = 0;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(number.data(), last, value);
    if (end != last || error != std::errc())
        return; // not a number (pasted text): left for verification to report
    if (!(value > 0))
        return; // zero and negative values are never changed
    double limit = 0;
    if (value > Max_)
        limit = Max_;
    else if (value < Min_)
        limit = Min_;
    else
        return;
    setText(ShortestText(limit));
    setCursorPosition(text().size());
}

void TDoubleEdit::keyPressEvent(QKeyEvent* event) {
    const QString before = text();
    const QChar typed = NumericKeys::TypedCharacter(*event);
    if (!typed.isNull() && !IsValidDoubleKey(typed))
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
    // End, the arrows or Ctrl+C must not rewrite a stored value.
    if (text() != before)
        DoRangeChecking();
}
