// Names proposed for a plan that has never been kept.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <functional>

inline constexpr std::array<const char*, 16> PlanNameAdjectives = {
    "Enigmatic", "Venomous",  "Toxic",        "Interesting", "Ridiculous", "Moonless",
    "Tumbling",  "Terrific",  "Exciting",     "Electronic",  "Ludicrous",  "Fatuous",
    "Marvelous", "Ingenious", "Preposterous", "Fabulous"};
inline constexpr std::array<const char*, 7> PlanNameNouns = {
    "Joyride", "Situation", "Homework", "Pancakes", "Darkness", "Offender", "Infraction"};
inline constexpr std::array<const char*, 8> PlanNamePhrases = {"Throwing Rocks",
                                                               "I Like Your Style",
                                                               "I Dig Your Style",
                                                               "Billion Stars",
                                                               "Amphibious Rodent",
                                                               "Fabulous Stuff",
                                                               "Obviously You're Not a Golfer",
                                                               "We Believe in Nothing"};
inline constexpr std::array<const char*, 3> SimplePlanNames = {
    "A Great Plan", "The Beauty of This Is Its Simplicity",
    "Once a Plan Gets Too Complex, Everything Can Go Wrong"};

// Draws uniformly from 0..n-1.
using RandomBelow = std::function<int(int n)>;

// A name for a plan with ballCount balls, proposed on the given day.
QString RandomPlanName(int ballCount, const QDate& today, const RandomBelow& random);
// The same for today, drawn from the program's random generator.
QString RandomPlanName(int ballCount);
