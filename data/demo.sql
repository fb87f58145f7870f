-- Demo company: a small machinery parts maker near Suzhou that buys
-- fasteners, cable, adhesive, bearings and packaging, and sells to a few
-- customers at home and abroad. Runs after schema.sql in the same
-- transaction. Home currency: id 1 (RMB).

-- Currencies: JPY (id 4) is kept with the operator '/': 20 yen make one yuan.
INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FOperator, FExchangeRate) VALUES
  (1, 'RMB', '人民币', '*', 1),
  (2, 'USD', '美元', '*', 7.1),
  (3, 'EUR', '欧元', '*', 7.8),
  (4, 'JPY', '日元', '/', 20),
  (5, 'HKD', '港币', '*', 0.91);

-- Switches of the purchasing and inventory module.
INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FDescription) VALUES
  ('IC', 'PurTaxRateOption', '1', '采购税率来源：0 供应商，1 物料'),
  ('IC', 'SaleTaxRateOption', '0', '销售税率来源：0 客户，1 物料'),
  ('IC', 'POOrderTaxInPrice', '0', '采购订单单价含税'),
  ('IC', 'IsUsePurPrcMgr', '1', '启用采购价格管理'),
  ('IC', 'AlertPOMaxPrice', '1', '采购订单最高限价预警'),
  ('IC', 'AlertHighPriceWhenCheck', '0', '审核时预警（否则保存时）'),
  ('IC', 'SInvoiceDecimal', '2', '发票单价小数位数');

INSERT INTO t_User (FUserID, FName) VALUES
  (1, 'Administrator'),
  (16, '张伟'),
  (17, '李娜');

-- Units in three groups: pieces (box and dozen of 12), weight, length
-- (a roll of cable is 50 m).
INSERT INTO t_MeasureUnit (FMeasureUnitID, FNumber, FName, FUnitGroupID, FCoefficient, FScale, FQtyDecimal) VALUES
  (1, 'PCS', '个', 1, 1, 0, 0),
  (2, 'BOX', '箱', 1, 12, 0, 0),
  (3, 'DOZ', '打', 1, 12, 0, 0),
  (4, 'KG', '千克', 2, 1, 0, 3),
  (5, 'G', '克', 2, 0.001, 0, 0),
  (6, 'M', '米', 3, 1, 0, 2),
  (7, 'ROLL', '卷', 3, 50, 0, 0);

INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID, FPriceDecimal, FOrderPrice) VALUES
  (1001, '01.001', '不锈钢螺栓', 'M8×30 A2-70', 1, 4, 0.35),
  (1002, '01.002', '不锈钢六角螺母', 'M8 A2-70', 1, 4, 0.12),
  (1003, '02.001', '铜芯软电缆', 'RVV 3×1.5mm²', 6, 2, 4.80),
  (1004, '03.001', '环氧树脂结构胶', 'AB胶 双组分', 4, 2, 86.00),
  (1005, '04.001', '深沟球轴承', '6204-2RS', 1, 2, 12.50),
  (1006, '04.002', '深沟球轴承（国产）', '6204-2RS', 1, 2, 8.90),
  (1007, '05.001', '瓦楞包装纸箱', '600×400×400', 1, 2, 6.50),
  (1008, '01.003', '镀锌碳钢螺栓', 'M8×30 8.8级', 1, 4, 0.18);

INSERT INTO t_ICItemMaterial (FItemID, FTaxRate, FSalePrice) VALUES
  (1001, 13, 0.55),
  (1002, 13, 0.20),
  (1003, 13, 6.80),
  (1004, 13, 120.00),
  (1005, 13, 19.80),
  (1006, 13, 13.50),
  (1007, 9, 9.00),
  (1008, 13, 0.30);

