#include "widgets/TIntEdit.h"

#include "scenario/ValueEncodings.h"
#include "widgets/NumericKeys.h"

#include <charconv>
#include <limits>

TIntEdit::TIntEdit(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
}

void TIntEdit::SetRangeChecking(bool value) {
    RangeChecking_ = value;
    DoRangeChecking();
}

bool TIntEdit::IsValidIntKey(QChar key) const {
    if (!ValueEncodings::IsIntegerKey(key.unicode()))
        return false;
    return key != QLatin1Char('-') || NumericKeys::InsertPosition(*this) == 0;
}

void TIntEdit::DoRangeChecking() {
    const QString current = text();
    if (!RangeChecking_ || current.isEmpty() || current == QLatin1String("-"))
        return;
    const std::string digits = current.trimmed().toStdString();
    long long value = 0;
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last || (error != std::errc() && error != std::errc::result_out_of_range))
        return; // not a number (pasted text): left for verification to report
    if (error == std::errc::result_out_of_range)
        value = digits[0] == '-' ? std::numeric_limits<long long>::min()
                                 : std::numeric_limits<long long>::max();
    int limit = 0;
    if (value > Max_)
        limit = Max_;
    else if (value < Min_)
        limit = Min_;
    else
        return;
    setText(QString::number(limit));
    setCursorPosition(text().size());
}

void TIntEdit::keyPressEvent(QKeyEvent* event) {
    const QString before = text();
    const QChar typed = NumericKeys::TypedCharacter(*event);
    if (!typed.isNull() && !IsValidIntKey(typed))
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
    // End, the arrows or Ctrl+C must not rewrite a stored value.
    if (text() != before)
        DoRangeChecking();
}
