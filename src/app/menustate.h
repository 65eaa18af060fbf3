#pragma once

#include <QList>
#include <QString>

namespace App {

enum class ItemState { On, Off, Unchanged };

struct MenuItemState
{
    QString item;  // the menu item's object name
    ItemState state;
};

// The enabled state of each gated menu item for a user level. A level outside
// 1..5 gives the logged-out state.
QList<MenuItemState> menuStates(int userLevel);

} // namespace App
