// The desktop program's entry: wx starts the application object, which does the rest.
#include "gui/ZorbaltwerkApp.h"

wxIMPLEMENT_APP(zw::gui::ZorbaltwerkApp);
