#pragma once
// The installer's result codes; the installer maps each non-zero one to a message.

namespace lzh {

enum class ResultCode : int {
    Success = 0,
    Cancelled = 1,
    NotArchive = 2,
    UnknownType = 3,
    BrokenFile = 4,
    MemoryEmpty = 5,
    MemoryError = 6,
    ReadError = 7,
    WriteError = 8,
    InternalError = 9,
};

}  // namespace lzh
