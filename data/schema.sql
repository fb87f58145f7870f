-- The purchasing and inventory database, in SQLite's dialect.
--
-- Ids are whole numbers, amounts and rates are REAL, dates are ISO texts
-- (YYYY-MM-DD). Every column that the actions do not read or write by name
-- carries a default, so a row can be written naming only the columns the
-- actions use. The whole file runs in one transaction.

-- ---------------------------------------------------------------------------
-- Base data
-- ---------------------------------------------------------------------------

-- Currencies. FOperator tells how FExchangeRate turns an amount into the
-- home currency: '*' multiplies, '/' divides. The home currency has rate 1.
CREATE TABLE t_Currency (
  FCurrencyID   INTEGER PRIMARY KEY,
  FNumber       TEXT NOT NULL DEFAULT '',
  FName         TEXT NOT NULL DEFAULT '',
  FOperator     TEXT DEFAULT '*',
  FExchangeRate REAL DEFAULT 1,
  FAmountDecimal INTEGER NOT NULL DEFAULT 2
);

-- System profile: behaviour switches by category and key; values are texts
-- ('1'/'0' for switches).
CREATE TABLE t_SystemProfile (
  FCategory    TEXT NOT NULL,
  FKey         TEXT NOT NULL,
  FValue       TEXT,
  FDescription TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FCategory, FKey)
);

-- Users of the system (the UserID of the session property string).
CREATE TABLE t_User (
  FUserID INTEGER PRIMARY KEY,
  FName   TEXT NOT NULL DEFAULT ''
);

-- Units of measure. A quantity in the unit times (FCoefficient + FScale) is
-- the quantity in the item's base unit, so a base-unit price times the same
-- factor is the unit's price. FScale is an addend for units whose factor is
-- kept in two parts; it is 0 for ordinary units.
CREATE TABLE t_MeasureUnit (
  FMeasureUnitID INTEGER PRIMARY KEY,
  FNumber        TEXT NOT NULL DEFAULT '',
  FName          TEXT NOT NULL DEFAULT '',
  FUnitGroupID   INTEGER NOT NULL DEFAULT 0,
  FCoefficient   REAL DEFAULT 1,
  FScale         REAL NOT NULL DEFAULT 0,
  FQtyDecimal    INTEGER NOT NULL DEFAULT 2
);

-- Items, common part: number, name, model, base unit, the decimals of its
-- prices and its standard purchase price (home currency, per base unit).
CREATE TABLE t_ICItemCore (
  FItemID       INTEGER PRIMARY KEY,
  FNumber       TEXT,
  FName         TEXT DEFAULT '',
  FModel        TEXT DEFAULT '',
  FUnitID       INTEGER NOT NULL DEFAULT 0,
  FPriceDecimal INTEGER NOT NULL DEFAULT 2,
  FOrderPrice   REAL DEFAULT 0,
  FDeleted      INTEGER NOT NULL DEFAULT 0
);

-- Items, material part: tax rate (percent) and sale price (home currency,
-- per base unit).
CREATE TABLE t_ICItemMaterial (
  FItemID    INTEGER PRIMARY KEY,
  FTaxRate   REAL DEFAULT 13,
  FSalePrice REAL DEFAULT 0
);

-- Items as one record: both parts side by side.
CREATE VIEW t_ICItem AS
SELECT c.FItemID, c.FNumber, c.FName, c.FModel, c.FUnitID, c.FPriceDecimal,
       c.FOrderPrice, m.FTaxRate, m.FSalePrice, c.FDeleted
FROM t_ICItemCore c
LEFT JOIN t_ICItemMaterial m ON m.FItemID = c.FItemID;

-- Customers (and other trading partners that are not suppliers), with their
-- value-added-tax rate in percent.
CREATE TABLE t_Organization (
  FItemID       INTEGER PRIMARY KEY,
  FNumber       TEXT NOT NULL DEFAULT '',
  FName         TEXT NOT NULL DEFAULT '',
  FValueAddRate REAL DEFAULT 13,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1
);

