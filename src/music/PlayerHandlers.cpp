#include "music/Catalogue.h"
#include "music/PlaybackController.h"
#include "screen/FormZAV.h"

namespace zav {

// The display is ready: the theme starts.
void TFormZAV::DXDraw1Initialize() { player().StartModule(ThemeFile); }

void TFormZAV::Mute2Click() { player().StopPlayback(); }

}  // namespace zav
