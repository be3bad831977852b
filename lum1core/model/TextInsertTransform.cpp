#include "lum/core/TextInsertTransform.h"

#include "fnd/geom/Ecs.h"
#include "lum/core/EntInsert.h"

#include <cmath>
#include <numbers>

namespace lum::core {

namespace {

using fnd::geom::CEcs;
using fnd::geom::PNT_3D;
using fnd::geom::VECTOR_3D;

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// An affine map x -> L x + t; columns of L are the images of the unit axes.
struct Affine {
    VECTOR_3D cx{1, 0, 0}, cy{0, 1, 0}, cz{0, 0, 1}, t{};

    VECTOR_3D Lin(const VECTOR_3D& v) const { return cx * v.x + cy * v.y + cz * v.z; }
    PNT_3D Apply(const PNT_3D& p) const { return fnd::geom::ToPoint(Lin(p.AsVector()) + t); }
    // This map followed by m.
    Affine Then(const Affine& m) const { return {m.Lin(cx), m.Lin(cy), m.Lin(cz), m.Lin(t) + m.t}; }

    static Affine Scale(double x, double y, double z) { return {{x, 0, 0}, {0, y, 0}, {0, 0, z}, {}}; }
    static Affine Shear(double k) { return {{1, 0, 0}, {k, 1, 0}, {0, 0, 1}, {}}; }
    static Affine Rotate(double a)
    {
        const double c = std::cos(a), s = std::sin(a);
        return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}, {}};
    }
    static Affine Move(const VECTOR_3D& v) { return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, v}; }
    static Affine ToWorld(const CEcs& e) { return {e.GetXAxis(), e.GetYAxis(), e.GetZAxis(), {}}; }
    static Affine FromWorld(const CEcs& e)
    {
        const VECTOR_3D& x = e.GetXAxis();
        const VECTOR_3D& y = e.GetYAxis();
        const VECTOR_3D& z = e.GetZAxis();
        return {{x.x, y.x, z.x}, {x.y, y.y, z.y}, {x.z, y.z, z.z}, {}};
    }
};

double To2Pi(double a)
{
    if (!std::isfinite(a))
        return 0.0;
    a = std::fmod(a, kTwoPi);
    if (a < 0.0)
        a += kTwoPi;
    return a >= kTwoPi ? 0.0 : a;
}

// The angle of v in the coordinate system e.
double AngleIn(const CEcs& e, const VECTOR_3D& v)
{
    const double lv = v.Length();
    if (lv == 0.0)
        return 0.0;
    const double a = std::atan2(e.GetYAxis().Dot(v) / (e.GetYAxis().Length() * lv),
                                e.GetXAxis().Dot(v) / (e.GetXAxis().Length() * lv));
    return To2Pi(a < 0.0 ? a + kTwoPi : a);
}

// Text frame of a general map: extrusion, rotation, point, obliquing, height, width factor.
void Decompose(const Affine& m, const TEXT_3D& in, VECTOR_3D& outExt, TEXT_3D& out)
{
    const VECTOR_3D X = m.cx, Y = m.cy;
    // The plane of the text's image: under a non-uniform scale the image of the z axis leaves
    // it, so the normal comes from the images of x and y (on the side of the z image).
    VECTOR_3D Z = X.Cross(Y);
    if (Z.Length() == 0.0)
        Z = m.cz;
    else if (Z.Dot(m.cz) < 0.0)
        Z = -Z;
    const PNT_3D P = fnd::geom::ToPoint(m.t);
    const CEcs eo(Z);
    const VECTOR_3D U = Z.Cross(X);
    double a = 0.0;
    const double lu = U.Length(), ly = Y.Length(), lx = X.Length();
    if (lu > 0.0 && ly > 0.0 && lx > 0.0) {
        a = std::atan2(U.Dot(Y) / (lu * ly), X.Dot(Y) / (lx * ly));
        if (a < 0.0)
            a += kTwoPi;
    }
    double oblique = a <= kPi + (kPi + 1.0) * 1e-12 ? kPi / 2.0 - a : a - 3.0 * kPi / 2.0;
    oblique = std::floor(oblique * 1e7) * 1e-7;
    double k = lu > 0.0 ? std::fabs((U * (1.0 / lu)).Dot(Y)) : 0.0;
    if (k <= 1e-12)
        k = 0.1;
    out = in;
    CTextContext& c = out.GetContext();
    c.SetRotate(AngleIn(eo, X));
    c.SetOblique(oblique);
    c.SetHeight(in.GetContext().GetHeight() * k);
    c.SetWidthScale(lx / k);
    out.SetPoint(eo.FromWorld(P));
    outExt = eo.GetZAxis();
}

bool ZeroScale(const CEntInsert* i)
{
    return i->GetXScale() == 0.0 || i->GetYScale() == 0.0 || i->GetZScale() == 0.0;
}

bool Uniform(const CEntInsert* i)
{
    const double sx = i->GetXScale();
    return std::fabs(i->GetYScale() - sx) <= 1e-12 && std::fabs(i->GetZScale() - sx) <= 1e-12;
}