-- Suppliers: the packaging supplier is a small taxpayer invoicing at 3 %.
INSERT INTO t_Supplier (FItemID, FNumber, FName, FValueAddRate, FDiscount, FCurrencyID) VALUES
  (201, 'S001', '苏州精工紧固件有限公司', 13, 2, 1),
  (202, 'S002', '上海华通电缆有限公司', 13, 0, 1),
  (203, 'S003', '大阪精密轴承株式会社', 13, 0, 4),
  (204, 'S004', 'Hamburg Chemie GmbH', 13, 5, 3),
  (205, 'S005', '宁波联合包装有限公司', 3, 0, 1);

-- Customers: the export customer is zero-rated.
INSERT INTO t_Organization (FItemID, FNumber, FName, FValueAddRate, FCurrencyID) VALUES
  (301, 'C001', '杭州明达机械有限公司', 13, 1),
  (302, 'C002', '宁波海欣电器有限公司', 13, 1),
  (303, 'C003', 'Pacific Tools Inc.', 0, 2);

-- Partners' item numbers.
INSERT INTO t_ItemMapping (FEntryID, FParentID, FItemID, FNumber, FName) VALUES
  (501, 201, 1001, 'JG-B0830', '不锈钢螺栓M8*30'),
  (502, 201, 1002, 'JG-N08', '不锈钢螺母M8'),
  (503, 202, 1003, 'HT-RVV3150', 'RVV3*1.5软护套线'),
  (504, 203, 1005, 'OSB-6204DD', 'Ball bearing 6204DD'),
  (505, 301, 1005, 'MD-ZC6204', '轴承6204'),
  (506, 204, 1004, 'HC-EP200', 'Epoxy Adhesive EP200'),
  (507, 201, 1008, 'JG-B0830Z', '镀锌螺栓M8*30');

-- Supplier price list, with quantity breaks for the bolts, bearings and
-- boxes, and a value-added-tax invoice price (type 2) for the bolts.
INSERT INTO t_SupplyPrice (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, FUserID) VALUES
  (201, 1001, 1, 1, 1, 0, 0.38, 0, '2024-01-02', 16),
  (201, 1001, 1, 1, 1, 1000, 0.34, 0, '2024-01-02', 16),
  (201, 1001, 1, 1, 1, 5000, 0.31, 2, '2024-01-02', 16),
  (201, 1001, 1, 1, 2, 0, 0.43, 0, '2024-01-02', 16),
  (201, 1001, 2, 1, 1, 0, 4.40, 0, '2024-01-02', 16),
  (201, 1002, 1, 1, 1, 0, 0.13, 0, '2024-01-02', 16),
  (201, 1008, 1, 1, 1, 0, 0.19, 0, '2024-01-02', 16),
  (202, 1003, 6, 1, 1, 0, 4.95, 0, '2024-01-08', 17),
  (202, 1003, 7, 1, 1, 0, 235.00, 3, '2024-01-08', 17),
  (203, 1005, 1, 4, 1, 0, 260, 0, '2023-12-18', 17),
  (203, 1005, 1, 4, 1, 500, 245, 0, '2023-12-18', 17),
  (204, 1004, 4, 3, 1, 0, 10.50, 5, '2024-02-01', 16),
  (205, 1007, 1, 1, 1, 0, 6.80, 0, '2024-02-26', 17),
  (205, 1007, 1, 1, 1, 200, 6.20, 0, '2024-02-26', 17);

-- Maximum purchase prices (home currency per base unit); the Osaka bearings
-- have a tighter limit of their own. Bearings 1006 and boxes have none.
INSERT INTO t_POMaxPrice (FItemID, FSupID, FPriceType, FMaxPrice, FDate, FUserID) VALUES
  (1001, 0, -1, 0.40, '2024-01-02', 1),
  (1002, 0, -1, 0.15, '2024-01-02', 1),
  (1003, 0, -1, 5.00, '2024-01-02', 1),
  (1004, 0, -1, 90.00, '2024-01-02', 1),
  (1005, 0, -1, 14.00, '2024-01-02', 1),
  (1005, 203, -1, 13.00, '2024-01-02', 1),
  (1008, 0, -1, 0.22, '2024-01-02', 1);

