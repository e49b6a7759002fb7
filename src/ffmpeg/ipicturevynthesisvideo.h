// Pictures to an H.264 video on a thread of its own (being written).
#pragma once

class IPictureVynthesisVideo
{
};
