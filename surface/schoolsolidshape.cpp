#include "surface/schoolsolidshape.h"

#include "surface/pointgrid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kAround = kGridSize; // 0, 15, ..., 360 degrees around the axis
constexpr int kTabungRows = 13;    // a circle every twelfth of the height
constexpr int kKerucutRows = 13;   // as many as one half of the catalogue's kerucut
constexpr int kBolaRows = 13;      // 0, 15, ..., 180 degrees from the top
// The rim's label a quarter of the way along, clear of the face touching its
// middle on the net.
constexpr float kRimLabelAt = 0.25f;

// How far the net has come: `lean` 1 while the solid stands, 0 once it lies
// on its side line; `open` 0 before the selimut starts to unroll, 1 flat.
struct Unfolding {
    double lean = 1.0;
    double open = 0.0;
};

Unfolding unfoldingOf(std::int32_t netPercent)
{
    const double share = std::clamp(netPercent, 0, 100) / 100.0;
    return {1.0 - std::min(1.0, 3.0 * share), std::max(0.0, (share - 1.0 / 3.0) * 1.5)};
}

// A turn about the line through `pivot` along y, from x toward z, then a
// shift: the solid tipping over, for every point of it.
class TurnXZ {
public:
    TurnXZ(const WorldPoint& pivot, double angle, const WorldPoint& shift)
        : m_pivot(pivot)
        , m_cos(std::cos(angle))
        , m_sin(std::sin(angle))
        , m_shift(shift)
    {
    }
    WorldPoint operator()(const WorldPoint& point) const
    {
        const double dx = point.x - m_pivot.x;
        const double dz = point.z - m_pivot.z;
        return {m_pivot.x + dx * m_cos - dz * m_sin + m_shift.x, point.y + m_shift.y,
                m_pivot.z + dx * m_sin + dz * m_cos + m_shift.z};
    }

private:
    WorldPoint m_pivot;
    double m_cos;
    double m_sin;
    WorldPoint m_shift;
};

// Builds the faces in a frame where the solid, once tipped over, lies on its
// side line along the x axis, and places every point by the tipping turn.
class ShapeBuilder {
public:
    explicit ShapeBuilder(TurnXZ place)
        : m_place(std::move(place))
    {
    }

    // A patch of cols x rows points, at(col, row) in the building frame.
    template <typename At> void addPatch(SolidFace face, int cols, int rows, At at)
    {
        SolidPatch patch{face, cols, rows, {}};
        patch.points.reserve(static_cast<std::size_t>(cols * rows));
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                patch.points.push_back(m_place(at(col, row)));
        m_shape.patches.push_back(std::move(patch));
    }

    void addMark(std::string_view label, const std::vector<WorldPoint>& points, float labelAt = 0.5f)
    {
        SolidMark mark{{}, label, labelAt};
        for (const WorldPoint& point : points)
            mark.points.push_back(m_place(point));
        m_shape.marks.push_back(std::move(mark));
    }

    SchoolSolidShape take() { return std::move(m_shape); }

private:
    TurnXZ m_place;
    SchoolSolidShape m_shape;
};

double aroundAngle(int col)
{
    return 2.0 * kPi * col / (kAround - 1);
}

// A disc touching its selimut at `touch`, turned about the y line there by
// `turn` (0: the disc's centre lies along +x from the touching point, pi/2:
// straight above it). `angleAt(col)` is the angle of the rim point under the
// side's column, counted from the touching point.
template <typename AngleAt>
void addDisc(ShapeBuilder& builder, SolidFace face, double r, const WorldPoint& touch, double turn,
             AngleAt angleAt)
{
    std::array<double, kAround> cosines{};
    std::array<double, kAround> sines{};
    for (std::size_t col = 0; col < kAround; ++col) {
        cosines[col] = std::cos(angleAt(static_cast<int>(col)));
        sines[col] = std::sin(angleAt(static_cast<int>(col)));
    }
    const double inwardX = std::cos(turn);
    const double inwardZ = std::sin(turn);
    builder.addPatch(face, kAround, 2, [&](int col, int row) {
        const double rho = row * r;
        const auto at = static_cast<std::size_t>(col);
        const double inward = r - rho * cosines[at];
        return WorldPoint{touch.x + inward * inwardX, touch.y + rho * sines[at], touch.z + inward * inwardZ};
    });
}

