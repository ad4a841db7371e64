// Information texts about sound files, lanes, balls and the room.
#include "commands/SoundInfo.h"
#include "commands/InfoLine.h"

#include "model/Balls.h"
#include "model/FormulaText.h"
#include "model/Lanes.h"
#include "model/Resources.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"

#include <QStringList>

#include <chrono>
#include <cmath>
#include <optional>

namespace {

constexpr int kTextSoundFile = 4;
constexpr int kTextRate = 5;
constexpr int kTextBits = 6;
constexpr int kTextFrames = 8;
constexpr int kTextTracks = 12;
constexpr int kTextDuration = 13;
constexpr int kTextInMemory = 14;
constexpr int kTextUnknown = 16;
constexpr int kTextName = 26;
constexpr int kTextLoudness = 57;
constexpr int kTextPan = 58;
constexpr int kTextBalls = 61;
constexpr int kTextNotSet = 69;
constexpr int kTextNone = 70;
constexpr int kTextRow = 71;
constexpr int kTextHue = 72;
constexpr int kTextHueGenerated = 73;
constexpr int kTextMuted = 74;
constexpr int kTextSounding = 75;
constexpr int kTextResStart = 172;
constexpr int kTextResEnd = 173;
constexpr int kTextOwnSoundFiles = 268;

const QString kLineEnd = QStringLiteral("\r\n");

QString numberOrNone(int64_t value) {
    return value == 0 ? Text(kTextNone) : QString::number(value);
}

// A formula as typed, or "not set" for the value that leaves it unset.
// The sound file's name on the line after the heading, then an empty line.
QString heading(const TRes* resource) {
    return GetText(kTextSoundFile) + kLineEnd + (resource ? resource->Name : Text(kTextNone)) +
           kLineEnd + kLineEnd;
}

QString durationText(int64_t frames, const TRes& resource) {
    // Frames count at the mix's rate; the file's own rate is Rate / RateRatio of it.
    const long double ms = frames * resource.RateRatio / resource.Rate * 1000.0L;
    return ElapsedTimeText(std::chrono::milliseconds(std::llround(ms)));
}

// Frames and duration of a sound of the given life; none when they cannot be computed.
std::optional<std::pair<QString, QString>> lengthTexts(int64_t life, const TRes* resource) {
    if (!resource || resource->SampleBytes == 0 || resource->Rate == 0 || life < 0)
        return std::nullopt;
    const int64_t frames = life / (int64_t{resource->SampleBytes} * 2);
    return std::pair{QString::number(frames), durationText(frames, *resource)};
}

} // namespace

QString ResourceInfoText(const TRes& resource) {
    QStringList lines;
    lines << InfoLine(kTextRate, numberOrNone(resource.Rate));
    const uint32_t bits = resource.OrigBits != 0 ? resource.OrigBits
                          : resource.Tracks != 0 ? 16
                                                 : 0;
    lines << Text(kTextBits) + QStringLiteral(": ") + numberOrNone(bits);
    lines << InfoLine(kTextTracks, numberOrNone(resource.Tracks));
    std::pair<QString, QString> length{Text(kTextNone), Text(kTextNone)};
    if (resource.Life >= 0)
        length = lengthTexts(resource.Life, &resource)
                     .value_or(std::pair{Text(kTextUnknown), Text(kTextUnknown)});
    lines << InfoLine(kTextFrames, length.first) << InfoLine(kTextDuration, length.second);
    lines << InfoLine(kTextInMemory, BoolWord(resource.InMemory));
    return heading(&resource) + lines.join(kLineEnd);
}

QString LaneInfoText(const TLane& lane, int soundingChannels) {
    const TPiece& piece = lane.Piece();
    QStringList lines;
    lines << InfoLine(kTextName, piece.Handle);
    lines << InfoLine(kTextRow, QString::number(lane.Position()));
    lines << InfoLine(kTextHue, QString::number(static_cast<double>(piece.Hue()), 'g', 15));
    lines << InfoLine(kTextHueGenerated, BoolWord(piece.HueAuto())) + kLineEnd;
    lines << InfoLine(kTextLoudness, FormulaTextOrNotSet(piece.Loudness.Text(), "-1"));
    lines << InfoLine(kTextPan, FormulaTextOrNotSet(piece.Pan.Text(), "-1000"));
    lines << InfoLine(kTextMuted, BoolWord(lane.Striked));
    lines << InfoLine(kTextBalls, QString::number(lane.LaneBalls.size()));
    lines << InfoLine(kTextSounding, QString::number(soundingChannels));
    return heading(piece.Resource) + lines.join(kLineEnd);
}

QString BallInfoText(const TBall& ball, int soundingChannels) {
    const TPiece* ownPiece = ball.OwnPiece();
    const TPiece& piece = ball.Values();
    // The ball's own values; a ball without a piece of its own sets none.
    const auto ownText = [ownPiece](auto field, const char* notSet) {
        return FormulaTextOrNotSet(ownPiece ? (ownPiece->*field).Text() : notSet, notSet);
    };
    const QString name = ownPiece ? ownPiece->Handle : QString();
    QStringList lines;
    lines << InfoLine(kTextName, name.isEmpty() ? Text(kTextNone) : name);
    lines << InfoLine(kTextLoudness, ownText(&TPiece::Loudness, "-1"));
    lines << InfoLine(kTextPan, ownText(&TPiece::Pan, "-1000")) + kLineEnd;
    lines << InfoLine(kTextResStart, ownText(&TPiece::ResStart, "-1"));
    lines << InfoLine(kTextResEnd, ownText(&TPiece::ResEnd, "-1")) + kLineEnd;
    // A file that could not be opened has no sample size: the lane's is asked instead.
    const TRes* own = ownPiece ? ownPiece->Resource : nullptr;
    const TRes* laneResource = ball.Lane() ? ball.Lane()->Piece().Resource : nullptr;
    const TRes* resource = own && own->SampleBytes != 0 ? own : laneResource;
    auto [frames, duration] = lengthTexts(piece.RealLife().count, resource)
                                  .value_or(std::pair{Text(kTextUnknown), Text(kTextUnknown)});
    if (piece.EffectiveLife().count == 0) {
        frames += QLatin1Char(' ') + Text(kTextNotSet);
        duration += QLatin1Char(' ') + Text(kTextNotSet);
    }
    lines << InfoLine(kTextFrames, frames) << InfoLine(kTextDuration, duration) + kLineEnd;
    lines << InfoLine(kTextSounding, QString::number(soundingChannels));
    return heading(own) + lines.join(kLineEnd);
}

QString RoomInfoText(const TTheBalls& balls) {
    int own = 0;
    for (int i = 0; i < balls.Count(); ++i)
        own += balls.At(i).OwnPiece() && balls.At(i).OwnPiece()->Resource ? 1 : 0;
    return InfoLine(kTextBalls, QString::number(balls.Count())) + kLineEnd +
           InfoLine(kTextOwnSoundFiles, QString::number(own));
}
