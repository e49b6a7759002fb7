// The platform's own shared-library loader, kept apart so that another
// platform's loader can stand beside it.
#pragma once

#include <QString>

namespace IOcrNativeLoader {

// Loads the library with its own folder searched for its dependencies;
// null on failure. Loading a library already loaded hands out the same
// module again and counts one more user of it.
void* open(const QString& path);

// The exported symbol `name`, null when there is none.
void* resolve(void* handle, const char* name);

// Drops one user of the library; false when the system refused.
bool close(void* handle);

// The system's description of the last loader failure, empty when none.
QString lastError();

} // namespace IOcrNativeLoader
