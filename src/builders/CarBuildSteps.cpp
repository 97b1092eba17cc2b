// The car build's steps that other parts of the program contribute.
#include "app/Dialogs.h"
#include "builders/CarBuilder.h"

namespace zw {

CarBuildSteps defaultCarBuildSteps() {
    CarBuildSteps steps;
    return steps;
}

}  // namespace zw
