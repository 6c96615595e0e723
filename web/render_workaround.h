#pragma once
namespace vantelo {
// Sets the engine's rendering defaults that keep pages visible on drivers where
// its accelerated path shows a blank view. Call before the first view is made.
void ApplyRenderWorkaround();
}