-- Purchase orders.
--   1001: the nut samples of line 2 are free (price 0); line 3 buys
--         galvanised bolts by the box, a unit the price list lacks.
--   1002: the cable by the metre is above its maximum of 5.00.
--   1003: 270 yen a bearing (13.50 yuan) is above that supplier's 13.00.
--   1004: adhesive in euros, within its limit.
--   1005: boxes, on a value-added-tax invoice; no maximum price.
INSERT INTO POOrder (FInterID, FBillNo, FDate, FSupplyID, FCurrencyID, FExchangeRate, FInvStyle, FBillerID) VALUES
  (1001, 'POORD000001', '2024-03-04', 201, 1, 1, 12510, 16),
  (1002, 'POORD000002', '2024-03-11', 202, 1, 1, 12510, 16),
  (1003, 'POORD000003', '2024-03-15', 203, 4, 0.05, 12510, 17),
  (1004, 'POORD000004', '2024-03-18', 204, 3, 7.8, 12510, 17),
  (1005, 'POORD000005', '2024-03-20', 205, 1, 1, 12511, 16);

INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (1001, 1, 1001, 1, 2000, 2000, 0.34, 0.34, 0.3842, 13, 0, 680.00, '2024-03-14'),
  (1001, 2, 1002, 1, 2000, 2000, 0, 0, 0, 13, 0, 0, '2024-03-14'),
  (1001, 3, 1008, 2, 600, 50, 0.18, 2.16, 2.4408, 13, 0, 108.00, '2024-03-14'),
  (1002, 1, 1003, 6, 500, 500, 5.30, 5.30, 5.989, 13, 0, 2650.00, '2024-03-20'),
  (1002, 2, 1003, 7, 200, 4, 4.80, 240.00, 271.20, 13, 3, 931.20, '2024-03-20'),
  (1003, 1, 1005, 1, 300, 300, 270, 270, 305.10, 13, 0, 81000, '2024-04-10'),
  (1004, 1, 1004, 4, 25, 25, 10.50, 10.50, 11.865, 13, 5, 249.38, '2024-04-01'),
  (1005, 1, 1007, 1, 300, 300, 6.20, 6.20, 6.386, 3, 0, 1860.00, '2024-03-27');

INSERT INTO t_Stock (FStockID, FNumber, FName) VALUES
  (1, 'CK01', '原材料仓'),
  (2, 'CK02', '五金仓'),
  (3, 'CK03', '包材仓');

INSERT INTO t_Inventory (FItemID, FStockID, FQty, FSafeQty, FAllocQty, FOnOrderQty) VALUES
  (1001, 2, 12500, 2000, 3000, 2000),
  (1002, 2, 8600, 2000, 1000, 0),
  (1003, 1, 1850, 500, 600, 700),
  (1004, 1, 42.5, 20, 10, 25),
  (1005, 2, 180, 100, 150, 300),
  (1006, 2, 420, 50, 0, 0),
  (1007, 3, 950, 200, 300, 300),
  (1008, 2, 30000, 5000, 0, 600);

INSERT INTO t_ItemReplace (FItemID, FReplaceItemID, FRate, FPriority, FNote) VALUES
  (1005, 1006, 1, 1, '国产替代，需经质检确认'),
  (1006, 1005, 1, 1, ''),
  (1001, 1008, 1, 1, '仅限非腐蚀环境');

