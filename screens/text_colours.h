#pragma once

// The colours of the front-end texts (red, green, blue, alpha), and the depth of the
// plane they are drawn on.
namespace TextColour {
inline constexpr double White[4] = {1.0, 1.0, 1.0, 1.0};
inline constexpr double Cyan[4] = {0.4, 0.9, 0.9, 0.9};
inline constexpr double Green[4] = {0.1, 0.9, 0.2, 0.9};
inline constexpr double Grey[4] = {0.6, 0.6, 0.6, 0.9};
inline constexpr double Red[4] = {0.9, 0.2, 0.1, 0.9};
inline constexpr double Yellow[4] = {0.99, 0.99, 0.3, 0.99};
inline constexpr double Orange[4] = {0.9, 0.5, 0.1, 0.9};
}  // namespace TextColour

constexpr double TextDepth = 120.0;
