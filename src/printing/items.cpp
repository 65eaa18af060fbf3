#include "printing/items.h"

namespace Printing {

QRectF boundsOf(const Item &item)
{
    return std::visit([](const auto &it) -> QRectF {
        using T = std::decay_t<decltype(it)>;
        if constexpr (std::is_same_v<T, LineItem>)
            return QRectF(it.line.p1(), it.line.p2()).normalized();
        else
            return it.box;
    }, item);
}

Item translated(const Item &item, QPointF by)
{
    return std::visit([by](auto it) -> Item {
        using T = std::decay_t<decltype(it)>;
        if constexpr (std::is_same_v<T, LineItem>)
            it.line.translate(by);
        else
            it.box.translate(by);
        return it;
    }, item);
}

} // namespace Printing