// The disc's radius to the rim point straight along +y, as addDisc places it.
std::vector<WorldPoint> discRadius(double r, const WorldPoint& touch, double turn)
{
    const WorldPoint centre{touch.x + r * std::cos(turn), touch.y, touch.z + r * std::sin(turn)};
    return {centre, {centre.x, centre.y + r, centre.z}};
}

// The tabung's selimut, its axis along x from the alas (x = 0) to the tutup
// (x = t), lying on the side line y = z = 0. Its cross-section, a circle of
// radius r, unrolls into an arc of the same length and radius r / (1 - open)
// touching the floor at that line.
struct UnrollingTabung {
    double r = 0.0;
    double open = 0.0;

    // The cross-section's point at arc length `along` from the floor.
    WorldPoint section(double along) const
    {
        if (open >= 1.0)
            return {0.0, along, 0.0};
        const double bend = r / (1.0 - open);
        const double half = std::sin(along / (2.0 * bend));
        return {0.0, bend * std::sin(along / bend), 2.0 * bend * half * half};
    }
    // The arc length of the column's side line, from -pi r to pi r.
    double along(int col) const { return kPi * r * (2.0 * col / (kAround - 1) - 1.0); }
    WorldPoint at(int col, double x) const
    {
        const WorldPoint across = section(along(col));
        return {x, across.y, across.z};
    }
};

void addTabungMarks(ShapeBuilder& builder, const UnrollingTabung& side, double t, double alasTurn, bool moved)
{
    builder.addMark("r", discRadius(side.r, {}, alasTurn));
    // The axis while the solid is closed, moving on to the cut side line.
    const WorldPoint cut = side.section(kPi * side.r);
    const double y = side.open * cut.y;
    const double z = (1.0 - side.open) * side.r + side.open * cut.z;
    builder.addMark("t", {{0.0, y, z}, {t, y, z}});
    if (!moved)
        return;
    std::vector<WorldPoint> rim;
    for (int col = 0; col < kAround; ++col)
        rim.push_back(side.at(col, t));
    builder.addMark("2πr", rim, kRimLabelAt);
}

SchoolSolidShape tabung(double r, double t, const Unfolding& unfolding)
{
    ShapeBuilder builder(TurnXZ({}, unfolding.lean * kPi / 2, {r, 0.0, 0.0}));
    const UnrollingTabung side{r, unfolding.open};
    std::array<WorldPoint, kAround> sections;
    for (int col = 0; col < kAround; ++col)
        sections[static_cast<std::size_t>(col)] = side.at(col, 0.0);
    builder.addPatch(SolidFace::Selimut, kAround, kTabungRows, [&](int col, int row) {
        const WorldPoint& across = sections[static_cast<std::size_t>(col)];
        return WorldPoint{t * row / (kTabungRows - 1), across.y, across.z};
    });
    const double fold = unfolding.open * kPi / 2;
    const auto rimAngle = [&side](int col) { return side.along(col) / side.r; };
    addDisc(builder, SolidFace::Alas, r, {}, kPi / 2 + fold, rimAngle);
    addDisc(builder, SolidFace::Tutup, r, {t, 0.0, 0.0}, kPi / 2 - fold, rimAngle);
    addTabungMarks(builder, side, t, kPi / 2 + fold, unfolding.lean < 1.0);
    return builder.take();
}

// The kerucut's selimut, its apex at the origin, lying on the side line along
// +x whose end touches the alas. Opening keeps the slant s and the arc length
// 2 pi r: the half-angle at the apex grows from its closed value to a right
// angle, and the selimut spans less of the way around its axis.
struct OpeningKerucut {
    double s = 0.0;
    double sector = 0.0; // the net's angle, 2 pi r / s
    double half = 0.0;   // at the apex

    // The column's side line, of length 1.
    WorldPoint direction(int col) const
    {
        const double sine = std::sin(half);
        const double cosine = std::cos(half);
        const double around = sector * (static_cast<double>(col) / (kAround - 1) - 0.5) / sine;
        return {cosine * cosine + sine * sine * std::cos(around), sine * std::sin(around),
                sine * cosine * (1.0 - std::cos(around))};
    }
    WorldPoint at(int col, double length) const
    {
        const WorldPoint line = direction(col);
        return {length * line.x, length * line.y, length * line.z};
    }
};

