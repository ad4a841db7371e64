// Style pictures tinted with a lane's hue: the lanes' ball pictures and strike-box pictures.
#pragma once

#include <QImage>

#include <map>
#include <vector>

// A style picture with its mask applied: the mask is white where what lies below shows through
// and black where the picture shows. Without a mask of the same size the picture is opaque.
QImage MaskedPicture(const QImage& picture, const QImage& mask);

// Each pixel takes the hue and keeps its saturation, value and alpha; grey pixels stay grey.
QImage TintedWithHue(const QImage& picture, long double hueDegrees);

// The sources tinted with each hue asked for, made once per hue and kept until the sources are
// other pictures (another style). The lanes that share a hue share the pictures. UI thread only.
class TintedPictures {
public:
    // Empties the cache when the sources differ from the last ones.
    void SetSources(const std::vector<QImage>& sources);
    // The source at an index, tinted; an empty source, or none at the index, gives an empty
    // picture. A copy that shares the kept pixels, so it outlives the cache starting afresh.
    QImage For(long double hueDegrees, size_t source);

private:
    // Hues in use are few (a lane's, from the slider or generated); a cache that grows past this
    // has seen hues no lane holds any more and starts afresh.
    static constexpr size_t kMaxHues = 400;

    std::vector<QImage> m_sources;
    std::map<long double, std::vector<QImage>> m_byHue;
};
