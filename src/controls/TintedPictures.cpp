// Tinting pictures with a hue, and keeping them per hue.
#include "controls/TintedPictures.h"

#include <QColor>

#include <cmath>

QImage MaskedPicture(const QImage& picture, const QImage& mask) {
    if (picture.isNull())
        return {};
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (mask.size() != picture.size())
        return result;
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            result.setPixel(
                x, y,
                qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), 255 - qGray(mask.pixel(x, y))));
        }
    return result;
}

namespace {

// Degrees in 0 .. 360; a hue that is no number (a damaged file's) reads as 0.
long double normalHue(long double degrees) {
    if (!std::isfinite(degrees))
        return 0;
    const long double turned = std::fmod(degrees, 360.0L);
    return turned < 0 ? turned + 360 : turned;
}

} // namespace

QImage TintedWithHue(const QImage& picture, long double hueDegrees) {
    if (picture.isNull())
        return {};
    const int hue = static_cast<int>(std::lround(normalHue(hueDegrees))) % 360;
    QImage tinted = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x) {
            const QColor colour = QColor::fromRgba(line[x]);
            const int saturation = colour.hsvSaturation();
            if (saturation == 0)
                continue;
            line[x] = QColor::fromHsv(hue, saturation, colour.value(), colour.alpha()).rgba();
        }
    }
    return tinted;
}

void TintedPictures::SetSources(const std::vector<QImage>& sources) {
    bool same = sources.size() == m_sources.size();
    for (size_t i = 0; same && i < sources.size(); ++i)
        same = sources[i].cacheKey() == m_sources[i].cacheKey();
    if (same)
        return;
    m_sources = sources;
    m_byHue.clear();
}

QImage TintedPictures::For(long double hueDegrees, size_t source) {
    hueDegrees = normalHue(hueDegrees);
    auto found = m_byHue.find(hueDegrees);
    if (found == m_byHue.end()) {
        if (m_byHue.size() >= kMaxHues)
            m_byHue.clear();
        std::vector<QImage> tinted;
        tinted.reserve(m_sources.size());
        for (const QImage& picture : m_sources)
            tinted.push_back(TintedWithHue(picture, hueDegrees));
        found = m_byHue.emplace(hueDegrees, std::move(tinted)).first;
    }
    return source < found->second.size() ? found->second[source] : QImage();
}