-- Suppliers, with their value-added-tax rate and their general discount,
-- both in percent.
CREATE TABLE t_Supplier (
  FItemID       INTEGER PRIMARY KEY,
  FNumber       TEXT NOT NULL DEFAULT '',
  FName         TEXT NOT NULL DEFAULT '',
  FValueAddRate REAL DEFAULT 13,
  FDiscount     REAL DEFAULT 0,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1
);

-- Mapping between the company's items and the item numbers of a supplier
-- or customer (FParentID).
CREATE TABLE t_ItemMapping (
  FEntryID  INTEGER PRIMARY KEY,
  FParentID INTEGER NOT NULL DEFAULT 0,
  FItemID   INTEGER NOT NULL DEFAULT 0,
  FNumber   TEXT NOT NULL DEFAULT '',
  FName     TEXT NOT NULL DEFAULT ''
);

-- The mapping with the company's own item number beside the partner's. The
-- number is a subquery, not a join: SQLite cannot merge a view that joins
-- into a query that LEFT JOINs it, and would copy the whole mapping for
-- every such query.
CREATE VIEW v_SToIMapping AS
SELECT m.FEntryID, m.FParentID, m.FItemID, m.FNumber, m.FName,
       (SELECT i.FNumber FROM t_ICItemCore i WHERE i.FItemID = m.FItemID) AS FItemNumber
FROM t_ItemMapping m;

-- ---------------------------------------------------------------------------
-- Purchase orders
-- ---------------------------------------------------------------------------

-- Order header. FInvStyle is the invoice style (12510 ordinary invoice,
-- 12511 value-added-tax invoice); FROB 1 marks a red (reversing) order.
CREATE TABLE POOrder (
  FInterID     INTEGER PRIMARY KEY,
  FBillNo      TEXT NOT NULL DEFAULT '',
  FDate        TEXT NOT NULL DEFAULT (date('now')),
  FSupplyID    INTEGER NOT NULL DEFAULT 0,
  FCurrencyID  INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FInvStyle    INTEGER NOT NULL DEFAULT 12510,
  FROB         INTEGER NOT NULL DEFAULT 0,
  FStatus      INTEGER NOT NULL DEFAULT 0,
  FBillerID    INTEGER NOT NULL DEFAULT 0,
  FNote        TEXT NOT NULL DEFAULT ''
);

-- Order lines. FQty and FPrice are in the item's base unit; FAuxQty,
-- FAuxPrice (without tax) and FAuxTaxPrice (with tax) in the line's unit
-- FUnitID. Prices are in the order's currency; rates are percent.
CREATE TABLE POOrderEntry (
  FInterID      INTEGER NOT NULL,
  FEntryID      INTEGER NOT NULL,
  FItemID       INTEGER NOT NULL DEFAULT 0,
  FUnitID       INTEGER NOT NULL DEFAULT 0,
  FQty          REAL NOT NULL DEFAULT 0,
  FAuxQty       REAL NOT NULL DEFAULT 0,
  FPrice        REAL NOT NULL DEFAULT 0,
  FAuxPrice     REAL NOT NULL DEFAULT 0,
  FAuxTaxPrice  REAL NOT NULL DEFAULT 0,
  FTaxRate      REAL NOT NULL DEFAULT 0,
  FDiscountRate REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FDate         TEXT NOT NULL DEFAULT (date('now')),
  FNote         TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FInterID, FEntryID)
);

-- ---------------------------------------------------------------------------
-- Behind the host's components and viewers
-- ---------------------------------------------------------------------------

