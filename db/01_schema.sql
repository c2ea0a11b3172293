-- 恒远进销存系统: the supplied database.
-- Run the files of this folder in the order of their names on an empty SQLite
-- database (the build's makedb tool does, and so does the sqlite3 shell).
--
-- Codes, IDs and login names compare without regard to case (COLLATE NOCASE),
-- so duplicate checks, joins and sign-in behave alike on every database kind.
-- Passwords compare exactly. Quantities, prices and amounts are REAL.
-- No foreign keys are enforced: bills may hold '' references.

PRAGMA encoding = 'UTF-8';

CREATE TABLE ProductType (
    ProductTypeID   TEXT COLLATE NOCASE PRIMARY KEY,
    ProductTypeName TEXT DEFAULT ''
);

CREATE TABLE Storage (
    StorageID   TEXT COLLATE NOCASE PRIMARY KEY,
    StorageName TEXT DEFAULT ''
);

CREATE TABLE Product (
    GoodsID       TEXT COLLATE NOCASE PRIMARY KEY,
    GoodsName     TEXT DEFAULT '',
    Unit          TEXT DEFAULT '',
    Model         TEXT DEFAULT '',
    Home          TEXT DEFAULT '',
    ProductTypeID TEXT COLLATE NOCASE DEFAULT '',
    BuyUnitPrice  REAL NOT NULL DEFAULT 0,
    SaleUnitPrice REAL NOT NULL DEFAULT 0,
    MinStorage    REAL NOT NULL DEFAULT 0,
    StorageID     TEXT COLLATE NOCASE DEFAULT '',
    Remark        TEXT DEFAULT '',
    NowStorage    REAL NOT NULL DEFAULT 0
);

CREATE TABLE CustomerType (
    CustomerTypeID   TEXT COLLATE NOCASE PRIMARY KEY,
    CustomerTypeName TEXT DEFAULT ''
);

CREATE TABLE SupplierType (
    SupplierTypeID   TEXT COLLATE NOCASE PRIMARY KEY,
    SupplierTypeName TEXT DEFAULT ''
);

CREATE TABLE Customer (
    CustomerID   TEXT COLLATE NOCASE PRIMARY KEY,
    CustomerName TEXT DEFAULT '',
    Tel          TEXT DEFAULT '',
    Address      TEXT DEFAULT '',
    PostalCode   TEXT DEFAULT '',
    TypeID       TEXT COLLATE NOCASE DEFAULT '',
    TaxCode      TEXT DEFAULT '',
    Account      TEXT DEFAULT '',
    Bank         TEXT DEFAULT '',
    LinkMan      TEXT DEFAULT '',
    LinkManJob   TEXT DEFAULT '',
    Fax          TEXT DEFAULT '',
    Email        TEXT DEFAULT '',
    Remark       TEXT DEFAULT ''
);

CREATE TABLE Supplier (
    SupplierID   TEXT COLLATE NOCASE PRIMARY KEY,
    SupplierName TEXT DEFAULT '',
    Tel          TEXT DEFAULT '',
    Address      TEXT DEFAULT '',
    PostalCode   TEXT DEFAULT '',
    TypeID       TEXT COLLATE NOCASE DEFAULT '',
    TaxCode      TEXT DEFAULT '',
    Account      TEXT DEFAULT '',
    Bank         TEXT DEFAULT '',
    LinkMan      TEXT DEFAULT '',
    LinkManJob   TEXT DEFAULT '',
    Fax          TEXT DEFAULT '',
    Email        TEXT DEFAULT '',
    Remark       TEXT DEFAULT ''
);

CREATE TABLE PayMode (
    PayModeID   TEXT COLLATE NOCASE PRIMARY KEY,
    PayModeName TEXT DEFAULT ''
);

CREATE TABLE Buyer (
    BuyerID   TEXT COLLATE NOCASE PRIMARY KEY,
    BuyerName TEXT DEFAULT ''
);

CREATE TABLE Saler (
    SalerID   TEXT COLLATE NOCASE PRIMARY KEY,
    SalerName TEXT DEFAULT ''
);

CREATE TABLE Accepter (
    AccepterID   TEXT COLLATE NOCASE PRIMARY KEY,
    AccepterName TEXT DEFAULT ''
);

CREATE TABLE Returner (
    ReturnerID   TEXT COLLATE NOCASE PRIMARY KEY,
    ReturnerName TEXT DEFAULT ''
);

CREATE TABLE Checker (
    CheckerID   TEXT COLLATE NOCASE PRIMARY KEY,
    CheckerName TEXT DEFAULT ''
);

CREATE TABLE Operator (
    OperatorID   TEXT COLLATE NOCASE PRIMARY KEY,
    OperatorName TEXT DEFAULT '',
    UserPassword TEXT COLLATE BINARY DEFAULT '',
    Flage        BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE OperatorLog (
    OperatorLogID INTEGER PRIMARY KEY,
    OperatorID    TEXT COLLATE NOCASE DEFAULT '',
    OperateDate   TEXT DEFAULT '',
    Operation     TEXT DEFAULT ''
);

CREATE TABLE PurchaseOrder (
    PurchaseOrderID TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate     TEXT DEFAULT '',
    SupplierID      TEXT COLLATE NOCASE DEFAULT '',
    Amount          REAL NOT NULL DEFAULT 0,
    OperatorID      TEXT COLLATE NOCASE DEFAULT '',
    BuyerID         TEXT COLLATE NOCASE DEFAULT '',
    Remark          TEXT DEFAULT '',
    Status          TEXT NOT NULL DEFAULT '未入库'
);

CREATE TABLE PurchaseOrderDetail (
    LineID          INTEGER PRIMARY KEY,
    PurchaseOrderID TEXT COLLATE NOCASE NOT NULL,
    GoodsID         TEXT COLLATE NOCASE NOT NULL,
    GoodsNum        REAL NOT NULL DEFAULT 0,
    UnitPrice       REAL NOT NULL DEFAULT 0,
    InNum           REAL NOT NULL DEFAULT 0
);
CREATE INDEX PurchaseOrderDetail_Bill  ON PurchaseOrderDetail (PurchaseOrderID);
CREATE INDEX PurchaseOrderDetail_Goods ON PurchaseOrderDetail (GoodsID);

CREATE TABLE ReceiveReceipt (
    ReceiveReceiptID TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate      TEXT DEFAULT '',
    SupplierID       TEXT COLLATE NOCASE DEFAULT '',
    Amount           REAL NOT NULL DEFAULT 0,
    OperatorID       TEXT COLLATE NOCASE DEFAULT '',
    AccepterID       TEXT COLLATE NOCASE DEFAULT '',
    Remark           TEXT DEFAULT ''
);

CREATE TABLE ReceiveReceiptDetail (
    LineID           INTEGER PRIMARY KEY,
    ReceiveReceiptID TEXT COLLATE NOCASE NOT NULL,
    GoodsID          TEXT COLLATE NOCASE NOT NULL,
    StorageID        TEXT COLLATE NOCASE DEFAULT '',
    ReceiveNumber    REAL NOT NULL DEFAULT 0,
    UnitPrice        REAL NOT NULL DEFAULT 0
);
CREATE INDEX ReceiveReceiptDetail_Bill  ON ReceiveReceiptDetail (ReceiveReceiptID);
-- In goods order, line by line, with every column the goods summaries read:
-- those lists are read from the index alone, without a sort.
CREATE INDEX ReceiveReceiptDetail_Goods ON ReceiveReceiptDetail (GoodsID, LineID, ReceiveReceiptID, StorageID, ReceiveNumber, UnitPrice);

CREATE TABLE PurchaseReturn (
    PurchaseReturnID TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate      TEXT DEFAULT '',
    SupplierID       TEXT COLLATE NOCASE DEFAULT '',
    Amount           REAL NOT NULL DEFAULT 0,
    BuyerID          TEXT COLLATE NOCASE DEFAULT '',
    ReturnerID       TEXT COLLATE NOCASE DEFAULT '',
    ReturnDate       TEXT DEFAULT '',
    OperatorID       TEXT COLLATE NOCASE DEFAULT '',
    Remark           TEXT DEFAULT ''
);

CREATE TABLE PurchaseReturnDetail (
    LineID           INTEGER PRIMARY KEY,
    PurchaseReturnID TEXT COLLATE NOCASE NOT NULL,
    GoodsID          TEXT COLLATE NOCASE NOT NULL,
    ReturnNumber     REAL NOT NULL DEFAULT 0,
    UnitPrice        REAL NOT NULL DEFAULT 0
);
CREATE INDEX PurchaseReturnDetail_Bill  ON PurchaseReturnDetail (PurchaseReturnID);
CREATE INDEX PurchaseReturnDetail_Goods ON PurchaseReturnDetail (GoodsID);

CREATE TABLE Pay (
    PayID       TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate TEXT DEFAULT '',
    SupplierID  TEXT COLLATE NOCASE DEFAULT '',
    PayModeID   TEXT COLLATE NOCASE DEFAULT '',
    MustPay     REAL NOT NULL DEFAULT 0,
    HavePay     REAL NOT NULL DEFAULT 0,
    OperatorID  TEXT COLLATE NOCASE DEFAULT '',
    Remark      TEXT DEFAULT '',
    BuyInID     TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX Pay_BuyIn ON Pay (BuyInID);

CREATE TABLE SaleOrder (
    SaleOrderID TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate TEXT DEFAULT '',
    CustomerID  TEXT COLLATE NOCASE DEFAULT '',
    Amount      REAL NOT NULL DEFAULT 0,
    OperatorID  TEXT COLLATE NOCASE DEFAULT '',
    SalerID     TEXT COLLATE NOCASE DEFAULT '',
    Remark      TEXT DEFAULT '',
    Status      TEXT NOT NULL DEFAULT '未出库'
);

CREATE TABLE SaleOrderDetail (
    LineID      INTEGER PRIMARY KEY,
    SaleOrderID TEXT COLLATE NOCASE NOT NULL,
    GoodsID     TEXT COLLATE NOCASE NOT NULL,
    GoodsNumber REAL NOT NULL DEFAULT 0,
    UnitPrice   REAL NOT NULL DEFAULT 0,
    OutNum      REAL NOT NULL DEFAULT 0
);
CREATE INDEX SaleOrderDetail_Bill  ON SaleOrderDetail (SaleOrderID);
CREATE INDEX SaleOrderDetail_Goods ON SaleOrderDetail (GoodsID);

CREATE TABLE SaleOut (
    SaleOutID   TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate TEXT DEFAULT '',
    CustomerID  TEXT COLLATE NOCASE DEFAULT '',
    Amount      REAL NOT NULL DEFAULT 0,
    OperatorID  TEXT COLLATE NOCASE DEFAULT '',
    SalerID     TEXT COLLATE NOCASE DEFAULT '',
    Remark      TEXT DEFAULT ''
);

CREATE TABLE SaleOutDetail (
    LineID      INTEGER PRIMARY KEY,
    SaleOutID   TEXT COLLATE NOCASE NOT NULL,
    GoodsID     TEXT COLLATE NOCASE NOT NULL,
    StorageID   TEXT COLLATE NOCASE DEFAULT '',
    GoodsNumber REAL NOT NULL DEFAULT 0,
    UnitPrice   REAL NOT NULL DEFAULT 0
);
CREATE INDEX SaleOutDetail_Bill  ON SaleOutDetail (SaleOutID);
-- In goods order, line by line, with every column the goods summaries read:
-- those lists are read from the index alone, without a sort.
CREATE INDEX SaleOutDetail_Goods ON SaleOutDetail (GoodsID, LineID, SaleOutID, StorageID, GoodsNumber, UnitPrice);

CREATE TABLE SaleReturn (
    SaleReturnID TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate  TEXT DEFAULT '',
    CustomerID   TEXT COLLATE NOCASE DEFAULT '',
    Amount       REAL NOT NULL DEFAULT 0,
    SalerID      TEXT COLLATE NOCASE DEFAULT '',
    AccepterID   TEXT COLLATE NOCASE DEFAULT '',
    ReturnDate   TEXT DEFAULT '',
    OperatorID   TEXT COLLATE NOCASE DEFAULT '',
    Remark       TEXT DEFAULT ''
);

CREATE TABLE SaleReturnDetail (
    LineID       INTEGER PRIMARY KEY,
    SaleReturnID TEXT COLLATE NOCASE NOT NULL,
    GoodsID      TEXT COLLATE NOCASE NOT NULL,
    ReturnNumber REAL NOT NULL DEFAULT 0,
    UnitPrice    REAL NOT NULL DEFAULT 0
);
CREATE INDEX SaleReturnDetail_Bill  ON SaleReturnDetail (SaleReturnID);
CREATE INDEX SaleReturnDetail_Goods ON SaleReturnDetail (GoodsID);

CREATE TABLE Income (
    IncomeID    TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate TEXT DEFAULT '',
    CustomerID  TEXT COLLATE NOCASE DEFAULT '',
    PayModeID   TEXT COLLATE NOCASE DEFAULT '',
    MustIncome  REAL NOT NULL DEFAULT 0,
    HaveIncome  REAL NOT NULL DEFAULT 0,
    OperatorID  TEXT COLLATE NOCASE DEFAULT '',
    Remark      TEXT DEFAULT '',
    SaleOutID   TEXT COLLATE NOCASE DEFAULT ''
);
CREATE INDEX Income_SaleOut ON Income (SaleOutID);

CREATE TABLE CheckNumber (
    CheckID     TEXT COLLATE NOCASE PRIMARY KEY,
    OperateDate TEXT DEFAULT '',
    CheckerID   TEXT COLLATE NOCASE DEFAULT '',
    OperatorID  TEXT COLLATE NOCASE DEFAULT '',
    Remark      TEXT DEFAULT '',
    Status      TEXT
);

CREATE TABLE CheckNumberDetail (
    LineID        INTEGER PRIMARY KEY,
    CheckID       TEXT COLLATE NOCASE NOT NULL,
    GoodsID       TEXT COLLATE NOCASE NOT NULL,
    StorageNumber REAL NOT NULL DEFAULT 0,
    CheckNumber   REAL NOT NULL DEFAULT 0,
    ProfitLoss    TEXT DEFAULT '',
    Reason        TEXT DEFAULT ''
);
CREATE INDEX CheckNumberDetail_Bill  ON CheckNumberDetail (CheckID);
CREATE INDEX CheckNumberDetail_Goods ON CheckNumberDetail (GoodsID);

-- One row, cross-joined into the order lines that a receipt or delivery
-- copies; its StorageName is not a storage code, so each copied line must
-- have its storage chosen before the bill can be saved.
CREATE TABLE Temp (
    StorageName TEXT DEFAULT ''
);
