// CObliqueAngle and CTextContext: the obliquing angle kept in (-pi/2, pi/2], and the
// string with its height, width factor, rotation and obliquing.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"

namespace lum::core {

// Brings an obliquing angle into (-pi/2, pi/2]: first into [0, pi) with fmod, then down by
// pi when above pi/2. Non-finite angles become 0.
LUM1CORE_API double NormalizeOblique(double a);
// Brings a rotation into [0, 2 pi) with fmod. Non-finite angles become 0.
LUM1CORE_API double NormalizeRotation(double a);

class LUM1CORE_API CObliqueAngle {
public:
    CObliqueAngle(double a = 0.0) : m_a(NormalizeOblique(a)) {}
    operator double() const { return m_a; }
    bool operator==(const CObliqueAngle& o) const { return m_a == o.m_a; }

private:
    double m_a;
};

class LUM1CORE_API CTextContext {
public:
    CTextContext() = default;
    // The rotation is stored as given.
    CTextContext(const fnd::String& text, double height, double oblique, double widthScale,
                 double rotation)
        : m_oblique(oblique), m_height(height), m_width(widthScale), m_rotate(rotation), m_text(text) {}

    const fnd::String& GetString() const { return m_text; }
    double GetHeight() const { return m_height; }
    double GetOblique() const { return m_oblique; }
    double GetWidthScale() const { return m_width; }
    double GetRotate() const { return m_rotate; }

    void SetString(const fnd::String& s) { m_text = s; }
    void SetHeight(double h) { m_height = h; }
    void SetOblique(double a) { m_oblique = CObliqueAngle(a); }
    void SetWidthScale(double w) { m_width = w; }
    void SetRotate(double r) { m_rotate = NormalizeRotation(r); }

    // String exactly, height, rotation, width factor, obliquing.
    bool operator==(const CTextContext& o) const
    {
        return m_text == o.m_text && m_height == o.m_height && m_rotate == o.m_rotate &&
               m_width == o.m_width && m_oblique == o.m_oblique;
    }

private:
    CObliqueAngle m_oblique;
    double m_height = 0.0;
    double m_width = 1.0;
    double m_rotate = 0.0;
    fnd::String m_text;
};

}  // namespace lum::core
