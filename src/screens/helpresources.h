#pragma once
// The instruction pages are compiled into this library; a static library's Qt
// resources are registered only when asked, so every reader of ":/RTF/..." calls this.

namespace quorvel {

/// Registers the built-in instruction pages (once; later calls do nothing).
void initHelpResources();

} // namespace quorvel
