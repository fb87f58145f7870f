// SQL texts exactly as the actions emit them: the action tests check that
// they are emitted, the database tests that they run right.
#pragma once

namespace lumo::data::emitted {

// The item-price update with every optional piece: tax, exchange rate,
// discount and unit.
inline constexpr const char* kItemPriceUpdate =
    "Update t0 set t0.FOrderPrice = Round( Page2.FPrice * (( 100 + Page2.FTaxRate ) / 100 ) "
    " * Page1.FExchangeRate * ((100 - Page2.FDiscountRate)  / 100 ) "
    " / (Case When IsNull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end )  , "
    "t1.FPriceDecimal)\r\n"
    "From POOrderEntry Page2\r\n"
    "Inner Join POOrder Page1 On Page1.FInterID = Page2.FInterID\r\n"
    "Inner Join t_ICItemCore t0 on t0.FItemID = Page2.FItemID\r\n"
    "Inner Join t_ICItem t1 on t1.FItemID = Page2.FItemID\r\n"
    "Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = Page2.FUnitID\r\n"
    "Where Page1.FInterID = 1001\r\n"
    " AND Page2.FEntryID = ( Select Max(FEntryID) From POOrderEntry Where FInterID = Page2.FInterID"
    " And FItemID = Page2.FItemID )";

// The list form of the mapping lookup: supplier 7, items 101, 102 and 103.
inline constexpr const char* kMappingBatch =
    "Set NoCount On \r\n\r\n"
    "Create Table #TmpItem(FIndex int not null default(0) , FItemID int not null "
    "default(0))\r\n\r\n"
    "Insert Into #TmpItem (FIndex,FItemID) Values(1,101)\r\n"
    "Insert Into #TmpItem (FIndex,FItemID) Values(2,102)\r\n"
    "Insert Into #TmpItem (FIndex,FItemID) Values(3,103)\r\n"
    "\r\nSelect u1.FIndex,Min(v1.FEntryID) as FInterID from #TmpItem u1\r\n"
    "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID And v1.FParentID = 7\r\n"
    "Group by u1.FIndex\r\n"
    "Order by u1.FIndex\r\n"
    "\r\nDrop Table #TmpItem";

}  // namespace lumo::data::emitted
