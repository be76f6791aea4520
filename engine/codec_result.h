#pragma once

namespace votrana {

// How a compression or decompression run ended.
enum class CodecResult {
    done,
    damagedStream,  // the coded stream ends before its end code or uses a code it has not defined
    readError,
    writeError,
};

}  // namespace votrana
