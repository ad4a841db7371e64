// The plan: its global values, derived timing, master piece and change tracking.
#pragma once

#include "model/Piece.h"
#include "model/Units.h"
#include "support/Formula.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

class Arrangement;

// UI thread only; the mixer reads the timing and the master piece under the mixer lock.
class TThePlan {
public:
    explicit TThePlan(Arrangement& arrangement);
    TThePlan(const TThePlan&) = delete;
    TThePlan& operator=(const TThePlan&) = delete;

    TPiece Master;
    TFormulaInt ElementRate{int32_t{44100}}; // output frames per second
    TFormulaInt FrameResolution{int32_t{16}};
    TFormulaInt Frames{int32_t{32}}; // default length of the plan, in steps
    TFormulaInt MPH{int32_t{120}};
    TFormulaExt MasterLoudness{1.0L};
    long double LoadedMasterLoudness = 0;

    QString LoadMessages;   // what reading the last file had to report, lines ending in CR LF
    Elements Start{};       // the play range
    Elements End{};         // exclusive; 0 until derived from Frames
    bool Memory = false;    // sound files are held in memory
    int32_t FileFormat = 0; // 0 oldest text form, 2 text version 2, 3 text version 1, 4 binary
    bool Untitled = true;
    QString ResourcesFolder;
    QString FileName;
    QDateTime LoadTime;

    // The folder of the plan's file; empty while the plan has none.
    QString Folder() const;

    const StepTiming& Timing() const { return m_timing; }
    long double ElementsPerStep() const { return m_timing.elementsPerStep; }
    long double ElementsPerPixel() const { return m_timing.elementsPerPixel; }
    // Derives the timing from MPH, ElementRate and FrameResolution. When they give no usable
    // timing the last usable one stays, and the answer names the values; else it is empty.
    QString RecomputeTiming();
    void RecomputeBallStarts();
    // After a change of MPH, ElementRate or FrameResolution; with recompute, everything that
    // hangs on the timing follows.
    void TimingChanged(bool recompute);

    bool Modified() const { return m_modified; }
    int32_t FirstChangeCode() const { return m_firstChangeCode; }
    int32_t LastChangeCode() const { return m_lastChangeCode; }
    const QDateTime& FirstChangeTime() const { return m_firstChangeTime; }
    const QDateTime& LastChangeTime() const { return m_lastChangeTime; }
    // Every edit reports its change code (> 0 records it) and whether the plan is now modified.
    void SetModified(int32_t changeCode, bool modified);
    void ClearModified();

    // Clamped to 0 .. 1; the mixer and, when asked, the loudness slider follow.
    void SetMasterLoudness(long double value, bool updateSlider);

private:
    Arrangement& m_arrangement;
    StepTiming m_timing;
    bool m_modified = false;
    int32_t m_firstChangeCode = 0;
    int32_t m_lastChangeCode = 0;
    QDateTime m_firstChangeTime;
    QDateTime m_lastChangeTime;
};
