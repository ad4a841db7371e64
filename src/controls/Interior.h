// The interior: the controls with their shared surfaces, the chosen visual style with its
// tables and bitmaps, and the dimming of the controls around dialogs.
#pragma once

#include "controls/Ctrl.h"
#include "controls/DrawingSurfaces.h"
#include "controls/NamedImages.h"
#include "controls/PeakMeter.h"
#include "controls/StyleTables.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class ControlHost;
class TWideCustomIniFile;

// Makes one control in the list. A maker left empty stands for a control that this program
// does not have (yet); every user of the roles below allows for that.
using ControlMaker = std::function<TCtrl&(TCtrlList&)>;
struct ControlMakers {
    ControlMaker ruler, menuTrigger, room, watch, lanes, carrier, slider;
};

// The lane strip's and the watch's settings, kept by the interior, so that switches change them
// and the exit writes them whether or not the control was made.
struct LaneStripState {
    bool metersVisible = true; // Lanes.Meters.Visible
    int32_t handlesZoom = 0;   // Lanes.Handles.Zoom
};
struct WatchState {
    bool peekLanesLoudness = true; // Watch.PeekLanesLoudness
    bool allowOutOfRange = false;  // Watch.AllowOutOfRange
    bool secondMode = false;       // Watch.Mode
};

// What the interior reads from the program settings when it is made.
struct InteriorSettings {
    QStringList styleNames;         // Main.InteriorStyles
    int selectedStyle = 0;          // Main.SelectedInteriorStyle
    int menuIconSize = -1;          // Main.MenuIconSize
    bool leftMeter = true;          // MasterMeters.L.Visible
    bool rightMeter = true;         // MasterMeters.R.Visible
    bool watchVisible = true;       // Watch.Visible
    bool rulerVisible = true;       // Ruler.Visible
    bool carrierVisible = true;     // Carrier.Visible
    bool sliderVisible = true;      // Slider.Visible
    bool lanesVisible = true;       // Lanes.Visible
    bool menuTriggerVisible = true; // MenuTrigger.Visible
    LaneStripState laneStrip;
    WatchState watch;

    static InteriorSettings FromStore(const TWideCustomIniFile& settings);
};

// The style folder of a listed name; the default style's folder for an index outside the list
// or an empty name.
QString StyleFolderFor(const QStringList& names, int index, const QString& programFolder);

// One lives as long as the main window. UI thread only.
class TTheInterior {
public:
    // Makes the meters and the controls (in the order ruler, menu trigger, room, watch, lane
    // strip, carrier, slider) and applies their visibility; the style is loaded by LoadStyle.
    TTheInterior(ControlHost& host, const InteriorSettings& settings, const QString& programFolder,
                 const QString& rulerFontFile, const ControlMakers& makers);
    TTheInterior(const TTheInterior&) = delete;
    TTheInterior& operator=(const TTheInterior&) = delete;

    DrawingSurfaces Surfaces;
    TCtrlList TheCtrls;
    // The controls by role, owned by TheCtrls; none for a control the program does not make.
    TCtrl* Ruler = nullptr;
    TCtrl* MenuTrigger = nullptr;
    TCtrl* Room = nullptr;
    TCtrl* Watch = nullptr;
    TCtrl* Lanes = nullptr;
    TCtrl* Carrier = nullptr;
    TCtrl* Slider = nullptr;
    std::unique_ptr<TThePeakMeter> MeterL;
    std::unique_ptr<TThePeakMeter> MeterR;
    // The family of the ruler font file, or the system's sans.
    QString RulerFontFamily;
    LaneStripState LaneStripStates;
    WatchState WatchStates;

    // The settings as they stand now, for the exit: the shown state of each control, or for a
    // control this program does not make (yet) the state the settings gave it.
    InteriorSettings Current() const;

    int SelectedInteriorStyle() const { return m_selectedStyle; }
    const QString& StyleFolder() const { return m_styleFolder; }
    const StyleTables& Style() const { return m_style; }
    const NamedImages& Bitmaps() const { return m_bitmaps; }
    const NamedImages& Icons() const { return m_icons; }
    // The colour of the window behind the controls, white unless the style's ruler face says
    // otherwise, so that a dark style is dark there too.
    QColor WindowColour() const { return ToQColor(m_style.Ruler.BG); }

    // Every table back to its built-in values, then the style's config.ini, bitmaps and icons.
    void LoadStyle();
    // Chooses another listed style, loads it and lays the window out again.
    void SelectStyle(int index);
    void ResizeAll();
    void PresentAll();
    // Around a modal dialog: on dims every control at once; off brightens them back in steps.
    void SetDimmed(bool on);
    // The controls that stay lit while a value is typed: the watch, the carrier (it keeps
    // rolling) and the slider (it types too).
    bool StaysLitWhileTyping(const TCtrl& control) const {
        return &control == Watch || &control == Carrier || &control == Slider;
    }

private:
    // The selected style's folder; a listed style whose folder is missing gives way to the
    // first listed style that is there (else the default style), and the report says so.
    void resolveStyleFolder();

    ControlHost& m_host;
    QString m_programFolder;
    InteriorSettings m_made; // as the interior was made
    int m_selectedStyle = 0;
    QString m_styleFolder;
    StyleTables m_style;
    NamedImages m_bitmaps{ControlBitmapNames()};
    NamedImages m_icons{MenuIconNames()};
};
