#include "screen/FormZAV.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "screen/Application.h"
#include "screen/ScreenPictures.h"
#include "screen/ScreenTree.h"

namespace zav {

namespace {

using Method = void (TFormZAV::*)();

struct NamedHandler {
    std::string_view name;
    Method method;
};

// The handlers the screen table binds to control and timer events.
const std::array<NamedHandler, 36> BoundHandlers = {{
    {"Quit2Click", &TFormZAV::Quit2Click},
    {"DXDraw1Initialize", &TFormZAV::DXDraw1Initialize},
    {"Mute2Click", &TFormZAV::Mute2Click},
    {"TimerIntroTimer", &TFormZAV::TimerIntroTimer},
    {"Clouds1MouseMove", &TFormZAV::Clouds1MouseMove},
    {"Intos1MouseMove", &TFormZAV::Intos1MouseMove},
    {"Labyrinth1MouseMove", &TFormZAV::Labyrinth1MouseMove},
    {"LastCrusader1MouseMove", &TFormZAV::LastCrusader1MouseMove},
    {"Psycho1MouseMove", &TFormZAV::Psycho1MouseMove},
    {"CyberDream1MouseMove", &TFormZAV::CyberDream1MouseMove},
    {"Friends1MouseMove", &TFormZAV::Friends1MouseMove},
    {"Frail1MouseMove", &TFormZAV::Frail1MouseMove},
    {"Inborn1MouseMove", &TFormZAV::Inborn1MouseMove},
    {"Toots1MouseMove", &TFormZAV::Toots1MouseMove},
    {"Turrican1MouseMove", &TFormZAV::Turrican1MouseMove},
    {"DFactory1MouseMove", &TFormZAV::DFactory1MouseMove},
    {"Credits1MouseMove", &TFormZAV::Credits1MouseMove},
    {"Mute1MouseMove", &TFormZAV::Mute1MouseMove},
    {"Quit1MouseMove", &TFormZAV::Quit1MouseMove},
    {"Clouds2Click", &TFormZAV::Clouds2Click},
    {"Intos2Click", &TFormZAV::Intos2Click},
    {"Labyrinth2Click", &TFormZAV::Labyrinth2Click},
    {"LastCrusader2Click", &TFormZAV::LastCrusader2Click},
    {"Psycho2Click", &TFormZAV::Psycho2Click},
    {"CyberDream2Click", &TFormZAV::CyberDream2Click},
    {"Friends2Click", &TFormZAV::Friends2Click},
    {"Frail2Click", &TFormZAV::Frail2Click},
    {"Inborn2Click", &TFormZAV::Inborn2Click},
    {"Toots2Click", &TFormZAV::Toots2Click},
    {"Turrican2Click", &TFormZAV::Turrican2Click},
    {"DFactory2Click", &TFormZAV::DFactory2Click},
    {"TimerScrollTextTimer", &TFormZAV::TimerScrollTextTimer},
    {"Credits2Click", &TFormZAV::Credits2Click},
    {"PanelCreditsClick", &TFormZAV::PanelCreditsClick},
    {"TimerScreenTimer", &TFormZAV::TimerScreenTimer},
    {"TimerTitulkyTimer", &TFormZAV::TimerTitulkyTimer},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

// Handler names are matched without regard to letter case, as the resource spells some of them
// differently from the methods.
Method findHandler(std::string_view name) {
    for (const NamedHandler& h : BoundHandlers)
        if (sameIgnoringCase(h.name, name)) return h.method;
    throw std::logic_error("no handler named " + std::string(name));
}

template <typename T>
T* as(TControl* control) {
    auto* typed = dynamic_cast<T*>(control);
    if (!typed) throw std::logic_error("screen control of the wrong kind");
    return typed;
}

}  // namespace

TFormZAV::TFormZAV(TApplication& application, const FileSystem& files, PlaybackController& player)
    : TForm(application, std::string(ScreenName)), files_(files), player_(player) {
    setBounds({-4, -4, DesignClientWidth, DesignClientHeight});
    buildTree();
    bindMembers();
    OnKeyUp = [this](int key) { FormKeyUp(key); };
    OnClose = [this] { FormClose(); };
    FormCreate();
}

TFormZAV::~TFormZAV() { application().destroyMainWindow(); }

void TFormZAV::buildTree() {
    for (const ControlRow& row : ScreenControls) {
        auto* parent = row.parent == ScreenName ? this : dynamic_cast<TWinControl*>(findControl(row.parent));
        std::unique_ptr<TControl> control;
        switch (row.kind) {
        case ControlKind::Panel: control = std::make_unique<TPanel>(parent, std::string(row.name)); break;
        case ControlKind::Image: control = std::make_unique<TImage>(parent, std::string(row.name)); break;
        case ControlKind::DisplayComponent: control = std::make_unique<TDXDraw>(parent, std::string(row.name)); break;
        }
        control->setBounds({row.left, row.top, row.width, row.height});
        control->setAlign(row.align);
        auto* image = dynamic_cast<TImage*>(control.get());
        if (image) image->setAutoSize(row.autoSize);
        control->setVisible(row.visible);
        control->setEnabled(row.enabled);
        if (image && row.hasPicture) image->setPicture(screenPicture(row.name));
        if (!row.handler.empty()) {
            const Method method = findHandler(row.handler);
            Handler call = [this, method] { (this->*method)(); };
            if (row.event == "OnClick") control->OnClick = call;
            else if (row.event == "OnMouseMove") control->OnMouseMove = call;
            else as<TDXDraw>(control.get())->OnInitialize = call;
        }
        controls_.push_back(std::move(control));
    }
    for (const TimerRow& row : ScreenTimers) {
        auto timer = std::make_unique<TTimer>(application().scheduler(), std::string(row.name));
        timer->setEnabled(row.enabled);
        timer->setInterval(row.intervalMs);
        const Method method = findHandler(row.handler);
        timer->OnTimer = [this, method] { (this->*method)(); };
        timers_.push_back(std::move(timer));
    }
}

TControl* TFormZAV::findControl(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->name() == name) return c.get();
    return nullptr;
}

TTimer* TFormZAV::findTimer(std::string_view name) const {
    for (const auto& t : timers_)
        if (t->name() == name) return t.get();
    return nullptr;
}

void TFormZAV::bindMembers() {
    Loading = as<TImage>(findControl("Loading"));
    PanelMenu = as<TPanel>(findControl("PanelMenu"));
    ImageMenuPozadi = as<TImage>(findControl("ImageMenuPozadi"));
    Clouds1 = as<TImage>(findControl("Clouds1"));
    Intos1 = as<TImage>(findControl("Intos1"));
    Labyrinth1 = as<TImage>(findControl("Labyrinth1"));
    lastcrusader1 = as<TImage>(findControl("lastcrusader1"));
    Psycho1 = as<TImage>(findControl("Psycho1"));
    Cyberdream1 = as<TImage>(findControl("Cyberdream1"));
    Friends1 = as<TImage>(findControl("Friends1"));
    Frail1 = as<TImage>(findControl("Frail1"));
    Inborn1 = as<TImage>(findControl("Inborn1"));
    Toots1 = as<TImage>(findControl("Toots1"));
    Turrican1 = as<TImage>(findControl("Turrican1"));
    DFactory1 = as<TImage>(findControl("DFactory1"));
    Clouds2 = as<TImage>(findControl("Clouds2"));
    Intos2 = as<TImage>(findControl("Intos2"));
    Labyrinth2 = as<TImage>(findControl("Labyrinth2"));
    LastCrusader2 = as<TImage>(findControl("LastCrusader2"));
    Psycho2 = as<TImage>(findControl("Psycho2"));
    CyberDream2 = as<TImage>(findControl("CyberDream2"));
    Friends2 = as<TImage>(findControl("Friends2"));
    Frail2 = as<TImage>(findControl("Frail2"));
    Inborn2 = as<TImage>(findControl("Inborn2"));
    Toots2 = as<TImage>(findControl("Toots2"));
    Turrican2 = as<TImage>(findControl("Turrican2"));
    DFactory2 = as<TImage>(findControl("DFactory2"));
    Credits1 = as<TImage>(findControl("Credits1"));
    Mute1 = as<TImage>(findControl("Mute1"));
    Quit1 = as<TImage>(findControl("Quit1"));
    Credits2 = as<TImage>(findControl("Credits2"));
    Mute2 = as<TImage>(findControl("Mute2"));
    Quit2 = as<TImage>(findControl("Quit2"));
    Text1 = as<TImage>(findControl("Text1"));
    text2 = as<TImage>(findControl("text2"));
    Text3 = as<TImage>(findControl("Text3"));
    text4 = as<TImage>(findControl("text4"));
    text5 = as<TImage>(findControl("text5"));
    text6 = as<TImage>(findControl("text6"));
    Text7 = as<TImage>(findControl("Text7"));
    Text8 = as<TImage>(findControl("Text8"));
    Text9 = as<TImage>(findControl("Text9"));
    Text10 = as<TImage>(findControl("Text10"));
    Text11 = as<TImage>(findControl("Text11"));
    Text12 = as<TImage>(findControl("Text12"));
    TextHlavni = as<TImage>(findControl("TextHlavni"));
    PanelCredits = as<TPanel>(findControl("PanelCredits"));
    Credits = as<TImage>(findControl("Credits"));
    TitulkyPanel = as<TPanel>(findControl("TitulkyPanel"));
    Titulky = as<TImage>(findControl("Titulky"));
    PanelSTextem = as<TPanel>(findControl("PanelSTextem"));
    ScrollText = as<TImage>(findControl("ScrollText"));
    PanelIntro = as<TPanel>(findControl("PanelIntro"));
    Matrix = as<TImage>(findControl("Matrix"));
    Logo = as<TImage>(findControl("Logo"));
    DXDraw1 = as<TDXDraw>(findControl("DXDraw1"));
    TimerTitulky = findTimer("TimerTitulky");
    TimerScrollText = findTimer("TimerScrollText");
    TimerScreen = findTimer("TimerScreen");
    TimerIntro = findTimer("TimerIntro");
}

}  // namespace zav
