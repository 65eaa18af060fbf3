#include "app/menustate.h"

namespace App {
namespace {

struct Row
{
    const char *item;
    char loggedOut;      // 'y' on, 'n' off, 'u' unchanged
    const char *levels;  // levels 1..5, 'y' or 'n'
};

constexpr Row kRows[] = {
    {"login", 'y', "yyyyy"},
    {"exit", 'y', "yyyyy"},
    {"mabout", 'y', "yyyyy"},
    {"maccount", 'n', "yyyyy"},
    {"outstock_mb", 'n', "yyyyy"},
    {"pbill", 'n', "yyynn"},
    {"rbill", 'n', "yyynn"},
    {"instock", 'n', "yyyyn"},
    {"order", 'n', "yyyyn"},
    {"mquotation", 'n', "yyyyn"},
    {"mCash", 'n', "ynnyy"},
    {"mfinance", 'n', "yyyyy"},
    {"msale_finance", 'u', "yyyny"},
    {"mpay", 'u', "yyyyn"},
    {"ref", 'n', "yyyyn"},
    {"report", 'n', "yynnn"},
};

ItemState fromChar(char c)
{
    switch (c) {
    case 'y': return ItemState::On;
    case 'u': return ItemState::Unchanged;
    default: return ItemState::Off;
    }
}

} // namespace

QList<MenuItemState> menuStates(int userLevel)
{
    const bool loggedIn = userLevel >= 1 && userLevel <= 5;
    QList<MenuItemState> out;
    out.reserve(std::size(kRows));
    for (const Row &r : kRows) {
        const char c = loggedIn ? r.levels[userLevel - 1] : r.loggedOut;
        out.append({QString::fromLatin1(r.item), fromChar(c)});
    }
    return out;
}

} // namespace App
