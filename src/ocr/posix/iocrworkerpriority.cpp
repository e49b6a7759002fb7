// Thread niceness on Linux: per thread, inherited by threads started later.
#include "ocr/iocrworkerpriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace IOcrWorkerPriority {

void lowerCurrentThread()
{
    // Qt's thread priorities leave ordinary threads' niceness alone.
    ::setpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)), 10);
}

} // namespace IOcrWorkerPriority
