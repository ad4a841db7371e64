// The base of every custom-drawn control of the main window, and the list that owns them all.
#pragma once

#include "controls/Geometry.h"
#include "controls/MouseInput.h"

#include <QImage>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class ControlHost;
class DrawingSurfaces;
class QPainter;
class TCtrl;
class TCtrlList;
class TTheInterior;

// One of the interior's controls by its role (&TTheInterior::Lanes, ...).
using InteriorRole = TCtrl* TTheInterior::*;

// A rectangle of the client area that draws itself into the composition image and takes the
// mouse. UI thread only.
class TCtrl {
public:
    // Registered at the end of the list by TCtrlList::Create.
    explicit TCtrl(TCtrlList& list) : List(list) {}
    virtual ~TCtrl() = default;
    TCtrl(const TCtrl&) = delete;
    TCtrl& operator=(const TCtrl&) = delete;

    TCtrlList& List;
    bool Visible = true;
    int32_t Width = 0; // from BoundsRect, by Resize
    int32_t Height = 0;
    TRect BoundsRect; // client coordinates
    QImage Buffer;    // controls that paint through the base Paint draw here
    bool Dimmed = false;

    // Draws Buffer on the composition at the control's top left, through the dim blend when
    // Dimmed.
    virtual void Paint();
    // Width and Height from BoundsRect; overrides set BoundsRect from the layout first.
    virtual void Resize();
    // Copies BoundsRect from the composition to the screen when visible.
    virtual void Present();
    virtual void SetVisible(bool value) { Visible = value; }
    // Takes the mouse capture; overrides usually call this first.
    virtual void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift);
    virtual void MouseMove(int32_t x, int32_t y) { (void)x, (void)y; }
    // Ends the capture.
    virtual void MouseUp(int32_t x, int32_t y);
    virtual void MouseLeave() {}
    // A move while this control holds the capture; a control that drags by the button that
    // went down overrides it.
    virtual void CapturedMouseMove(MouseButton pressed, int32_t x, int32_t y, ShiftState shift) {
        (void)pressed, (void)shift;
        MouseMove(x, y);
    }

    // A colour as this control shows it now: scaled by the dim alpha while Dimmed.
    uint32_t ShownColour(uint32_t colour) const;
    // Text is drawn with the pen, so the pen colour is the font colour too.
    void SetPenColor(QPainter& painter, uint32_t colour) const;
    void SetBrushColor(QPainter& painter, uint32_t colour) const;
    // Keeps later drawing of the painter out of BoundsRect.
    void ExcludeFrom(QPainter& painter) const;

protected:
    // BoundsRect of this size on the layout's bottom row: right of the first shown of the
    // interior's controls named, else where the room starts (the layout's left without one).
    void PlaceOnBottomRow(std::initializer_list<InteriorRole> leftNeighbours, int32_t width,
                          int32_t height);
};

// Owns the controls in creation order and the state they share. UI thread only.
class TCtrlList {
public:
    TCtrlList(ControlHost& host, DrawingSurfaces& surfaces) : Host(host), Surfaces(surfaces) {}
    // Destroys the controls from the last to the first.
    ~TCtrlList();
    TCtrlList(const TCtrlList&) = delete;
    TCtrlList& operator=(const TCtrlList&) = delete;

    template <class Control, class... Args> Control& Create(Args&&... args) {
        auto control = std::make_unique<Control>(*this, std::forward<Args>(args)...);
        Control& created = *control;
        m_items.push_back(std::move(control));
        return created;
    }
    int Count() const { return static_cast<int>(m_items.size()); }
    TCtrl& Items(int index) const { return *m_items.at(index); }

    ControlHost& Host;
    DrawingSurfaces& Surfaces;
    // The interior that made the list, through which controls find their neighbours; none for
    // a list made on its own.
    TTheInterior* Interior = nullptr;
    TCtrl* CapturedCtrl = nullptr; // holds the mouse until its button is released
    TCtrl* HoveredCtrl = nullptr;  // under the mouse while nothing holds it

private:
    std::vector<std::unique_ptr<TCtrl>> m_items;
};
