#pragma once
// The picture of a car pair: its front, middle and rear cars side by side, one panel each of the
// view's size, labelled at the top with the car's role and the models it draws. A car that cannot be
// drawn shows why in its panel; a mesh drawn in a flat colour is named at the panel's foot.

#include <vector>

#include "base/Messages.h"
#include "ovl/ModelRenderer.h"
#include "ovl/ModelScene.h"

namespace zw {

RgbaPicture carPairPicture(const std::vector<CarScene>& cars, const RenderView& view, Language language);

// One panel: the scene drawn with `title` and `subtitle` (Windows-1252) at the top, or the reason
// it cannot be drawn.
RgbaPicture labelledPanel(const std::string& title, const std::string& subtitle, const SceneResult& result,
                          const RenderView& view, Language language);

}  // namespace zw
