#pragma once
// The 25 x 25 points of the shape on show: world coordinates filled by the
// shape catalogue, screen coordinates filled by the projection.
//
// Points are addressed (column j, row i), both 1-based, exactly as the code
// that fills and draws them counts. Rows are stored contiguously, so walking a
// row touches neighbouring floats. The grid knows nothing of the mouse,
// angles or pixels.

#include <cassert>
#include <cstddef>
#include <vector>

// Columns and rows of the program's grid: the parameter steps 0, 15, ..., 360
// degrees of every shape.
inline constexpr int kGridSize = 25;

// One point of the solids' world, in the coordinates the grid's WorldX,
// WorldY and WorldZ hold: the shape catalogue's formulas, the plane
// sections' curves and the school solids all give their points this way.
struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

class SingleGrid {
public:
    // Allocates cols x rows zeroed singles; existing values are dropped.
    void allocate(int cols, int rows)
    {
        m_cols = cols;
        m_rows = rows;
        m_values.assign(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows), 0.0f);
    }

    float& operator()(int j, int i) { return m_values[index(j, i)]; }
    float operator()(int j, int i) const { return m_values[index(j, i)]; }

    int cols() const { return m_cols; }
    int rows() const { return m_rows; }
    bool contains(int j, int i) const { return j >= 1 && j <= m_cols && i >= 1 && i <= m_rows; }

    float* data() { return m_values.data(); }
    const float* data() const { return m_values.data(); }
    std::size_t size() const { return m_values.size(); }

private:
    std::size_t index(int j, int i) const
    {
        assert(contains(j, i));
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_cols)
            + static_cast<std::size_t>(j - 1);
    }

    int m_cols = 0;
    int m_rows = 0;
    std::vector<float> m_values;
};

struct PointGrid {
    SingleGrid WorldX;
    SingleGrid WorldY;
    SingleGrid WorldZ;
    SingleGrid ScreenX;
    SingleGrid ScreenY;

    // All five arrays, in this order, with columns 1..cols and rows 1..rows.
    void allocate(int cols, int rows)
    {
        WorldX.allocate(cols, rows);
        WorldY.allocate(cols, rows);
        WorldZ.allocate(cols, rows);
        ScreenX.allocate(cols, rows);
        ScreenY.allocate(cols, rows);
    }
};
