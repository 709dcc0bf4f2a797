#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "screen/Controls.h"
#include "screen/DXDraw.h"
#include "screen/Form.h"
#include "screen/Timer.h"

namespace zav {

class FileSystem;
class PlaybackController;

// The disk's one screen. The control tree is built from the screen table; every control and
// timer has a named member, every bound event a method. The handlers' bodies live with the
// subsystem they belong to (start-up, music, intro, menu, strip, credits, keyboard).
class TFormZAV final : public TForm {
public:
    // Builds the tree, binds the handlers by name and runs FormCreate, which may end the program.
    TFormZAV(TApplication& application, const FileSystem& files, PlaybackController& player);
    ~TFormZAV() override;

    TControl* findControl(std::string_view name) const;
    TTimer* findTimer(std::string_view name) const;

    // Controls, in creation order.
    TImage* Loading = nullptr;
    TPanel* PanelMenu = nullptr;
    TImage* ImageMenuPozadi = nullptr;
    TImage* Clouds1 = nullptr;
    TImage* Intos1 = nullptr;
    TImage* Labyrinth1 = nullptr;
    TImage* lastcrusader1 = nullptr;
    TImage* Psycho1 = nullptr;
    TImage* Cyberdream1 = nullptr;
    TImage* Friends1 = nullptr;
    TImage* Frail1 = nullptr;
    TImage* Inborn1 = nullptr;
    TImage* Toots1 = nullptr;
    TImage* Turrican1 = nullptr;
    TImage* DFactory1 = nullptr;
    TImage* Clouds2 = nullptr;
    TImage* Intos2 = nullptr;
    TImage* Labyrinth2 = nullptr;
    TImage* LastCrusader2 = nullptr;
    TImage* Psycho2 = nullptr;
    TImage* CyberDream2 = nullptr;
    TImage* Friends2 = nullptr;
    TImage* Frail2 = nullptr;
    TImage* Inborn2 = nullptr;
    TImage* Toots2 = nullptr;
    TImage* Turrican2 = nullptr;
    TImage* DFactory2 = nullptr;
    TImage* Credits1 = nullptr;
    TImage* Mute1 = nullptr;
    TImage* Quit1 = nullptr;
    TImage* Credits2 = nullptr;
    TImage* Mute2 = nullptr;
    TImage* Quit2 = nullptr;
    TImage* Text1 = nullptr;
    TImage* text2 = nullptr;
    TImage* Text3 = nullptr;
    TImage* text4 = nullptr;
    TImage* text5 = nullptr;
    TImage* text6 = nullptr;
    TImage* Text7 = nullptr;
    TImage* Text8 = nullptr;
    TImage* Text9 = nullptr;
    TImage* Text10 = nullptr;
    TImage* Text11 = nullptr;
    TImage* Text12 = nullptr;
    TImage* TextHlavni = nullptr;
    TPanel* PanelCredits = nullptr;
    TImage* Credits = nullptr;
    TPanel* TitulkyPanel = nullptr;
    TImage* Titulky = nullptr;
    TPanel* PanelSTextem = nullptr;
    TImage* ScrollText = nullptr;
    TPanel* PanelIntro = nullptr;
    TImage* Matrix = nullptr;
    TImage* Logo = nullptr;
    TDXDraw* DXDraw1 = nullptr;

    // Timers, in creation order.
    TTimer* TimerTitulky = nullptr;
    TTimer* TimerScrollText = nullptr;
    TTimer* TimerScreen = nullptr;
    TTimer* TimerIntro = nullptr;

    // Program-wide state. Counters are 8 bits wide and wrap.
    uint8_t MainStripShowing = 0;
    uint8_t IntroTicks = 0;
    uint8_t StripPasses = 0;
    uint8_t TransitionTicks = 0;
    uint8_t CreditsOpening = 0;

    // Start-up, keyboard and closing.
    void FormCreate();
    void FormKeyUp(int key);
    void FormClose();
    void Quit2Click();

    // Music.
    void DXDraw1Initialize();
    void Mute2Click();

    // Intro.
    void TimerIntroTimer();
    void SkipIntro();

    // Menu: the hover handlers and the song clicks share one routine each.
    void Clouds1MouseMove();
    void Intos1MouseMove();
    void Labyrinth1MouseMove();
    void LastCrusader1MouseMove();
    void Psycho1MouseMove();
    void CyberDream1MouseMove();
    void Friends1MouseMove();
    void Frail1MouseMove();
    void Inborn1MouseMove();
    void Toots1MouseMove();
    void Turrican1MouseMove();
    void DFactory1MouseMove();
    void Credits1MouseMove();
    void Mute1MouseMove();
    void Quit1MouseMove();
    void Clouds2Click();
    void Intos2Click();
    void Labyrinth2Click();
    void LastCrusader2Click();
    void Psycho2Click();
    void CyberDream2Click();
    void Friends2Click();
    void Frail2Click();
    void Inborn2Click();
    void Toots2Click();
    void Turrican2Click();
    void DFactory2Click();
    void HoverMenuEntry(int entry);  // index into the menu table
    void ClickSong(int song);        // index into the song entries

    // Info strip.
    void TimerScrollTextTimer();
    void ShowScrollPicture(const Picture& picture);

    // Credits.
    void Credits2Click();
    void PanelCreditsClick();
    void TimerScreenTimer();
    void TimerTitulkyTimer();

    const FileSystem& files() const { return files_; }
    PlaybackController& player() const { return player_; }

private:
    void buildTree();
    void bindMembers();

    const FileSystem& files_;
    PlaybackController& player_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::vector<std::unique_ptr<TTimer>> timers_;
};

}  // namespace zav
