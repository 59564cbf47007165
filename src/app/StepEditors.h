#pragma once

#include <functional>

class QWidget;
class TScenarioData;
struct TElementTarget;

// The editors of the eight steps register here from their own source files,
// so the main window needs no list of them. A step without an editor stays
// disabled.
//
//     STUMPCRAFT_REGISTER_STEP_FORM(4, TAdEditorForm);
namespace StepEditors {

// Opens the step's editor modally for data, owned by owner; returns when it
// has closed.
using TOpenEditor = std::function<void(TScenarioData& data, QWidget* owner)>;

constexpr int StepCount = 8;

// step is 1 to 8; a later registration replaces an earlier one. An empty
// function removes the step's editor. Returns true so it can initialise a
// static.
bool Register(int step, TOpenEditor open);
// Null when the step has no editor.
const TOpenEditor* Find(int step);

// Opens the step's editor modally at target (see ElementTargets): its items
// selected, the window that shows the element open, the field focused.
using TOpenAtElement =
    std::function<void(TScenarioData& data, QWidget* owner, const TElementTarget& target)>;
// As Register; a step without one opens at its first entry instead.
bool RegisterAtElement(int step, TOpenAtElement open);
const TOpenAtElement* FindAtElement(int step);

// Registers Form, made from (data, owner), as the step's editor both ways:
// shown as it opens, or first told to show the target (Form::ShowElement).
template <class Form> bool RegisterForm(int step) {
    const bool opens = Register(step, [](TScenarioData& data, QWidget* owner) {
        Form form(data, owner);
        form.exec();
    });
    return RegisterAtElement(step,
                             [](TScenarioData& data, QWidget* owner, const TElementTarget& target) {
                                 Form form(data, owner);
                                 form.ShowElement(target);
                                 form.exec();
                             }) &&
           opens;
}

} // namespace StepEditors

#define STUMPCRAFT_STEP_CONCAT2(a, b) a##b
#define STUMPCRAFT_STEP_CONCAT(a, b) STUMPCRAFT_STEP_CONCAT2(a, b)
#define STUMPCRAFT_REGISTER_STEP_FORM(step, Form)                                                  \
    static const bool STUMPCRAFT_STEP_CONCAT(StepFormRegistered, __LINE__) =                       \
        StepEditors::RegisterForm<Form>(step)
