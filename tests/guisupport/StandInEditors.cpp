#include "guisupport/StandInEditors.h"

#include "app/StepEditors.h"
#include "scenario/ElementTargets.h"
#include "scenario/verify/TVerifier.h"

namespace GuiTest {

TStandInEditors::TStandInEditors() {
    for (int step = 1; step <= 8; ++step) {
        StepEditors::Register(step, [this](TScenarioData&, QWidget*) { ++PlainRuns; });
        StepEditors::RegisterAtElement(
            step, [this](TScenarioData&, QWidget* owner, const TElementTarget& target) {
                TOpened opened{target.Step,
                               QString::fromStdString(target.Window),
                               {},
                               QString::fromStdString(target.Field),
                               owner};
                for (const TXmlNode* item : target.Items)
                    opened.Items << QString::fromStdString(TVerifier::PathOf(item));
                Opened << opened;
                if (Session_)
                    Session_(target);
            });
    }
}

TStandInEditors::~TStandInEditors() {
    for (int step = 1; step <= 8; ++step) {
        StepEditors::Register(step, {});
        StepEditors::RegisterAtElement(step, {});
    }
}

} // namespace GuiTest
