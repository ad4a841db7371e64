// The placeholders of texts with arguments and the table of the texts in use.
#include "texts/TextFormat.h"

#include "support/FaultLog.h"
#include "texts/Parlance.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

// Kept beside TRANSLATING.md, which tells translators where each text appears.
constexpr std::array kTextUses = std::to_array<TextUse>(
    {{2, 0, true}, {3, 0},   {4, 0},   {5, 0},   {6, 0},   {8, 0},   {9, 0},   {10, 0},  {11, 0},
     {12, 0},      {13, 0},  {14, 0},  {16, 0},  {17, 0},  {21, 0},  {22, 0},  {24, 0},  {25, 0},
     {26, 0},      {28, 0},  {29, 0},  {30, 0},  {36, 0},  {37, 0},  {38, 0},  {39, 0},  {40, 0},
     {41, 0},      {42, 0},  {43, 0},  {45, 0},  {46, 0},  {47, 0},  {52, 0},  {53, 0},  {54, 0},
     {55, 0},      {57, 0},  {58, 0},  {59, 0},  {60, 0},  {61, 0},  {62, 0},  {63, 0},  {64, 0},
     {66, 0},      {68, 0},  {69, 0},  {70, 0},  {71, 0},  {72, 0},  {73, 0},  {74, 0},  {75, 0},
     {76, 0},      {77, 0},  {84, 0},  {86, 0},  {87, 0},  {88, 0},  {90, 0},  {92, 0},  {94, 0},
     {95, 0},      {96, 0},  {98, 1},  {99, 0},  {101, 0}, {102, 0}, {103, 1}, {105, 2}, {107, 2},
     {108, 2},     {111, 0}, {112, 0}, {113, 0}, {114, 0}, {115, 0}, {152, 0}, {156, 0}, {158, 0},
     {159, 0},     {160, 0}, {161, 0}, {162, 0}, {163, 0}, {164, 1}, {165, 0}, {166, 0}, {167, 1},
     {168, 0},     {169, 0}, {170, 0}, {171, 1}, {172, 0}, {173, 0}, {174, 0}, {175, 0}, {182, 0},
     {195, 0},     {196, 0}, {197, 0}, {198, 0}, {200, 0}, {201, 0}, {202, 0}, {203, 0}, {204, 2},
     {205, 2},     {206, 0}, {207, 0}, {208, 1}, {219, 0}, {220, 0}, {222, 0}, {224, 0}, {236, 0},
     {238, 0},     {239, 1}, {240, 0}, {241, 0}, {242, 0}, {243, 0}, {244, 0}, {246, 0}, {247, 0},
     {248, 0},     {249, 0}, {250, 0}, {251, 0}, {252, 0}, {253, 0}, {259, 0}, {260, 0}, {265, 0},
     {267, 0},     {268, 0}, {270, 0}, {271, 3}, {272, 0}, {275, 0}, {280, 0}, {281, 0}, {282, 0},
     {283, 0},     {284, 0}, {285, 0}, {286, 0}, {287, 0}, {288, 0}, {289, 0}, {290, 0}, {291, 0},
     {292, 0},     {293, 0}, {294, 0}, {295, 0}, {299, 0}, {300, 0}, {302, 0}, {303, 0}, {306, 0},
     {308, 0},     {309, 0}, {310, 0}, {311, 0}, {312, 0}, {314, 0}, {315, 0}, {317, 0}, {319, 0},
     {320, 1},     {322, 1}, {323, 0}, {325, 0}, {326, 0}, {332, 0}, {338, 0}, {339, 1}, {340, 1},
     {342, 1},     {343, 1}, {344, 1}, {346, 0}, {347, 0}, {348, 0}, {349, 2}, {350, 0}, {351, 1},
     {352, 1},     {353, 1}, {354, 0}, {355, 0}, {357, 0}, {358, 0}, {359, 0}, {360, 0}, {361, 0},
     {364, 0},     {366, 0}, {367, 0}, {369, 0}});

} // namespace

std::span<const TextUse> TextUses() {
    return kTextUses;
}

int TextArgumentCount(int n) {
    const auto it =
        std::lower_bound(kTextUses.begin(), kTextUses.end(), n,
                         [](const TextUse& use, int number) { return use.number < number; });
    return it != kTextUses.end() && it->number == n ? it->arguments : 0;
}

QString FillArguments(const QString& pattern, const QStringList& args) {
    static const QRegularExpression placeholder(R"(\{(\d{1,4})\})");
    QString result;
    qsizetype done = 0;
    for (auto it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int k = match.captured(1).toInt();
        if (k < 1 || k > args.size())
            continue;
        result += QStringView(pattern).mid(done, match.capturedStart() - done);
        result += args[k - 1];
        done = match.capturedEnd();
    }
    result += QStringView(pattern).mid(done);
    return result;
}

QString FormatText(int n, const QStringList& args) {
    const int expected = TextArgumentCount(n);
    if (args.size() != expected)
        GBX_FAULT("FormatText: text " + std::to_string(n) + " takes " + std::to_string(expected) +
                  " arguments, not " + std::to_string(args.size()));
    return FillArguments(Text(n), args);
}