INSERT INTO t_TradeHistory (FTranType, FCompanyID, FItemID, FDate, FBillNo, FUnitID, FCurrencyID, FExchangeRate, FQty, FPrice, FTaxPrice, FDiscountRate) VALUES
  (1, 201, 1001, '2023-11-02', 'POORD230112', 1, 1, 1, 5000, 0.33, 0.3729, 0),
  (1, 201, 1001, '2024-01-15', 'POORD240007', 1, 1, 1, 3000, 0.35, 0.3955, 0),
  (1, 202, 1003, '2023-12-05', 'POORD230140', 6, 1, 1, 1000, 4.90, 5.537, 0),
  (1, 203, 1005, '2023-10-20', 'POORD230098', 1, 4, 0.048, 500, 250, 282.50, 0),
  (1, 204, 1004, '2024-02-01', 'POORD240021', 4, 3, 7.75, 40, 10.80, 12.204, 5),
  (2, 301, 1005, '2024-01-10', 'SEORD240003', 1, 1, 1, 200, 19.50, 22.035, 0),
  (2, 302, 1003, '2024-02-20', 'SEORD240015', 6, 1, 1, 800, 6.60, 7.458, 2),
  (2, 303, 1001, '2024-02-28', 'SEORD240019', 1, 2, 7.1, 10000, 0.075, 0.075, 0);

-- Price write-back and item mapping. Screws, washers, cable ties, tubing and
-- grease; a Taipei fastener supplier invoicing in dollars and a Dongguan
-- plastics supplier; a customer who has its own number for the tubing.
--   2101: the same screw twice, by the piece and then by the box of 12 with
--         a discount: the later line sets the screw's purchase price.
--   2102: a red order returning grease: it changes no prices.
--   2103: cable ties, with free spray cans as samples (price 0).
--   2151: a sales order selling the tubing by the metre and then by the
--         roll of 50 m, prices with tax.
-- The mapping mixes items mapped for the Taipei supplier (the screw twice),
-- mapped only for another partner (cable ties, tubing) and unmapped (spray).
INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID, FPriceDecimal, FOrderPrice) VALUES
  (1201, '06.001', '内六角圆柱头螺钉', 'M6×20 12.9级', 1, 4, 0.2200),
  (1202, '06.002', '弹簧垫圈', 'M6 65Mn', 1, 4, 0.0300),
  (1203, '07.001', '尼龙扎带', '4×200mm 黑色', 1, 3, 0.045),
  (1204, '07.002', '热缩套管', 'Φ6mm 2:1', 6, 2, 1.20),
  (1205, '08.001', '锂基润滑脂', '2# 通用型', 4, 2, 28.00),
  (1206, '08.002', '防锈喷剂', '400ml', 1, 2, 18.00);

INSERT INTO t_ICItemMaterial (FItemID, FTaxRate, FSalePrice) VALUES
  (1201, 13, 0.3800),
  (1202, 13, 0.0600),
  (1203, 13, 0.080),
  (1204, 13, 2.05),
  (1205, 13, 42.00),
  (1206, 13, 26.00);

INSERT INTO t_Supplier (FItemID, FNumber, FName, FValueAddRate, FDiscount, FCurrencyID) VALUES
  (221, 'S021', '台北精密五金股份有限公司', 13, 0, 2),
  (222, 'S022', '东莞恒力塑胶制品有限公司', 13, 0, 1);

INSERT INTO t_Organization (FItemID, FNumber, FName, FValueAddRate, FCurrencyID) VALUES
  (321, 'C021', '苏州德润自动化设备有限公司', 13, 1);

INSERT INTO t_ItemMapping (FEntryID, FParentID, FItemID, FNumber, FName) VALUES
  (651, 221, 1201, 'TPF-SHCS-M6-20', 'Socket head cap screw M6x20'),
  (652, 221, 1202, 'TPF-SW-M6', 'Spring washer M6'),
  (653, 221, 1201, 'TPF-SHCS-M6-20B', 'Socket head cap screw M6x20, bulk'),
  (654, 222, 1203, 'HL-CT-4200', '扎带4*200'),
  (655, 321, 1204, 'DR-RS-06', '热缩管6mm'),
  (656, 221, 1205, 'TPF-GR-2', 'Lithium grease No.2');

