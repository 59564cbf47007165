#include "xml/Progress.h"

#include <algorithm>

namespace Progress {

namespace {
thread_local TScope* Current = nullptr;
thread_local TOperation* Running = nullptr;
} // namespace

TScope::TScope(TListener listener) : Listener_(std::move(listener)), Previous_(Current) {
    Current = this;
}

TScope::~TScope() {
    Current = Previous_;
}

void Tell(const std::string& step, int percent) {
    if (Current && Current->Listener_)
        Current->Listener_(step, percent);
}

bool Listening() {
    return Current && Current->Listener_;
}

TOperation::TOperation(double totalWeight)
    : Total_(std::max(totalWeight, 1.0)), Previous_(Running) {
    Running = this;
}

TOperation::~TOperation() {
    Running = Previous_;
}

void TOperation::Next(const std::string& step, double weight) {
    Before_ += Weight_;
    Weight_ = std::max(weight, 0.0);
    Step_ = step;
    // A new step is always told, even at the same percentage.
    Percent_ = -1;
    Tell(0);
}

void TOperation::Done() {
    Before_ = Total_;
    Weight_ = 0;
    Tell(0);
}

void TOperation::Tell(double doneInPart) {
    const double whole = (Before_ + Weight_ * doneInPart) / Total_;
    const int percent = static_cast<int>(std::clamp(whole, 0.0, 1.0) * 100);
    if (percent == Percent_)
        return;
    Percent_ = percent;
    Progress::Tell(Step_, percent);
}

void Within(size_t done, size_t total) {
    if (!Running || total == 0)
        return;
    Running->Tell(static_cast<double>(std::min(done, total)) / static_cast<double>(total));
}

void Report(const std::string& step) {
    Tell(step, -1);
}

} // namespace Progress
