// The table of actions, in the order in which DoAction tests their names.
#include "core/cls_action_ic.h"

namespace lumo {

const std::array<clsActionIC::Action, 13> clsActionIC::kActions = {{
    {"TevSer_PriceQueryPO", &clsActionIC::PriceQueryPO},
    {"TevSer_GetSupplyInfo", &clsActionIC::GetSupplyInfo},
    {"TevSer_HPriceQry", &clsActionIC::HistoryPriceQry},
    {"TevSer_VStockStatus", &clsActionIC::ViewStockStatus},
    {"TevSer_VItemReplace", &clsActionIC::ViewItemReplace},
    {"TevSer_POPriceAlert", &clsActionIC::TevSer_POPriceAlert},
    {"TevSer_GetMapNumber", &clsActionIC::TevSer_GetMapNumber},
    {"TevSer_SynMapAndItem", &clsActionIC::TevSer_SynMapAndItem},
    {"TevSer_GetTaxRate", &clsActionIC::TevSer_GetTaxRate},
    {"TevSer_CurrencyCal", &clsActionIC::TevSer_CurrencyCal},
    {"TevSer_GetExchangeRate", &clsActionIC::TevSer_GetExchangeRate},
    {"TevSer_UpdateItemPrice", &clsActionIC::TevSer_UpdateItemPrice},
    {"TevSer_UpdatePOPrice", &clsActionIC::TevSer_UpdatePOPrice},
}};

}  // namespace lumo
