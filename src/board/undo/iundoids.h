// Ids under which QUndoStack offers one step to merge with the next.
#pragma once

namespace IUndoIds {
// An element added and, as the very next step, taken off again (an empty
// text box left behind) leaves no step at all.
constexpr int kElementList = 1;
} // namespace IUndoIds
