#include "app/StepEditors.h"

#include <array>

namespace StepEditors {

namespace {

// A function-local static, so registrations from other objects' static
// initialisers find it constructed.
std::array<TOpenEditor, StepCount>& Editors() {
    static std::array<TOpenEditor, StepCount> editors;
    return editors;
}

std::array<TOpenAtElement, StepCount>& ElementEditors() {
    static std::array<TOpenAtElement, StepCount> editors;
    return editors;
}

} // namespace

bool Register(int step, TOpenEditor open) {
    if (step < 1 || step > StepCount)
        return false;
    Editors()[static_cast<size_t>(step - 1)] = std::move(open);
    return true;
}

const TOpenEditor* Find(int step) {
    if (step < 1 || step > StepCount)
        return nullptr;
    const TOpenEditor& open = Editors()[static_cast<size_t>(step - 1)];
    return open ? &open : nullptr;
}

bool RegisterAtElement(int step, TOpenAtElement open) {
    if (step < 1 || step > StepCount)
        return false;
    ElementEditors()[static_cast<size_t>(step - 1)] = std::move(open);
    return true;
}

const TOpenAtElement* FindAtElement(int step) {
    if (step < 1 || step > StepCount)
        return nullptr;
    const TOpenAtElement& open = ElementEditors()[static_cast<size_t>(step - 1)];
    return open ? &open : nullptr;
}

} // namespace StepEditors
