#pragma once

namespace votrana {

// How a compression or decompression run ended.
enum class CodecResult {
    done,
    damagedStream,  // the coded stream ends before its end code, uses a code it has not defined, or
                    // does not end with the zero fill after its end code
    readError,
    writeError,
};

}  // namespace votrana
