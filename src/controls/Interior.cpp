// Making the controls, loading a style, and dimming around dialogs.
#include "controls/Interior.h"

#include "controls/ControlHost.h"
#include "controls/RulerFont.h"
#include "controls/StyleConfig.h"
#include "controls/TheWatch.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "texts/CommaText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

InteriorSettings InteriorSettings::FromStore(const TWideCustomIniFile& settings) {
    InteriorSettings s;
    s.styleNames = SplitCommaText(ReadSettingText(settings, Setting("Main", "InteriorStyles")));
    s.selectedStyle = ReadSettingInt(settings, Setting("Main", "SelectedInteriorStyle"));
    s.menuIconSize = ReadSettingInt(settings, Setting("Main", "MenuIconSize"));
    s.leftMeter = ReadSettingBool(settings, Setting("MasterMeters", "L.Visible"));
    s.rightMeter = ReadSettingBool(settings, Setting("MasterMeters", "R.Visible"));
    s.watchVisible = ReadSettingBool(settings, Setting("Watch", "Visible"));
    s.rulerVisible = ReadSettingBool(settings, Setting("Ruler", "Visible"));
    s.carrierVisible = ReadSettingBool(settings, Setting("Carrier", "Visible"));
    s.sliderVisible = ReadSettingBool(settings, Setting("Slider", "Visible"));
    s.lanesVisible = ReadSettingBool(settings, Setting("Lanes", "Visible"));
    s.menuTriggerVisible = ReadSettingBool(settings, Setting("MenuTrigger", "Visible"));
    s.laneStrip.metersVisible = ReadSettingBool(settings, Setting("Lanes", "Meters.Visible"));
    s.laneStrip.handlesZoom = ReadSettingInt(settings, Setting("Lanes", "Handles.Zoom"));
    s.watch.peekLanesLoudness = ReadSettingBool(settings, Setting("Watch", "PeekLanesLoudness"));
    s.watch.allowOutOfRange = ReadSettingBool(settings, Setting("Watch", "AllowOutOfRange"));
    s.watch.secondMode = ReadSettingBool(settings, Setting("Watch", "Mode"));
    return s;
}

QString StyleFolderFor(const QStringList& names, int index, const QString& programFolder) {
    const QString name = index >= 0 && index < names.size() ? names.at(index) : QString();
    return programFolder + QStringLiteral("interior/") +
           (name.isEmpty() ? QStringLiteral("Default") : name) + QLatin1Char('/');
}

namespace {

// The first listed style whose folder is there, else the default style's folder.
QString firstStyleThere(const QStringList& names, const QString& programFolder) {
    for (int i = 0; i < names.size(); ++i)
        if (const QString folder = StyleFolderFor(names, i, programFolder);
            QFileInfo(folder).isDir())
            return folder;
    return StyleFolderFor({}, -1, programFolder);
}

TCtrl* make(const ControlMaker& maker, TCtrlList& list) {
    return maker ? &maker(list) : nullptr;
}

void applyVisible(TCtrl* control, bool visible) {
    if (control)
        control->SetVisible(visible);
}

} // namespace

TTheInterior::TTheInterior(ControlHost& host, const InteriorSettings& settings,
                           const QString& programFolder, const QString& rulerFontFile,
                           const ControlMakers& makers)
    : TheCtrls(host, Surfaces), m_host(host), m_programFolder(programFolder), m_made(settings),
      m_selectedStyle(settings.selectedStyle) {
    resolveStyleFolder();
    TheCtrls.Interior = this;
    if (settings.leftMeter)
        MeterL = std::make_unique<TThePeakMeter>(TThePeakMeter::Side::Left);
    if (settings.rightMeter)
        MeterR = std::make_unique<TThePeakMeter>(TThePeakMeter::Side::Right);

    Ruler = make(makers.ruler, TheCtrls);
    MenuTrigger = make(makers.menuTrigger, TheCtrls);
    Room = make(makers.room, TheCtrls);
    Watch = make(makers.watch, TheCtrls);
    Lanes = make(makers.lanes, TheCtrls);
    Carrier = make(makers.carrier, TheCtrls);
    Slider = make(makers.slider, TheCtrls);

    applyVisible(Watch, settings.watchVisible);
    applyVisible(Ruler, settings.rulerVisible);
    applyVisible(Carrier, settings.carrierVisible);
    applyVisible(Slider, settings.sliderVisible);
    applyVisible(Lanes, settings.lanesVisible);
    if (MenuTrigger)
        MenuTrigger->Visible = settings.menuTriggerVisible;
    LaneStripStates = settings.laneStrip;
    WatchStates = settings.watch;

    RulerFontFamily = ::RulerFontFamily(rulerFontFile, m_programFolder);
}

