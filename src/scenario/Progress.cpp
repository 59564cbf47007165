#include "scenario/Progress.h"

namespace Progress {

namespace {
thread_local TScope* Current = nullptr;
}

TScope::TScope(TListener listener) : Listener_(std::move(listener)), Previous_(Current) {
    Current = this;
}

TScope::~TScope() {
    Current = Previous_;
}

void Report(const std::string& step) {
    if (Current && Current->Listener_)
        Current->Listener_(step);
}

} // namespace Progress
