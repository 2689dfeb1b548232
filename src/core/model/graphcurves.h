#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kora {

// The points of the last sweep, drawn by the chart window. CurvesClassic(column, point) and
// CurvesR(column, point): column 0 the x value in the project's length unit, columns 1..4 the
// stability factors of development, headgate, bleeder and tailgate loading, column 5 that of
// isolated loading (entry-height chart sweep only, else 0), column 6 unused (0). Points are
// numbered 1..rows(); a column or point outside the arrays raises KoraError 9.
class GraphCurves {
public:
    static constexpr int Columns = 7;

    std::int32_t NumGraphPoints = 0;
    std::int16_t GraphCommandIndex = 0;

    // Re-creates both arrays with `rows` points, all zero.
    void Recreate(int rows);
    int rows() const { return static_cast<int>(m_classic.size()); }

    float& CurvesClassic(int column, int point) { return at(m_classic, column, point); }
    float CurvesClassic(int column, int point) const { return at(m_classic, column, point); }
    float& CurvesR(int column, int point) { return at(m_revised, column, point); }
    float CurvesR(int column, int point) const { return at(m_revised, column, point); }

    // The isolated-loading factors of every point whatever quantity was swept (column 5 keeps
    // them for the entry-height sweep only), for the chart of all loading conditions.
    float& IsolatedClassic(int point) { return at(m_isolated, 0, point); }
    float IsolatedClassic(int point) const { return at(m_isolated, 0, point); }
    float& IsolatedR(int point) { return at(m_isolated, 1, point); }
    float IsolatedR(int point) const { return at(m_isolated, 1, point); }

private:
    using Rows = std::vector<std::array<float, Columns>>;
    static float& at(Rows& rows, int column, int point);
    static float at(const Rows& rows, int column, int point);

    Rows m_classic;
    Rows m_revised;
    Rows m_isolated; // column 0 Classic, 1 (R)
};

} // namespace kora
