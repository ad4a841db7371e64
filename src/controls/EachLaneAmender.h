// Changes the loudness or the pan of every lane at once by a value typed into the watch, and
// puts the lanes' own texts back when the typing is cancelled.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Arrangement;
class TWatchTyper;

enum class AmendedValue { Loudness, Pan };

// How the typed value (-100 .. 100) amends: Relative scales each loudness by (100 + value) %
// or moves each pan by value / 100; Absolute sets every lane to value / 100.
enum class AmendMode { Relative = 0, Absolute = 1 };

// Kept by the lanes from its first use. UI thread only.
class TEachLaneAmender {
public:
    TEachLaneAmender(Arrangement& arrangement, TWatchTyper& typer)
        : m_arrangement(arrangement), m_typer(typer) {}

    static constexpr int32_t kCommand = 182;

    // Saves every lane's text of the value and starts the typer; false while it is busy.
    bool Start(AmendedValue what, AmendMode mode);
    bool Active() const { return m_active; }

    // Each lane's value from its own (effective, in-range) value and the typed one; sounding
    // channels follow at once.
    void Apply(int32_t typed);
    // Every lane's text as it was saved.
    void Restore();

private:
    std::string amendedText(const std::string& base, int32_t typed) const;
    // Sets a lane's text, held in range when asked, and updates its sounding channels.
    void applyText(int index, const std::string& text, bool hold);

    Arrangement& m_arrangement;
    TWatchTyper& m_typer;
    AmendedValue m_what = AmendedValue::Loudness;
    AmendMode m_mode = AmendMode::Relative;
    bool m_active = false;
    std::vector<std::string> m_saved; // each lane's own text, to restore
    std::vector<std::string> m_bases; // each lane's effective value, clamped, to amend
};

// Amends every lane: the amender kept by the lanes is made on first use, then started.
bool AmendEveryLane(std::unique_ptr<TEachLaneAmender>& kept, Arrangement& arrangement,
                    TWatchTyper& typer, AmendedValue what, AmendMode mode);