-- Supplier price list. A row gives the supplier's price (without tax, in the
-- row's currency FCyID and unit FUnitID) and discount (percent) from the
-- quantity FQuantity on: the row that applies to a quantity is the one with
-- the highest FQuantity not above it. FPriceType 1 is the price for an
-- ordinary invoice, 2 for a value-added-tax invoice.
CREATE TABLE t_SupplyPrice (
  FEntryID   INTEGER PRIMARY KEY,
  FSupID     INTEGER NOT NULL,
  FItemID    INTEGER NOT NULL,
  FUnitID    INTEGER NOT NULL,
  FCyID      INTEGER NOT NULL DEFAULT 1,
  FPriceType INTEGER NOT NULL DEFAULT 1,
  FQuantity  REAL NOT NULL DEFAULT 0,
  FPrice     REAL NOT NULL DEFAULT 0,
  FDiscount  REAL NOT NULL DEFAULT 0,
  FDate      TEXT NOT NULL DEFAULT (date('now')),
  FUserID    INTEGER NOT NULL DEFAULT 0,
  FNote      TEXT NOT NULL DEFAULT '',
  UNIQUE (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity)
);

-- Maximum purchase prices, in the home currency per base unit of the item.
-- FSupID 0 is the limit for every supplier, FPriceType -1 for every price
-- type; a row naming the supplier or the price type wins over the general one.
CREATE TABLE t_POMaxPrice (
  FItemID    INTEGER NOT NULL,
  FSupID     INTEGER NOT NULL DEFAULT 0,
  FPriceType INTEGER NOT NULL DEFAULT -1,
  FMaxPrice  REAL NOT NULL,
  FDate      TEXT NOT NULL DEFAULT (date('now')),
  FUserID    INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (FItemID, FSupID, FPriceType)
);

-- Warehouses.
CREATE TABLE t_Stock (
  FStockID INTEGER PRIMARY KEY,
  FNumber  TEXT NOT NULL DEFAULT '',
  FName    TEXT NOT NULL DEFAULT ''
);

-- Stock of an item in a warehouse, in the item's base unit. Available for
-- issue = FQty - FSafeQty - FAllocQty + FOnOrderQty.
CREATE TABLE t_Inventory (
  FItemID     INTEGER NOT NULL,
  FStockID    INTEGER NOT NULL DEFAULT 1,
  FQty        REAL NOT NULL DEFAULT 0,
  FSafeQty    REAL NOT NULL DEFAULT 0,
  FAllocQty   REAL NOT NULL DEFAULT 0,
  FOnOrderQty REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (FItemID, FStockID)
);

-- Items that may replace an item: FRate base units of the replacement per
-- base unit of the item; a lower FPriority is offered first.
CREATE TABLE t_ItemReplace (
  FEntryID       INTEGER PRIMARY KEY,
  FItemID        INTEGER NOT NULL,
  FReplaceItemID INTEGER NOT NULL,
  FRate          REAL NOT NULL DEFAULT 1,
  FPriority      INTEGER NOT NULL DEFAULT 1,
  FNote          TEXT NOT NULL DEFAULT ''
);

-- Past trades of an item with a partner: FTranType 1 purchase (FCompanyID
-- a supplier), 2 sale (a customer). Quantities and prices in the line's
-- unit and currency.
CREATE TABLE t_TradeHistory (
  FEntryID      INTEGER PRIMARY KEY,
  FTranType     INTEGER NOT NULL DEFAULT 1,
  FCompanyID    INTEGER NOT NULL,
  FItemID       INTEGER NOT NULL,
  FDate         TEXT NOT NULL DEFAULT (date('now')),
  FBillNo       TEXT NOT NULL DEFAULT '',
  FUnitID       INTEGER NOT NULL DEFAULT 0,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FQty          REAL NOT NULL DEFAULT 0,
  FPrice        REAL NOT NULL DEFAULT 0,
  FTaxPrice     REAL NOT NULL DEFAULT 0,
  FDiscountRate REAL NOT NULL DEFAULT 0
);

-- Stored procedures: the data layer runs FBody for "EXEC FName a,b,...",
-- binding the arguments to the names of FParams (:name) in order. FParams
-- gives each parameter's SQL type after its name, which a server database
-- declares it with (there the procedure is the server's own, and this table
-- is not made). The body is SQLite statements separated by ";" (none inside
-- a literal).
CREATE TABLE t_Procedure (
  FName   TEXT PRIMARY KEY,
  FParams TEXT NOT NULL,
  FBody   TEXT NOT NULL
);

