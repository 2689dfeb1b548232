#include "core/model/graphcurves.h"

#include "core/base/koraerror.h"

namespace kora {

void GraphCurves::Recreate(int rows) {
    const std::array<float, Columns> zero{};
    m_classic.assign(static_cast<std::size_t>(rows < 0 ? 0 : rows), zero);
    m_revised = m_classic;
    m_isolated = m_classic;
}

namespace {

template <typename RowsT> auto& element(RowsT& rows, int column, int point) {
    if (column < 0 || column >= GraphCurves::Columns || point < 1 ||
        point > static_cast<int>(rows.size()))
        throw KoraError(err::SubscriptOutOfRange, "Subscript out of range");
    return rows[static_cast<std::size_t>(point - 1)][static_cast<std::size_t>(column)];
}

} // namespace

float& GraphCurves::at(Rows& rows, int column, int point) {
    return element(rows, column, point);
}

float GraphCurves::at(const Rows& rows, int column, int point) {
    return element(rows, column, point);
}

} // namespace kora
