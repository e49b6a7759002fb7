// The platform's own shared-library loader, kept apart so that another
// platform's loader can stand beside it.
#pragma once

#include <QString>

namespace IOcrNativeLoader {

// Loads the library with its own folder searched for its dependencies;
// null on failure.
void* open(const QString& path);

} // namespace IOcrNativeLoader