InteriorSettings TTheInterior::Current() const {
    InteriorSettings s = m_made;
    s.selectedStyle = m_selectedStyle;
    s.leftMeter = MeterL != nullptr;
    s.rightMeter = MeterR != nullptr;
    const auto shown = [](const TCtrl* control, bool made) {
        return control ? control->Visible : made;
    };
    s.watchVisible = shown(Watch, m_made.watchVisible);
    s.rulerVisible = shown(Ruler, m_made.rulerVisible);
    s.carrierVisible = shown(Carrier, m_made.carrierVisible);
    s.sliderVisible = shown(Slider, m_made.sliderVisible);
    s.lanesVisible = shown(Lanes, m_made.lanesVisible);
    s.menuTriggerVisible = shown(MenuTrigger, m_made.menuTriggerVisible);
    s.laneStrip = LaneStripStates;
    s.watch = WatchStates;
    return s;
}

void TTheInterior::resolveStyleFolder() {
    m_styleFolder = StyleFolderFor(m_made.styleNames, m_selectedStyle, m_programFolder);
    const bool named = m_selectedStyle >= 0 && m_selectedStyle < m_made.styleNames.size() &&
                       !m_made.styleNames.at(m_selectedStyle).isEmpty();
    if (!named || QFileInfo(m_styleFolder).isDir())
        return;
    // A style not installed (yet): the choice stays, another style stands in.
    const QString missing = m_styleFolder;
    m_styleFolder = firstStyleThere(m_made.styleNames, m_programFolder);
    Report('"' + missing + '"',
           m_made.styleNames.at(m_selectedStyle) + QStringLiteral(" → ") +
               QDir(m_styleFolder).dirName(),
           false);
}

void TTheInterior::LoadStyle() {
    m_style = ReadStyleConfigFile(m_styleFolder + QStringLiteral("config.ini"));
    m_bitmaps.Load(m_styleFolder);
    const int systemIconHeight = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_icons.Load(MenuIconFolder(m_styleFolder, m_made.menuIconSize, systemIconHeight));
}

void TTheInterior::SelectStyle(int index) {
    m_selectedStyle = index;
    resolveStyleFolder();
    LoadStyle();
    m_host.Relayout();
}

void TTheInterior::ResizeAll() {
    for (int i = 0; i < TheCtrls.Count(); ++i)
        TheCtrls.Items(i).Resize();
}

void TTheInterior::PresentAll() {
    for (int i = 0; i < TheCtrls.Count(); ++i)
        TheCtrls.Items(i).Present();
}

void TTheInterior::SetDimmed(bool on) {
    // While a value is typed the rest is dimmed already: only the typing controls follow.
    if (const TTheWatch* watch = TheWatchOf(*this); watch && watch->TypingView()) {
        for (int i = 0; i < TheCtrls.Count(); ++i)
            if (TCtrl& control = TheCtrls.Items(i); StaysLitWhileTyping(control))
                control.Dimmed = on;
        m_host.RelayoutAndRepaint(false);
        return;
    }
    if (!on) {
        m_host.AnimateDim(false);
        return;
    }
    for (int i = 0; i < TheCtrls.Count(); ++i)
        TheCtrls.Items(i).Dimmed = true;
    Surfaces.DimAlpha = kDimmedAlpha;
    m_host.RelayoutAndRepaint(false);
}