-- Carries the price of a purchase-order line into the supplier price list:
-- the row of the order's supplier, the line's item, unit, the order's
-- currency, the price type of its invoice style and quantity break 0 gets the
-- line's price (with tax when the profile says order prices include tax),
-- discount, the order date and the user; it is added when missing. Lines
-- without a price, item or supplier change nothing.
INSERT INTO t_Procedure (FName, FParams, FBody) VALUES (
  'p_UpdateSupplyInfoByPOOrd',
  'FInterID INTEGER, FEntryID INTEGER, FUserID INTEGER',
  'INSERT INTO t_SupplyPrice
     (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity,
      FPrice, FDiscount, FDate, FUserID)
   SELECT o.FSupplyID, e.FItemID, e.FUnitID, o.FCurrencyID,
          CASE WHEN o.FInvStyle = 12511 THEN 2 ELSE 1 END, 0,
          CASE WHEN (SELECT p.FValue FROM t_SystemProfile p
                     WHERE p.FCategory = ''IC'' AND p.FKey = ''POOrderTaxInPrice'') = ''1''
               THEN e.FAuxTaxPrice ELSE e.FAuxPrice END,
          e.FDiscountRate, o.FDate, CAST(:FUserID AS INTEGER)
   FROM POOrder o
   INNER JOIN POOrderEntry e ON e.FInterID = o.FInterID
   WHERE o.FInterID = :FInterID AND e.FEntryID = :FEntryID
     AND o.FSupplyID > 0 AND e.FItemID > 0 AND e.FAuxPrice <> 0
   ON CONFLICT (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity)
   DO UPDATE SET FPrice = excluded.FPrice, FDiscount = excluded.FDiscount,
                 FDate = excluded.FDate, FUserID = excluded.FUserID'
);

-- ---------------------------------------------------------------------------
-- Sales orders: the bills whose prices are written back as sale prices
-- ---------------------------------------------------------------------------

-- Order header, as POOrder: FCustID is the customer (t_Organization); FROB 1
-- marks a red (reversing) order.
CREATE TABLE SEOrder (
  FInterID      INTEGER PRIMARY KEY,
  FBillNo       TEXT NOT NULL DEFAULT '',
  FDate         TEXT NOT NULL DEFAULT (date('now')),
  FCustID       INTEGER NOT NULL DEFAULT 0,
  FCurrencyID   INTEGER NOT NULL DEFAULT 1,
  FExchangeRate REAL NOT NULL DEFAULT 1,
  FROB          INTEGER NOT NULL DEFAULT 0,
  FStatus       INTEGER NOT NULL DEFAULT 0,
  FBillerID     INTEGER NOT NULL DEFAULT 0,
  FNote         TEXT NOT NULL DEFAULT ''
);

-- Order lines, as POOrderEntry: FQty and FPrice in the item's base unit,
-- FAuxQty, FAuxPrice (without tax) and FAuxTaxPrice (with tax) in the
-- line's unit FUnitID, prices in the order's currency, rates in percent.
CREATE TABLE SEOrderEntry (
  FInterID      INTEGER NOT NULL,
  FEntryID      INTEGER NOT NULL,
  FItemID       INTEGER NOT NULL DEFAULT 0,
  FUnitID       INTEGER NOT NULL DEFAULT 0,
  FQty          REAL NOT NULL DEFAULT 0,
  FAuxQty       REAL NOT NULL DEFAULT 0,
  FPrice        REAL NOT NULL DEFAULT 0,
  FAuxPrice     REAL NOT NULL DEFAULT 0,
  FAuxTaxPrice  REAL NOT NULL DEFAULT 0,
  FTaxRate      REAL NOT NULL DEFAULT 0,
  FDiscountRate REAL NOT NULL DEFAULT 0,
  FAmount       REAL NOT NULL DEFAULT 0,
  FDate         TEXT NOT NULL DEFAULT (date('now')),
  FNote         TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (FInterID, FEntryID)
);

-- The mapping is looked up by item and partner (and by entry, its key).
CREATE INDEX ix_ItemMapping_Item ON t_ItemMapping (FItemID, FParentID);
