#include "music/openmpt/LibraryError.h"

namespace zav {

const char* describe(LibraryError code)
{
    switch (code) {
    case LibraryError::None: return "no error";
    case LibraryError::NotStartedUp: return "library not started up";
    case LibraryError::NotInitialised: return "library not initialised";
    case LibraryError::NoAudioDevice: return "no audio device";
    case LibraryError::CannotOpenFile: return "cannot open the module file";
    case LibraryError::NotARegularFile: return "the module path is not a regular file";
    case LibraryError::EmptyFile: return "the module file is empty";
    case LibraryError::FileTooLarge: return "the module file is too large";
    case LibraryError::CannotReadFile: return "cannot read the module file";
    case LibraryError::NotAModule: return "not a module libopenmpt can read";
    case LibraryError::OutOfMemory: return "out of memory";
    case LibraryError::UnknownModule: return "unknown module handle";
    case LibraryError::CannotPlayModule: return "cannot play the module";
    case LibraryError::UnknownPlay: return "unknown play handle";
    case LibraryError::BadArgument: return "invalid argument";
    }
    return nullptr;
}

}  // namespace zav
