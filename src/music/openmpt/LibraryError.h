#pragma once

namespace zav {

// Codes lastError() returns; errorMessage() gives the text of the most recent failure.
enum class LibraryError : int {
    None = 0,
    NotStartedUp,
    NotInitialised,
    NoAudioDevice,
    CannotOpenFile,
    NotARegularFile,
    EmptyFile,
    FileTooLarge,
    CannotReadFile,
    NotAModule,
    OutOfMemory,
    UnknownModule,
    CannotPlayModule,
    UnknownPlay,
    BadArgument,
};

// A short text naming the kind of failure; null for a code that is none of the above.
const char* describe(LibraryError code);

}  // namespace zav
