#include <array>

#include "music/Catalogue.h"
#include "music/PlaybackController.h"
#include "platform/FileSystem.h"
#include "screen/FormZAV.h"

namespace zav {

namespace {

// The fifteen menu entries, top to bottom: the twelve songs, then Credits, Mute and Quit.
constexpr std::array<TImage* TFormZAV::*, 15> Highlights = {
    &TFormZAV::Clouds2,  &TFormZAV::Intos2,  &TFormZAV::Labyrinth2, &TFormZAV::LastCrusader2, &TFormZAV::Psycho2,
    &TFormZAV::CyberDream2, &TFormZAV::Friends2, &TFormZAV::Frail2, &TFormZAV::Inborn2, &TFormZAV::Toots2,
    &TFormZAV::Turrican2, &TFormZAV::DFactory2, &TFormZAV::Credits2, &TFormZAV::Mute2, &TFormZAV::Quit2,
};

}  // namespace

void TFormZAV::HoverMenuEntry(int entry) {
    for (int other = 0; other < static_cast<int>(Highlights.size()); ++other)
        if (other != entry) (this->*Highlights[other])->setVisible(false);
    (this->*Highlights[entry])->setVisible(true);
}

// A missing file is not reported: the music goes on as it was and only the strip changes.
void TFormZAV::ClickSong(int song) {
    const SongEntry& entry = SongEntries[song];
    if (files().isRegularFile(std::string(entry.moduleFile))) player().StartModule(entry.moduleFile);
    ShowScrollPicture(static_cast<TImage*>(findControl(entry.songLine))->picture());
}

void TFormZAV::Clouds1MouseMove() { HoverMenuEntry(0); }
void TFormZAV::Intos1MouseMove() { HoverMenuEntry(1); }
void TFormZAV::Labyrinth1MouseMove() { HoverMenuEntry(2); }
void TFormZAV::LastCrusader1MouseMove() { HoverMenuEntry(3); }
void TFormZAV::Psycho1MouseMove() { HoverMenuEntry(4); }
void TFormZAV::CyberDream1MouseMove() { HoverMenuEntry(5); }
void TFormZAV::Friends1MouseMove() { HoverMenuEntry(6); }
void TFormZAV::Frail1MouseMove() { HoverMenuEntry(7); }
void TFormZAV::Inborn1MouseMove() { HoverMenuEntry(8); }
void TFormZAV::Toots1MouseMove() { HoverMenuEntry(9); }
void TFormZAV::Turrican1MouseMove() { HoverMenuEntry(10); }
void TFormZAV::DFactory1MouseMove() { HoverMenuEntry(11); }
void TFormZAV::Credits1MouseMove() { HoverMenuEntry(12); }
void TFormZAV::Mute1MouseMove() { HoverMenuEntry(13); }
void TFormZAV::Quit1MouseMove() { HoverMenuEntry(14); }

void TFormZAV::Clouds2Click() { ClickSong(0); }
void TFormZAV::Intos2Click() { ClickSong(1); }
void TFormZAV::Labyrinth2Click() { ClickSong(2); }
void TFormZAV::LastCrusader2Click() { ClickSong(3); }
void TFormZAV::Psycho2Click() { ClickSong(4); }
void TFormZAV::CyberDream2Click() { ClickSong(5); }
void TFormZAV::Friends2Click() { ClickSong(6); }
void TFormZAV::Frail2Click() { ClickSong(7); }
void TFormZAV::Inborn2Click() { ClickSong(8); }
void TFormZAV::Toots2Click() { ClickSong(9); }
void TFormZAV::Turrican2Click() { ClickSong(10); }
void TFormZAV::DFactory2Click() { ClickSong(11); }

}  // namespace zav
