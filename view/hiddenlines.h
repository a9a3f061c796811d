#pragma once
// Which parts of a line the surface hides from the eye, for one view.
//
// The surface is the grid's quadrilaterals, two triangles each, seen from
// both sides (an open solid shows its inside). A point of a line is hidden
// where a triangle covers it on the screen and lies nearer the eye there.
// The test works on the screen with a "nearness" per point that grows toward
// the eye and varies linearly across the screen over any flat piece: the
// depth itself without perspective, d * d / (d - depth) with it (the
// reciprocal of the distance from the eye is what is linear on the screen;
// the factor d * d keeps it in the units of the depth near the origin). So
// the hidden stretches of a segment come out exactly, as intervals of its
// screen parameter, and every picture (pixels at any size, SVG) uses the same
// ones.
//
// Triangles are sorted into a coarse grid of cells by their screen bounds,
// so a segment is tested only against the few triangles near it. It draws
// nothing.

#include "surface/pointgrid.h"
#include "view/projection.h"
#include "view/wireframelines.h"

#include <array>
#include <utility>
#include <vector>

struct DepthPoint {
    float x = 0.0f; // screen
    float y = 0.0f;
    double nearness = 0.0;
    // False for a point at or behind the eye, or pushed to the screen's
    // limit: it neither hides nor is hidden.
    bool usable = true;
};

// The nearness of a projected point, as described above.
DepthPoint depthPointOf(const ViewProjection& projection, const ProjectedPoint& point);

class SurfaceOcclusion {
public:
    using Triangle = std::array<DepthPoint, 3>;

    // The grid's triangles over `cols` x `rows` points, from the grid's
    // screen points and the depths of the same projection.
    SurfaceOcclusion(const PointGrid& grid, int cols, int rows, const ViewProjection& projection);
    // Any triangles, for a hand-made surface.
    explicit SurfaceOcclusion(const std::vector<Triangle>& triangles);

    // The grid point (j, i), 1-based, as the first constructor made it.
    const DepthPoint& vertex(int j, int i) const;

    // Appends the stretches of the segment a -> b that the surface hides,
    // tagged `segment`, in order and merged; slivers shorter than a quarter
    // of a pixel are left out.
    void appendHidden(const DepthPoint& a, const DepthPoint& b, int segment,
                      std::vector<SegmentSpan>& hidden) const;

private:
    // A triangle ready for testing: screen bounds, nearest corner, three edges scaled to
    // pixels (positive inside) and the nearness across it, from p0.
    struct Prepared {
        float left, top, right, bottom;
        double nearest; // the nearness of its nearest corner
        std::array<float, 3> cornerX, cornerY;
        std::array<double, 3> edgeX, edgeY, edgeC;
        double x0, y0, nearness0, nearnessPerX, nearnessPerY;
    };

    void prepare(const DepthPoint& p0, const DepthPoint& p1, const DepthPoint& p2);
    void sortIntoCells();
    void fillCellLists();
    int cellOf(double coordinate, double origin) const;
    // visit(cell, triangle) for every cell each triangle's bounds touch.
    template <typename Visit> void forEachCell(Visit visit) const;
    // Narrows [low, high] to where t hides a -> b; false when nothing is left.
    bool hiddenBy(const Prepared& t, const DepthPoint& a, const DepthPoint& b, double& low,
                  double& high) const;

    int m_cols = 0;
    std::vector<DepthPoint> m_vertices;
    std::vector<Prepared> m_triangles;
    double m_depthTolerance = 1e-6;
    double m_nearest = 0.0; // nearness range of the triangles' corners
    double m_farthest = 0.0;
    // Cells: m_cellCount x m_cellCount over the triangles' bounds.
    int m_cellCount = 0;
    double m_left = 0.0;
    double m_top = 0.0;
    double m_cellsPerPixel = 0.0;
    std::vector<int> m_cellStart; // m_cellCount^2 + 1 offsets into m_cells
    // The triangles' entries in the cells, in columns so the first sieve of
    // a cell reads them straight through without a branch: bounds, nearest
    // corner and corners again (in double precision, as the line test works
    // in it), and the triangle's index.
    struct CellColumns {
        std::vector<float> left, top, right, bottom, nearest;
        std::array<std::vector<double>, 3> cornerX, cornerY;
        std::vector<int> triangle;
        void resize(std::size_t size);
    };
    // One segment being tested: what the candidate loop reads of it.
    struct SegmentQuery {
        DepthPoint a, b;
        double dx = 0.0, dy = 0.0; // b - a
        double shortest = 1.0;     // the shortest span kept, as a share of the segment
        double margin = 0.0;       // kSideMargin times the length
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
        float nearestHider = 0.0f; // triangles no nearer than this are behind it
    };
    SegmentQuery queryOf(const DepthPoint& a, const DepthPoint& b) const;
    // The first and last column of the cells in `row` that the segment passes through.
    std::pair<int, int> columnsInRow(const SegmentQuery& q, int row) const;
    // Tests the segment against one cell's triangles; true once it is wholly hidden.
    bool hideFromCell(const SegmentQuery& q, std::size_t cell, int segment, std::vector<SegmentSpan>& hidden,
                      std::size_t first) const;
    // The cell's entries that are nearer than the segment, overlap its bounds
    // and cross its line, into m_sieved; how many.
    std::size_t sieveCell(const SegmentQuery& q, std::size_t cell) const;
    // How many of the cell's entries, from its first, are nearer than the segment.
    std::size_t nearerCount(const SegmentQuery& q, std::size_t cell) const;
    CellColumns m_cells;
    mutable std::vector<int> m_sieved;
    std::vector<std::pair<float, int>> m_order; // nearest corner and index, nearest first
    mutable std::vector<unsigned> m_seen;       // per triangle: the query that last tested it
    mutable unsigned m_query = 0;
};