void addKerucutMarks(ShapeBuilder& builder, const OpeningKerucut& side, double r, double alasTurn,
                     const Unfolding& unfolding)
{
    const WorldPoint touch{side.s, 0.0, 0.0};
    builder.addMark("r", discRadius(r, touch, alasTurn));
    // The axis only while the selimut is whole.
    if (unfolding.open == 0.0)
        builder.addMark("t", {discRadius(r, touch, alasTurn).front(), {}});
    builder.addMark("s", {{}, side.at(kAround - 1, side.s)});
    if (unfolding.lean == 1.0)
        return;
    std::vector<WorldPoint> rim;
    for (int col = 0; col < kAround; ++col)
        rim.push_back(side.at(col, side.s));
    builder.addMark("2πr", rim, kRimLabelAt);
}

SchoolSolidShape kerucut(double r, double t, const Unfolding& unfolding)
{
    const double s = std::hypot(r, t);
    const double closedHalf = std::asin(r / s);
    const WorldPoint touch{s, 0.0, 0.0};
    ShapeBuilder builder(TurnXZ(touch, -unfolding.lean * (kPi / 2 + closedHalf), {-s - r, 0.0, 0.0}));
    const OpeningKerucut side{s, 2.0 * kPi * r / s, closedHalf + unfolding.open * (kPi / 2 - closedHalf)};
    std::array<WorldPoint, kAround> lines;
    for (int col = 0; col < kAround; ++col)
        lines[static_cast<std::size_t>(col)] = side.direction(col);
    builder.addPatch(SolidFace::Selimut, kAround, kKerucutRows, [&](int col, int row) {
        const WorldPoint& line = lines[static_cast<std::size_t>(col)];
        const double length = s * row / (kKerucutRows - 1);
        return WorldPoint{length * line.x, length * line.y, length * line.z};
    });
    const double turn = (kPi / 2 + closedHalf) * (1.0 - unfolding.open);
    const auto closedAround
        = [](int col) { return 2.0 * kPi * (static_cast<double>(col) / (kAround - 1) - 0.5); };
    addDisc(builder, SolidFace::Alas, r, touch, turn, closedAround);
    addKerucutMarks(builder, side, r, turn, unfolding);
    return builder.take();
}

// Bola standing on z = 0, centre (0, 0, r); setengah bola its upper half on
// its base disc, centred on the origin.
SchoolSolidShape bola(double r, bool half)
{
    const double lift = half ? 0.0 : r;
    ShapeBuilder builder(TurnXZ({}, 0.0, {}));
    const int rows = half ? (kBolaRows + 1) / 2 : kBolaRows;
    builder.addPatch(SolidFace::Bola, kAround, rows, [&](int col, int row) {
        const double fromTop = kPi * row / (kBolaRows - 1);
        const double around = aroundAngle(col);
        return WorldPoint{r * std::sin(fromTop) * std::cos(around), r * std::sin(fromTop) * std::sin(around),
                          lift + r * std::cos(fromTop)};
    });
    if (half)
        builder.addPatch(SolidFace::Alas, kAround, 2, [&](int col, int row) {
            return WorldPoint{row * r * std::cos(aroundAngle(col)), row * r * std::sin(aroundAngle(col)),
                              0.0};
        });
    builder.addMark("r", {{0.0, 0.0, lift}, {0.0, r, lift}});
    return builder.take();
}

} // namespace

SchoolSolidShape schoolSolidShape(const SchoolSolid& solid)
{
    const double r = solid.radius;
    const double t = solid.height;
    switch (solid.shapeIndex) {
    case kSchoolTabung:
        return tabung(r, t, unfoldingOf(solid.netPercent));
    case kSchoolKerucut:
        return kerucut(r, t, unfoldingOf(solid.netPercent));
    case kSchoolBola:
        return bola(r, false);
    case kSchoolSetengahBola:
        return bola(r, true);
    default:
        return {};
    }
}
