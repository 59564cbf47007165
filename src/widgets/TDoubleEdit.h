#pragma once

#include <QLineEdit>

// A line edit for decimal numbers: digits, one ".", and "-" at the start.
// A leading "." becomes "0."; with RangeChecking a positive value above Max
// or below Min becomes that limit after every key that changes the text.
class TDoubleEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Min READ Min WRITE SetMin)
    Q_PROPERTY(double Max READ Max WRITE SetMax)
    Q_PROPERTY(bool RangeChecking READ RangeChecking WRITE SetRangeChecking)
public:
    explicit TDoubleEdit(QWidget* parent = nullptr);

    double Min() const { return Min_; }
    void SetMin(double value) { Min_ = value; }
    double Max() const { return Max_; }
    void SetMax(double value) { Max_ = value; }
    bool RangeChecking() const { return RangeChecking_; }
    void SetRangeChecking(bool value);

    bool IsValidDoubleKey(QChar key) const;
    void DoRangeChecking();

    // The shortest decimal text that reads back as value ("100", "2.5").
    static QString ShortestText(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    double Min_ = 0.0;
    double Max_ = 100.0;
    bool RangeChecking_ = false;
};