INSERT INTO POOrder (FInterID, FBillNo, FDate, FSupplyID, FCurrencyID, FExchangeRate, FInvStyle, FROB, FBillerID) VALUES
  (2101, 'POORD000101', '2024-05-06', 221, 2, 7.1, 12510, 0, 16),
  (2102, 'POORD000102', '2024-05-09', 221, 2, 7.1, 12510, 1, 16),
  (2103, 'POORD000103', '2024-05-13', 222, 1, 1, 12510, 0, 17);

INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (2101, 1, 1201, 1, 5000, 5000, 0.030, 0.030, 0.0339, 13, 0, 150.00, '2024-05-20'),
  (2101, 2, 1202, 1, 5000, 5000, 0.004, 0.004, 0.00452, 13, 0, 20.00, '2024-05-20'),
  (2101, 3, 1201, 2, 240, 20, 0.035, 0.42, 0.4746, 13, 5, 7.98, '2024-05-20'),
  (2102, 1, 1205, 4, -5, -5, 3.90, 3.90, 4.407, 13, 0, -19.50, '2024-05-09'),
  (2103, 1, 1203, 1, 10000, 10000, 0.040, 0.040, 0.0452, 13, 0, 400.00, '2024-05-20'),
  (2103, 2, 1206, 1, 12, 12, 0, 0, 0, 13, 0, 0, '2024-05-20');

INSERT INTO SEOrder (FInterID, FBillNo, FDate, FCustID, FCurrencyID, FExchangeRate, FROB, FBillerID) VALUES
  (2151, 'SEORD000151', '2024-05-15', 321, 1, 1, 0, 17);

INSERT INTO SEOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (2151, 1, 1204, 6, 100, 100, 2.00, 2.00, 2.26, 13, 0, 200.00, '2024-05-22'),
  (2151, 2, 1204, 7, 100, 2, 1.90, 95.00, 107.35, 13, 0, 190.00, '2024-05-22');

-- ---------------------------------------------------------------------------
-- Maximum purchase price alert: a hydraulics supplier and purchase order
-- 2201, whose bill is data/po_bill_2201.json. Lines 1, 2 and 4 are above
-- their maximum prices (line 1 above the supplier's own, tighter limit;
-- line 2 bought by the box of 12); line 3 is below; line 5 is below only
-- after its 10 % discount; the oil of line 6 has no maximum price.
-- ---------------------------------------------------------------------------

INSERT INTO t_Supplier (FItemID, FNumber, FName, FValueAddRate, FDiscount, FCurrencyID) VALUES
  (231, 'S011', '常州恒力液压件有限公司', 13, 0, 1);

INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID, FPriceDecimal, FOrderPrice) VALUES
  (1301, '06.001', '液压直通接头', 'M18×1.5 碳钢镀锌', 1, 2, 7.80),
  (1302, '06.002', 'O型密封圈', 'NBR 20×2.4', 1, 2, 0.36),
  (1303, '06.003', '液压胶管总成', '2SN-12 L=1000', 1, 2, 46.00),
  (1304, '06.004', '外啮合齿轮泵', 'CBN-E314', 1, 2, 1150.00),
  (1305, '06.005', '直动式溢流阀', 'DBDS10K', 1, 2, 318.00),
  (1306, '06.006', '抗磨液压油', 'L-HM46 18L', 1, 2, 410.00);

INSERT INTO t_ICItemMaterial (FItemID, FTaxRate, FSalePrice) VALUES
  (1301, 13, 11.00),
  (1302, 13, 0.60),
  (1303, 13, 68.00),
  (1304, 13, 1680.00),
  (1305, 13, 460.00),
  (1306, 13, 560.00);

INSERT INTO t_POMaxPrice (FItemID, FSupID, FPriceType, FMaxPrice, FDate, FUserID) VALUES
  (1301, 0, -1, 9.00, '2024-04-01', 1),
  (1301, 231, -1, 8.00, '2024-04-01', 1),
  (1302, 0, -1, 0.40, '2024-04-01', 1),
  (1303, 0, -1, 52.00, '2024-04-01', 1),
  (1304, 0, -1, 1200.00, '2024-04-01', 1),
  (1305, 0, -1, 330.00, '2024-04-01', 1);

