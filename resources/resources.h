#pragma once
// The built-in resources (pictures under ":/pictures/", the first window's pictures
// unpacked under ":/unpacked/", the default best-times file ":/BIN/scores").

namespace quorvel {

/// Registers the built-in resources; safe to call any number of times.
void initResources();

} // namespace quorvel
