#include "surface/planesection.h"

#include "surface/sectionconic.h"
#include "surface/sectioncurve.h"
#include "surface/sectionequations.h"
#include "surface/sectiontexts.h"
#include "surface/startup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

using Sections::CanonicalConic;
using Sections::ConicKind;
using Sections::LinearInS;
using Sections::PlaneConic;
using Sections::PlanePiece;
using Sections::SectionSolid;

namespace {

constexpr double kSize = StartupDefaults::kShapeSize;
static_assert(StartupDefaults::kShapeSize == 100.0f, "the equations' texts write the solids' size as 100");
// The catalogue's height h runs from −90 to 90.
constexpr double kHalfHeight = 90.0;
// Farther along the plane than any solid reaches (160 from the origin at most).
constexpr double kBeyondSolids = 1000.0;

struct PlaneFrame {
    double sinTilt = 0.0;
    double cosTilt = 1.0;
    double distance = 0.0;

    LinearInS x() const { return {distance * sinTilt, cosTilt}; }
    LinearInS z() const { return {distance * cosTilt, -sinTilt}; }
    WorldPoint at(double s, double t) const
    {
        return {distance * sinTilt + s * cosTilt, t, distance * cosTilt - s * sinTilt};
    }
};

double valueAt(LinearInS f, double s)
{
    return f.constant + f.perS * s;
}

double radiansOf(int degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Sine and cosine each taken where they come out exact at the ends of the
// range (sin 90° = 1, cos 90° = 0) and equal at 45°, so that the cone's
// parabola and the cylinder's lines need no luck.
PlaneFrame frameOf(SectionPlane plane)
{
    const int tilt = std::clamp(plane.tiltDegrees, kMinSectionTilt, kMaxSectionTilt);
    PlaneFrame frame;
    frame.sinTilt = tilt < 45 ? std::sin(radiansOf(tilt)) : std::cos(radiansOf(90 - tilt));
    frame.cosTilt = tilt <= 45 ? std::cos(radiansOf(tilt)) : std::sin(radiansOf(90 - tilt));
    frame.distance = std::clamp(plane.distance, kMinSectionDistance, kMaxSectionDistance);
    return frame;
}

// k as the aspect scroll bar means it: a float tenth taken as the exact tenth.
double aspectOf(float aspectFactor)
{
    const double k = aspectFactor;
    const double tenths = std::round(k * 10.0);
    return std::fabs(k * 10.0 - tenths) < 1e-4 ? tenths / 10.0 : k;
}

struct Span {
    double first = 0.0;
    double last = 0.0;
};

// The range of z that the solid's parameters reach.
Span heightsOf(SectionSolid solid, double k)
{
    switch (solid) {
    case SectionSolid::Sphere:
        return {-k * kSize, k * kSize};
    case SectionSolid::HalfSphere:
    case SectionSolid::Paraboloid:
        return {0.0, k * kSize};
    default:
        return {-kHalfHeight, kHalfHeight};
    }
}

// The s where the plane stays within the heights; a horizontal plane is
// wholly inside them or wholly outside.
std::optional<Span> spanWithin(Span heights, const PlaneFrame& frame)
{
    const LinearInS z = frame.z();
    if (z.perS == 0.0) {
        if (z.constant < heights.first || z.constant > heights.last)
            return std::nullopt;
        return Span{-kBeyondSolids, kBeyondSolids};
    }
    return Span{(z.constant - heights.last) / frame.sinTilt, (z.constant - heights.first) / frame.sinTilt};
}

// xx·x² + yy·y² + zz·z² + zl·z + constant = 0.
struct Quadric {
    double xx = 0.0;
    double yy = 0.0;
    double zz = 0.0;
    double zl = 0.0;
    double constant = 0.0;
};

std::optional<Quadric> quadricOf(SectionSolid solid, double k)
{
    const double squaredSize = kSize * kSize;
    switch (solid) {
    case SectionSolid::Sphere:
    case SectionSolid::HalfSphere:
        return Quadric{1.0, 1.0, 1.0 / (k * k), 0.0, -squaredSize};
    case SectionSolid::Cone: // radius h·R/100, which is h
        return Quadric{1.0, 1.0 / (k * k), -1.0, 0.0, 0.0};
    case SectionSolid::Paraboloid:
        return Quadric{1.0, 1.0, 0.0, kSize / k, -squaredSize};
    case SectionSolid::Cylinder:
        return Quadric{1.0, 1.0 / (k * k), 0.0, 0.0, -squaredSize};
    default:
        return std::nullopt;
    }
}

// x = x0 + s·cos θ, y = t, z = z0 − s·sin θ put into the quadric.
PlaneConic conicOnPlane(const Quadric& q, const PlaneFrame& frame)
{
    const double c = frame.cosTilt;
    const double s = frame.sinTilt;
    const double x0 = frame.x().constant;
    const double z0 = frame.z().constant;
    return {q.xx * c * c + q.zz * s * s, 2.0 * q.xx * x0 * c - 2.0 * q.zz * z0 * s - q.zl * s, q.yy,
            q.xx * x0 * x0 + q.zz * z0 * z0 + q.zl * z0 + q.constant};
}

// The two solids that are not quadrics are stacks of ellipses: at height z,
// (x/stretchX)² + (y/stretchY)² = radius(z)².
struct EllipseStack {
    double stretchX = 1.0;
    double stretchY = 1.0;
    double widestRadius = 0.0;
    double (*radius)(double z) = nullptr;
};

// sin u of the catalogue's ellipsoids, with u = 2h + 180 degrees; its sign
// does not matter, as only its square enters.
double ellipsoidsRadius(double z)
{
    return kSize * std::sin(z * std::numbers::pi / 90.0);
}

double hyperboloidRadius(double z)
{
    return z * kSize * z / 10000.0 + 25.0;
}

EllipseStack stackOf(SectionSolid solid, double k)
{
    if (solid == SectionSolid::Ellipsoids)
        return {k, 1.0, kSize, ellipsoidsRadius};
    return {1.0, k, hyperboloidRadius(kHalfHeight), hyperboloidRadius};
}

std::string_view nameOf(ConicKind kind)
{
    // In the order of ConicKind.
    static constexpr std::array<std::string_view, 9> kNames = {
        SectionTexts::kNoSection,     SectionTexts::kPoint,         SectionTexts::kCircle,
        SectionTexts::kEllipse,       SectionTexts::kParabola,      SectionTexts::kHyperbola,
        SectionTexts::kCrossingLines, SectionTexts::kParallelLines, SectionTexts::kLine,
    };
    static_assert(kNames.size() == static_cast<std::size_t>(ConicKind::Line) + 1);
    return kNames[static_cast<std::size_t>(kind)];
}

struct Traced {
    std::string_view name;
    std::string equation;
    std::vector<PlanePiece> pieces;
};

// Pieces of one point each, and nothing else: the plane only touches the
// surface, or meets the finite solid only where its rim ends a curve (the
// cone's hyperbola at θ = 90°, d = 90 keeps just its two vertices).
bool onlyIsolatedPoints(const std::vector<PlanePiece>& pieces)
{
    return !pieces.empty() && std::all_of(pieces.begin(), pieces.end(), [](const PlanePiece& piece) {
        return piece.size() == 1;
    });
}

// Named "titik", whatever curve the points belong to.
Traced isolatedPoints(std::vector<PlanePiece> pieces)
{
    std::vector<double> sOnAxis;
    for (const PlanePiece& piece : pieces)
        sOnAxis.push_back(piece.front().s);
    return {SectionTexts::kPoint, Sections::pointsEquation(sOnAxis), std::move(pieces)};
}

// A conic keeps its name where the solid's range cuts it short, unless all
// that is left is isolated points.
Traced conicSection(const PlaneConic& onPlane, Span span)
{
    const CanonicalConic conic = Sections::canonicalConic(onPlane, kSize);
    if (conic.kind == ConicKind::None)
        return {};
    const Sections::SquaredWidth width = [&conic](double s) { return conic.squaredWidth(s); };
    std::vector<PlanePiece> pieces = Sections::traceSection(width, span.first, span.last, conic.zeros());
    if (onlyIsolatedPoints(pieces))
        return isolatedPoints(std::move(pieces));
    return {nameOf(conic.kind), Sections::conicEquation(conic), std::move(pieces)};
}

// Narrows the span to where |x| can reach the stack's widest ellipse (and a
// unit beyond, so that the curve is never cut there).
Span withinReach(Span span, const EllipseStack& stack, const PlaneFrame& frame)
{
    const LinearInS x = frame.x();
    if (x.perS == 0.0)
        return span;
    const double reach = stack.stretchX * stack.widestRadius + 1.0;
    span.first = std::max(span.first, (-reach - x.constant) / x.perS);
    span.last = std::min(span.last, (reach - x.constant) / x.perS);
    return span;
}

// A horizontal plane cuts one ellipse of the stack; any other plane cuts a
// curve that is traced from the stack's equation.
Traced stackSection(SectionSolid solid, double k, const PlaneFrame& frame, Span span)
{
    const EllipseStack stack = stackOf(solid, k);
    if (frame.sinTilt == 0.0) {
        const double radius = stack.radius(frame.distance);
        const double stretchX = stack.stretchX;
        const double stretchY = stack.stretchY;
        return conicSection({1.0 / (stretchX * stretchX), 0.0, 1.0 / (stretchY * stretchY), -radius * radius},
                            span);
    }
    span = withinReach(span, stack, frame);
    const Sections::SquaredWidth width = [&stack, &frame](double s) {
        const double x = valueAt(frame.x(), s);
        const double radius = stack.radius(valueAt(frame.z(), s));
        return stack.stretchY * stack.stretchY
            * (radius * radius - (x / stack.stretchX) * (x / stack.stretchX));
    };
    std::vector<PlanePiece> pieces = Sections::traceSection(
        width, span.first, span.last, Sections::findZeros(width, span.first, span.last));
    if (onlyIsolatedPoints(pieces))
        return isolatedPoints(std::move(pieces));
    return {SectionTexts::kCurve, Sections::restrictedEquation(solid, k, frame.x(), frame.z()),
            std::move(pieces)};
}

Traced traceOn(SectionSolid solid, double k, const PlaneFrame& frame)
{
    const std::optional<Span> span = spanWithin(heightsOf(solid, k), frame);
    if (!span)
        return {};
    if (const std::optional<Quadric> quadric = quadricOf(solid, k))
        return conicSection(conicOnPlane(*quadric, frame), *span);
    return stackSection(solid, k, frame, *span);
}

std::vector<std::vector<WorldPoint>> inWorld(const std::vector<PlanePiece>& pieces, const PlaneFrame& frame)
{
    std::vector<std::vector<WorldPoint>> world;
    world.reserve(pieces.size());
    for (const PlanePiece& piece : pieces) {
        std::vector<WorldPoint>& points = world.emplace_back();
        points.reserve(piece.size());
        for (const Sections::PlanePoint& p : piece)
            points.push_back(frame.at(p.s, p.t));
    }
    return world;
}

} // namespace

std::string PlaneSection::line() const
{
    if (!available)
        return std::string(SectionTexts::kUnavailable);
    if (flat)
        return std::string(SectionTexts::kFlatSolid);
    if (equation.empty())
        return name;
    return name + ": " + equation;
}

PlaneSection planeSection(int shapeIndex, float aspectFactor, SectionPlane plane)
{
    PlaneSection section;
    if (shapeIndex < 0 || shapeIndex >= Sections::kSectionSolidCount) {
        section.available = false;
        return section;
    }
    const double k = aspectOf(aspectFactor);
    if (!(k > 0.0)) {
        section.flat = true;
        return section;
    }
    const auto solid = static_cast<SectionSolid>(shapeIndex);
    const PlaneFrame frame = frameOf(plane);
    section.solidEquation = Sections::solidEquation(solid, k);
    Traced traced = traceOn(solid, k, frame);
    if (traced.pieces.empty()) {
        section.name = SectionTexts::kNoSection;
        return section;
    }
    section.name = traced.name;
    section.equation = std::move(traced.equation);
    section.pieces = inWorld(traced.pieces, frame);
    return section;
}

std::array<WorldPoint, 4> sectionPlaneOutline(SectionPlane plane)
{
    const PlaneFrame frame = frameOf(plane);
    const double half = kSectionPlaneSide / 2.0;
    return {frame.at(-half, -half), frame.at(half, -half), frame.at(half, half), frame.at(-half, half)};
}