INSERT INTO POOrder (FInterID, FBillNo, FDate, FSupplyID, FCurrencyID, FExchangeRate, FInvStyle, FBillerID) VALUES
  (2201, 'POORD002201', '2024-04-08', 231, 1, 1, 12510, 16);

INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (2201, 1, 1301, 1, 500, 500, 8.60, 8.60, 9.718, 13, 0, 4300.00, '2024-04-22'),
  (2201, 2, 1302, 2, 480, 40, 0.45, 5.40, 6.102, 13, 0, 216.00, '2024-04-22'),
  (2201, 3, 1303, 1, 20, 20, 45.00, 45.00, 50.85, 13, 0, 900.00, '2024-04-22'),
  (2201, 4, 1304, 1, 2, 2, 1280.50, 1280.50, 1446.965, 13, 0, 2561.00, '2024-04-22'),
  (2201, 5, 1305, 1, 4, 4, 360.00, 360.00, 406.80, 13, 10, 1296.00, '2024-04-22'),
  (2201, 6, 1306, 1, 10, 10, 420.00, 420.00, 474.60, 13, 0, 4200.00, '2024-04-22');

-- ---------------------------------------------------------------------------
-- Currency conversion, tax rates and supplier prices: values that are not
-- entered yet, and a supplier price with a discount from a quantity on.
-- ---------------------------------------------------------------------------

-- Singapore dollars are set up, but their rate is not entered yet (0).
INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FOperator, FExchangeRate) VALUES
  (6, 'SGD', '新加坡元', '*', 0);

-- Hydraulic oil by the 18-litre drum; the new seal kits have no tax rate
-- entered yet.
INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID, FPriceDecimal, FOrderPrice) VALUES
  (1101, '06.001', '抗磨液压油', 'L-HM46 18L', 1, 2, 113.00),
  (1102, '04.003', '轴承密封件套装', '6204 配套', 1, 2, 3.20);

INSERT INTO t_ICItemMaterial (FItemID, FTaxRate, FSalePrice) VALUES
  (1101, 13, 150.00),
  (1102, NULL, 4.50);

-- The oil supplier gives 10 % off from 10 drums on; the seal maker is new
-- and its value-added-tax rate is not entered yet.
INSERT INTO t_Supplier (FItemID, FNumber, FName, FValueAddRate, FDiscount, FCurrencyID) VALUES
  (211, 'S011', '无锡润通油品有限公司', 13, 0, 1),
  (212, 'S012', '常州新锐密封件厂', NULL, 0, 1);

INSERT INTO t_SupplyPrice (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, FUserID) VALUES
  (211, 1101, 1, 1, 1, 0, 113.00, 0, '2024-03-01', 16),
  (211, 1101, 1, 1, 1, 10, 113.00, 10, '2024-03-01', 16);

-- ---------------------------------------------------------------------------
-- Viewers: linear guides. The carriage block 1451 is sold by a Kunshan
-- supplier (with a 50-piece break) and a Taiwanese one quoting in dollars;
-- it has been bought and sold before (trade history, order 2351, sales
-- order 2352), is stocked in two warehouses and has two replacements, the
-- domestic block first. The end caps 1455 have no price, stock or
-- replacement.
-- ---------------------------------------------------------------------------

INSERT INTO t_Supplier (FItemID, FNumber, FName, FValueAddRate, FDiscount, FCurrencyID) VALUES
  (251, 'S051', '昆山精密导轨有限公司', 13, 3, 1),
  (252, 'S052', 'Taiwan Linear Motion Co.', 13, 0, 2);

