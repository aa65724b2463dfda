#pragma once

#include <cstdint>
#include <span>

#include "segments/compiled_effect.hpp"
#include "segments/effect_state.hpp"

namespace ravix {

// Applies the steps in order to the working coordinates (x = 255 - point x,
// y = 255 - point y) and to the colour variable. Each animated step advances
// its field when its code's counter has grown past the step's limit, and sets
// that counter back to 0. Allocates nothing.
void ApplySteps(std::span<const CompiledStep> steps, EffectState& state, double& x, double& y,
                std::int32_t& colourVariable, std::int32_t pointIndex);

// The colour index a point is sent with. The code in force is the override
// `selected` unless that is 257 ("Auto"), else the colour variable; a point of
// colour 0 stays 0 in every mode. Codes other than 257..260 count by their low
// 8 bits.
std::uint8_t PickColour(std::uint8_t pointColour, std::int32_t colourVariable,
                        std::int32_t selected, std::int32_t colourOffset, std::int32_t rnd3Index);

}  // namespace ravix
