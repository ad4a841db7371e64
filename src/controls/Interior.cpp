// Making the controls, loading a style, and dimming around dialogs.
#include "controls/Interior.h"

#include "controls/ControlHost.h"
#include "controls/RulerFont.h"
#include "controls/StyleConfig.h"
#include "support/Report.h"
#include "support/WideMemIniFile.h"
#include "texts/CommaText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

InteriorSettings InteriorSettings::FromStore(const TWideCustomIniFile& settings) {
    InteriorSettings s;
    s.styleNames = SplitCommaText(settings.ReadString("Main", "InteriorStyles", {}));
    s.selectedStyle = settings.ReadInteger("Main", "SelectedInteriorStyle", 0);
    s.menuIconSize = settings.ReadInteger("Main", "MenuIconSize", -1);
    s.leftMeter = settings.ReadBool("MasterMeters", "L.Visible", true);
    s.rightMeter = settings.ReadBool("MasterMeters", "R.Visible", true);
    s.watchVisible = settings.ReadBool("Watch", "Visible", true);
    s.rulerVisible = settings.ReadBool("Ruler", "Visible", true);
    s.carrierVisible = settings.ReadBool("Carrier", "Visible", true);
    s.sliderVisible = settings.ReadBool("Slider", "Visible", true);
    s.lanesVisible = settings.ReadBool("Lanes", "Visible", true);
    s.menuTriggerVisible = settings.ReadBool("MenuTrigger", "Visible", true);
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
    : TheCtrls(host, Surfaces), m_host(host), m_programFolder(programFolder),
      m_styleNames(settings.styleNames), m_selectedStyle(settings.selectedStyle),
      m_menuIconSize(settings.menuIconSize) {
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

    RulerFontFamily = ::RulerFontFamily(rulerFontFile, m_programFolder);
}

void TTheInterior::resolveStyleFolder() {
    m_styleFolder = StyleFolderFor(m_styleNames, m_selectedStyle, m_programFolder);
    const bool named = m_selectedStyle >= 0 && m_selectedStyle < m_styleNames.size() &&
                       !m_styleNames.at(m_selectedStyle).isEmpty();
    if (!named || QFileInfo(m_styleFolder).isDir())
        return;
    // A style not installed (yet): the choice stays, another style stands in.
    const QString missing = m_styleFolder;
    m_styleFolder = firstStyleThere(m_styleNames, m_programFolder);
    Report('"' + missing + '"',
           m_styleNames.at(m_selectedStyle) + QStringLiteral(" → ") + QDir(m_styleFolder).dirName(),
           false);
}

void TTheInterior::LoadStyle() {
    m_style = ReadStyleConfigFile(m_styleFolder + QStringLiteral("config.ini"));
    m_bitmaps.Load(m_styleFolder);
    const int systemIconHeight = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_icons.Load(MenuIconFolder(m_styleFolder, m_menuIconSize, systemIconHeight));
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
    if (!on) {
        m_host.AnimateDim(false);
        return;
    }
    for (int i = 0; i < TheCtrls.Count(); ++i)
        TheCtrls.Items(i).Dimmed = true;
    Surfaces.DimAlpha = kDimmedAlpha;
    m_host.RelayoutAndRepaint(false);
}