INSERT INTO t_ICItemCore (FItemID, FNumber, FName, FModel, FUnitID, FPriceDecimal, FOrderPrice) VALUES
  (1451, '09.001', '直线导轨滑块', 'HGH20CA', 1, 2, 185.00),
  (1452, '09.002', '直线导轨', 'HGR20', 6, 2, 96.50),
  (1453, '09.003', '直线导轨滑块（国产）', 'HGH20CA', 1, 2, 118.00),
  (1454, '09.004', '法兰型导轨滑块', 'HGW20CC', 1, 2, 210.00),
  (1455, '09.005', '导轨端盖', 'HGR20', 1, 4, 0.85);

INSERT INTO t_ICItemMaterial (FItemID, FTaxRate, FSalePrice) VALUES
  (1451, 13, 260.00),
  (1452, 13, 135.00),
  (1453, 13, 170.00),
  (1454, 13, 290.00),
  (1455, 13, 1.50);

INSERT INTO t_SupplyPrice (FSupID, FItemID, FUnitID, FCyID, FPriceType, FQuantity, FPrice, FDiscount, FDate, FUserID) VALUES
  (251, 1451, 1, 1, 1, 50, 176.00, 2, '2024-05-06', 16),
  (251, 1451, 1, 1, 1, 0, 185.00, 0, '2024-05-06', 16),
  (252, 1451, 1, 2, 1, 0, 24.80, 0, '2024-05-10', 17),
  (252, 1451, 1, 2, 2, 0, 27.50, 0, '2024-05-10', 17),
  (251, 1452, 6, 1, 1, 0, 96.50, 0, '2024-05-06', 16),
  (251, 1453, 1, 1, 1, 0, 118.00, 5, '2024-05-06', 16);

INSERT INTO t_TradeHistory (FTranType, FCompanyID, FItemID, FDate, FBillNo, FUnitID, FCurrencyID, FExchangeRate, FQty, FPrice, FTaxPrice, FDiscountRate) VALUES
  (1, 251, 1451, '2024-02-05', 'POORD240031', 1, 1, 1, 40, 188.00, 212.44, 0),
  (1, 252, 1451, '2024-03-12', 'POORD240047', 1, 2, 7.1, 100, 25.20, 28.476, 0),
  (2, 301, 1451, '2024-04-02', 'SEORD240028', 1, 1, 1, 10, 260.00, 293.80, 0);

INSERT INTO POOrder (FInterID, FBillNo, FDate, FSupplyID, FCurrencyID, FExchangeRate, FInvStyle, FBillerID) VALUES
  (2351, 'POORD002351', '2024-06-03', 251, 1, 1, 12510, 16);

INSERT INTO POOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (2351, 1, 1451, 1, 60, 60, 176.00, 176.00, 198.88, 13, 2, 10348.80, '2024-06-17'),
  (2351, 2, 1452, 6, 20, 20, 96.50, 96.50, 109.045, 13, 0, 1930.00, '2024-06-17');

INSERT INTO SEOrder (FInterID, FBillNo, FDate, FCustID, FCurrencyID, FExchangeRate, FBillerID) VALUES
  (2352, 'SEORD002352', '2024-06-10', 301, 1, 1, 17);

INSERT INTO SEOrderEntry (FInterID, FEntryID, FItemID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FAuxTaxPrice, FTaxRate, FDiscountRate, FAmount, FDate) VALUES
  (2352, 1, 1451, 1, 8, 8, 255.00, 255.00, 288.15, 13, 0, 2040.00, '2024-06-24');

INSERT INTO t_Inventory (FItemID, FStockID, FQty, FSafeQty, FAllocQty, FOnOrderQty) VALUES
  (1451, 2, 36, 10, 12, 60),
  (1451, 1, 8, 0, 0, 0),
  (1452, 2, 45.5, 10, 0, 20),
  (1453, 2, 120, 20, 0, 0);

INSERT INTO t_ItemReplace (FItemID, FReplaceItemID, FRate, FPriority, FNote) VALUES
  (1451, 1454, 1, 2, '需改用法兰安装'),
  (1451, 1453, 1, 1, '国产替代，精度等级 N');
