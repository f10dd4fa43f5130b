// What the headless host asks for input when the GUI thread is about to wait: the scenario
// driver implements it, so that the next steps run exactly when a person would act.
#pragma once

#include <optional>

#include "platform/api/types.h"

namespace layer::host {

class StepRunner {
  public:
    virtual ~StepRunner() = default;
    // The GUI thread has nothing to do and is about to wait (until deadline, or without end).
    // Runs the next step; the step may queue input on the host or move its clock. False when no
    // step is left, so that nothing can ever arrive.
    virtual bool RunNextStep(std::optional<DWORD> deadline) = 0;
};

}  // namespace layer::host
