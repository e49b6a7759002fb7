// Recognition keeps every core busy for seconds; the thread that runs it
// yields to the rest of the program so that the window never stalls.
#pragma once

namespace IOcrWorkerPriority {

// Lowers the calling thread's scheduling priority; threads it starts later
// (the engine's own worker pool) inherit it.
void lowerCurrentThread();

} // namespace IOcrWorkerPriority
