#pragma once
// The built-in pictures of the view, decoded once for the whole run and shared by
// every composer: a game reuses them instead of decoding them again at every Start.

#include <QImage>
#include <QString>
#include <QStringList>

namespace quorvel {

/// The built-in picture ":/pictures/<stem>.png" as a 24-bit image, decoded on first
/// use (or by the preload) and kept; a null image when there is no such picture.
/// Safe on any thread.
QImage builtinPicture(const QString& stem);

/// Starts decoding the given built-in pictures on a worker thread and returns at once;
/// builtinPicture waits for the worker rather than decoding a picture twice. One
/// preload at a time; a second call while one runs does nothing.
void preloadPictures(const QStringList& stems);

} // namespace quorvel
