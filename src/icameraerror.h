// The codes every capture source reports through sgError(int), and the
// facade passes on to the window (a stills-only network camera's dropped
// connection as a lost camera).
#pragma once

enum CameraError : int {
    CameraOpened = 0,     // opened, or a resolution applied
    CameraOpenFailed = 1, // failed to open, or no device
    ResolutionFailed = 2,
    CameraLost = 3,       // no more frames
};
