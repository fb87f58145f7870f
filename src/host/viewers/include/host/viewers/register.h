// Registers the host's viewers by their ProgIDs: "lumoSuplly.SupplyFace",
// "LumoTradeQuery.TradeQuery", "LumoStockStatus.SSFace" and
// "LumoResources.Browser". They read the database through
// "LumoMClass.ClassInfo" with the session's property string (the shared
// property "PropsString") and show their records through
// "LumoUI.Presenter"; the host registers both.
#pragma once

namespace lumo::viewers {

// Replaces any earlier registration of these ProgIDs.
void RegisterViewers();

}  // namespace lumo::viewers