// The plane-case mapping of a text that faces +z in the insert's own coordinates.
void PlaneCase(const CEntInsert* ins, const TEXT_3D& text, TEXT_3D& out)
{
    const double sx = ins->GetXScale(), sy = ins->GetYScale(), sz = ins->GetZScale();
    const double R = ins->GetRotate();
    const PNT_3D& I = ins->GetPnt();
    const PNT_3D& p = text.GetPoint();
    const CTextContext& c = text.GetContext();
    out = text;
    CTextContext& oc = out.GetContext();
    oc.SetHeight(c.GetHeight() * sy);
    oc.SetWidthScale(c.GetWidthScale() * sx / sy);
    oc.SetOblique(std::atan(std::tan(c.GetOblique()) * sx / sy));
    oc.SetRotate(R);
    const double cr = std::cos(R), sr = std::sin(R);
    out.SetPoint({sx * p.x * cr - sy * p.y * sr + I.x, sx * p.x * sr + sy * p.y * cr + I.y, sz * p.z + I.z});
}

}  // namespace

bool TransformTextFromInsert(const CEntInsert* ins, const VECTOR_3D& ext, const TEXT_3D& text,
                             VECTOR_3D& outExt, TEXT_3D& outText)
{
    if (!ins || ZeroScale(ins))
        return false;
    const VECTOR_3D& ei = ins->GetExtrusion();
    const CTextContext& c = text.GetContext();
    const double r = c.GetRotate();
    if (ei.z >= 1.0 && ext.z >= 1.0 && r == 0.0) {
        PlaneCase(ins, text, outText);
        outExt = {0.0, 0.0, 1.0};
        return true;
    }
    const CEcs et(ext);
    const CEcs eins(ei);
    const double sx = ins->GetXScale(), sy = ins->GetYScale(), sz = ins->GetZScale();
    const Affine toSite = [&] {
        Affine m = Affine::Scale(sx, sy, sz).Then(Affine::Rotate(ins->GetRotate())).Then(
            Affine::Move(ins->GetPnt().AsVector()));
        return ei.z < 1.0 ? m.Then(Affine::ToWorld(eins)) : m;
    }();
    if (Uniform(ins)) {
        const Affine m = Affine::ToWorld(et).Then(toSite);
        const CEcs eo(m.cz);
        outText = text;
        CTextContext& oc = outText.GetContext();
        oc.SetHeight(c.GetHeight() * sx);
        oc.SetRotate(AngleIn(eo, m.cx) + r);
        outText.SetPoint(eo.FromWorld(m.Apply(text.GetPoint())));
        outExt = eo.GetZAxis();
        return true;
    }
    if (et.GetZAxis() == VECTOR_3D{0.0, 0.0, 1.0} && r == 0.0) {
        PlaneCase(ins, text, outText);
        outExt = eins.GetZAxis();
        return true;
    }
    const Affine m = Affine::Scale(c.GetWidthScale(), 1, 1)
                         .Then(Affine::Shear(std::tan(c.GetOblique())))
                         .Then(Affine::Rotate(r))
                         .Then(Affine::Move(text.GetPoint().AsVector()))
                         .Then(Affine::ToWorld(et))
                         .Then(toSite);
    Decompose(m, text, outExt, outText);
    return true;
}

bool TransformTextToInsert(const CEntInsert* ins, const VECTOR_3D& ext, const TEXT_3D& text,
                           VECTOR_3D& outExt, TEXT_3D& outText)
{
    if (!ins || ZeroScale(ins))
        return false;
    const VECTOR_3D& ei = ins->GetExtrusion();
    const CTextContext& c = text.GetContext();
    const double r = c.GetRotate(), R = ins->GetRotate();
    const CEcs et(ext);
    const CEcs eins(ei);
    Affine toBlock;
    if (!(ext == VECTOR_3D{0.0, 0.0, 1.0}))
        toBlock = toBlock.Then(Affine::ToWorld(et));
    if (ei.z < 1.0)
        toBlock = toBlock.Then(Affine::FromWorld(eins));
    toBlock = toBlock.Then(Affine::Move(-ins->GetPnt().AsVector()));
    if (Uniform(ins)) {
        const double s = ins->GetXScale();
        const Affine m = Affine::Rotate(r)
                             .Then(Affine::Move(text.GetPoint().AsVector()))
                             .Then(toBlock)
                             .Then(Affine::Rotate(-R));
        const CEcs eo(m.cz);
        outText = text;
        CTextContext& oc = outText.GetContext();
        oc.SetHeight(c.GetHeight() / s);
        oc.SetRotate(AngleIn(eo, m.cx));
        outText.SetPoint(eo.FromWorld(fnd::geom::ToPoint(m.t * (1.0 / s))));
        outExt = eo.GetZAxis();
        return true;
    }
    Affine m = Affine::Scale(c.GetWidthScale(), 1, 1).Then(Affine::Shear(std::tan(c.GetOblique())));
    if (r != 0.0)
        m = m.Then(Affine::Rotate(r));
    m = m.Then(Affine::Move(text.GetPoint().AsVector())).Then(toBlock);
    if (R != 0.0)
        m = m.Then(Affine::Rotate(-R));
    m = m.Then(Affine::Scale(1.0 / ins->GetXScale(), 1.0 / ins->GetYScale(), 1.0 / ins->GetZScale()));
    Decompose(m, text, outExt, outText);
    return true;
}

}  // namespace lum::core
