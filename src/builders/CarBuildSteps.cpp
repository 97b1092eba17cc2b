// The car build's steps that other parts of the program contribute.
#include "app/Dialogs.h"
#include "builders/CarBuilder.h"

namespace zw {

CarBuildSteps defaultCarBuildSteps() {
    // The model re-emission joins here; without it a build that names a model stops with a message.
    CarBuildSteps steps;
    return steps;
}

}  // namespace zw
