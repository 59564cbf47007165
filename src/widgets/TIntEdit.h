#pragma once

#include <QLineEdit>

// A line edit for whole numbers: typed characters other than digits, and a
// minus sign anywhere but at the start, are swallowed; with RangeChecking a
// value above Max or below Min becomes that limit after every key that
// changes the text.
class TIntEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(bool RangeChecking READ RangeChecking WRITE SetRangeChecking)
public:
    explicit TIntEdit(QWidget* parent = nullptr);

    int Min() const { return Min_; }
    void SetMin(int value) { Min_ = value; }
    int Max() const { return Max_; }
    void SetMax(int value) { Max_ = value; }
    bool RangeChecking() const { return RangeChecking_; }
    // Stores the value and checks the current text at once.
    void SetRangeChecking(bool value);

    bool IsValidIntKey(QChar key) const;
    void DoRangeChecking();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int Min_ = 0;
    int Max_ = 100;
    bool RangeChecking_ = false;
};
