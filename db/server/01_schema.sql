-- 恒远进销存系统: the supplied database for the "server sql" kind, in
-- T-SQL for SQL Server 2019 or later. The same tables, columns, keys,
-- indexes and defaults as ../01_schema.sql, the embedded database.
--
-- Run on a new, empty database whose collation is
-- Latin1_General_100_CI_AS_SC_UTF8 (the database tool, makedb --server,
-- creates it so): varchar then holds every character as UTF-8, and codes,
-- IDs and login names compare without regard to case, as on the embedded
-- database. UserPassword compares with case (a _CS_ collation of its own).
--
-- Codes and IDs are varchar(200) (keys and what refers to them); other
-- texts are varchar(max), as long as the embedded database lets them be.
-- Quantities, prices and amounts are float (53 bits, as the embedded REAL).
-- Bill lines are numbered by the server (LineID identity); OperatorLogID is
-- numbered by the program (highest + 1). No foreign keys are enforced:
-- bills may hold '' references.

create table ProductType (
    ProductTypeID   varchar(200) not null primary key,
    ProductTypeName varchar(max) null default ''
);

create table Storage (
    StorageID   varchar(200) not null primary key,
    StorageName varchar(max) null default ''
);

create table Product (
    GoodsID       varchar(200) not null primary key,
    GoodsName     varchar(max) null default '',
    Unit          varchar(max) null default '',
    Model         varchar(max) null default '',
    Home          varchar(max) null default '',
    ProductTypeID varchar(200) null default '',
    BuyUnitPrice  float not null default 0,
    SaleUnitPrice float not null default 0,
    MinStorage    float not null default 0,
    StorageID     varchar(200) null default '',
    Remark        varchar(max) null default '',
    NowStorage    float not null default 0
);

create table CustomerType (
    CustomerTypeID   varchar(200) not null primary key,
    CustomerTypeName varchar(max) null default ''
);

create table SupplierType (
    SupplierTypeID   varchar(200) not null primary key,
    SupplierTypeName varchar(max) null default ''
);

create table Customer (
    CustomerID   varchar(200) not null primary key,
    CustomerName varchar(max) null default '',
    Tel          varchar(max) null default '',
    Address      varchar(max) null default '',
    PostalCode   varchar(max) null default '',
    TypeID       varchar(200) null default '',
    TaxCode      varchar(max) null default '',
    Account      varchar(max) null default '',
    Bank         varchar(max) null default '',
    LinkMan      varchar(max) null default '',
    LinkManJob   varchar(max) null default '',
    Fax          varchar(max) null default '',
    Email        varchar(max) null default '',
    Remark       varchar(max) null default ''
);

create table Supplier (
    SupplierID   varchar(200) not null primary key,
    SupplierName varchar(max) null default '',
    Tel          varchar(max) null default '',
    Address      varchar(max) null default '',
    PostalCode   varchar(max) null default '',
    TypeID       varchar(200) null default '',
    TaxCode      varchar(max) null default '',
    Account      varchar(max) null default '',
    Bank         varchar(max) null default '',
    LinkMan      varchar(max) null default '',
    LinkManJob   varchar(max) null default '',
    Fax          varchar(max) null default '',
    Email        varchar(max) null default '',
    Remark       varchar(max) null default ''
);

create table PayMode (
    PayModeID   varchar(200) not null primary key,
    PayModeName varchar(max) null default ''
);

create table Buyer (
    BuyerID   varchar(200) not null primary key,
    BuyerName varchar(max) null default ''
);

create table Saler (
    SalerID   varchar(200) not null primary key,
    SalerName varchar(max) null default ''
);

create table Accepter (
    AccepterID   varchar(200) not null primary key,
    AccepterName varchar(max) null default ''
);

create table Returner (
    ReturnerID   varchar(200) not null primary key,
    ReturnerName varchar(max) null default ''
);

create table Checker (
    CheckerID   varchar(200) not null primary key,
    CheckerName varchar(max) null default ''
);

create table Operator (
    OperatorID   varchar(200) not null primary key,
    OperatorName varchar(max) null default '',
    UserPassword varchar(max) collate Latin1_General_100_CS_AS_SC_UTF8 null default '',
    Flage        bit not null default 0
);

create table OperatorLog (
    OperatorLogID bigint not null primary key,
    OperatorID    varchar(200) null default '',
    OperateDate   varchar(max) null default '',
    Operation     varchar(max) null default ''
);

create table PurchaseOrder (
    PurchaseOrderID varchar(200) not null primary key,
    OperateDate     varchar(max) null default '',
    SupplierID      varchar(200) null default '',
    Amount          float not null default 0,
    OperatorID      varchar(200) null default '',
    BuyerID         varchar(200) null default '',
    Remark          varchar(max) null default '',
    Status          varchar(max) not null default N'未入库'
);

create table PurchaseOrderDetail (
    LineID          bigint identity(1,1) not null primary key,
    PurchaseOrderID varchar(200) not null,
    GoodsID         varchar(200) not null,
    GoodsNum        float not null default 0,
    UnitPrice       float not null default 0,
    InNum           float not null default 0
);
create index PurchaseOrderDetail_Bill  on PurchaseOrderDetail (PurchaseOrderID);
create index PurchaseOrderDetail_Goods on PurchaseOrderDetail (GoodsID);

create table ReceiveReceipt (
    ReceiveReceiptID varchar(200) not null primary key,
    OperateDate      varchar(max) null default '',
    SupplierID       varchar(200) null default '',
    Amount           float not null default 0,
    OperatorID       varchar(200) null default '',
    AccepterID       varchar(200) null default '',
    Remark           varchar(max) null default ''
);

create table ReceiveReceiptDetail (
    LineID           bigint identity(1,1) not null primary key,
    ReceiveReceiptID varchar(200) not null,
    GoodsID          varchar(200) not null,
    StorageID        varchar(200) null default '',
    ReceiveNumber    float not null default 0,
    UnitPrice        float not null default 0
);
create index ReceiveReceiptDetail_Bill  on ReceiveReceiptDetail (ReceiveReceiptID);
-- In goods order, line by line, with every column the goods summaries read:
-- those lists are read from the index alone, without a sort.
create index ReceiveReceiptDetail_Goods on ReceiveReceiptDetail (GoodsID, LineID, ReceiveReceiptID, StorageID, ReceiveNumber, UnitPrice);

create table PurchaseReturn (
    PurchaseReturnID varchar(200) not null primary key,
    OperateDate      varchar(max) null default '',
    SupplierID       varchar(200) null default '',
    Amount           float not null default 0,
    BuyerID          varchar(200) null default '',
    ReturnerID       varchar(200) null default '',
    ReturnDate       varchar(max) null default '',
    OperatorID       varchar(200) null default '',
    Remark           varchar(max) null default ''
);

create table PurchaseReturnDetail (
    LineID           bigint identity(1,1) not null primary key,
    PurchaseReturnID varchar(200) not null,
    GoodsID          varchar(200) not null,
    ReturnNumber     float not null default 0,
    UnitPrice        float not null default 0
);
create index PurchaseReturnDetail_Bill  on PurchaseReturnDetail (PurchaseReturnID);
create index PurchaseReturnDetail_Goods on PurchaseReturnDetail (GoodsID);

create table Pay (
    PayID       varchar(200) not null primary key,
    OperateDate varchar(max) null default '',
    SupplierID  varchar(200) null default '',
    PayModeID   varchar(200) null default '',
    MustPay     float not null default 0,
    HavePay     float not null default 0,
    OperatorID  varchar(200) null default '',
    Remark      varchar(max) null default '',
    BuyInID     varchar(200) null default ''
);
create index Pay_BuyIn on Pay (BuyInID);

create table SaleOrder (
    SaleOrderID varchar(200) not null primary key,
    OperateDate varchar(max) null default '',
    CustomerID  varchar(200) null default '',
    Amount      float not null default 0,
    OperatorID  varchar(200) null default '',
    SalerID     varchar(200) null default '',
    Remark      varchar(max) null default '',
    Status      varchar(max) not null default N'未出库'
);

create table SaleOrderDetail (
    LineID      bigint identity(1,1) not null primary key,
    SaleOrderID varchar(200) not null,
    GoodsID     varchar(200) not null,
    GoodsNumber float not null default 0,
    UnitPrice   float not null default 0,
    OutNum      float not null default 0
);
create index SaleOrderDetail_Bill  on SaleOrderDetail (SaleOrderID);
create index SaleOrderDetail_Goods on SaleOrderDetail (GoodsID);

create table SaleOut (
    SaleOutID   varchar(200) not null primary key,
    OperateDate varchar(max) null default '',
    CustomerID  varchar(200) null default '',
    Amount      float not null default 0,
    OperatorID  varchar(200) null default '',
    SalerID     varchar(200) null default '',
    Remark      varchar(max) null default ''
);

create table SaleOutDetail (
    LineID      bigint identity(1,1) not null primary key,
    SaleOutID   varchar(200) not null,
    GoodsID     varchar(200) not null,
    StorageID   varchar(200) null default '',
    GoodsNumber float not null default 0,
    UnitPrice   float not null default 0
);
create index SaleOutDetail_Bill  on SaleOutDetail (SaleOutID);
-- In goods order, line by line, with every column the goods summaries read:
-- those lists are read from the index alone, without a sort.
create index SaleOutDetail_Goods on SaleOutDetail (GoodsID, LineID, SaleOutID, StorageID, GoodsNumber, UnitPrice);

create table SaleReturn (
    SaleReturnID varchar(200) not null primary key,
    OperateDate  varchar(max) null default '',
    CustomerID   varchar(200) null default '',
    Amount       float not null default 0,
    SalerID      varchar(200) null default '',
    AccepterID   varchar(200) null default '',
    ReturnDate   varchar(max) null default '',
    OperatorID   varchar(200) null default '',
    Remark       varchar(max) null default ''
);

create table SaleReturnDetail (
    LineID       bigint identity(1,1) not null primary key,
    SaleReturnID varchar(200) not null,
    GoodsID      varchar(200) not null,
    ReturnNumber float not null default 0,
    UnitPrice    float not null default 0
);
create index SaleReturnDetail_Bill  on SaleReturnDetail (SaleReturnID);
create index SaleReturnDetail_Goods on SaleReturnDetail (GoodsID);

create table Income (
    IncomeID    varchar(200) not null primary key,
    OperateDate varchar(max) null default '',
    CustomerID  varchar(200) null default '',
    PayModeID   varchar(200) null default '',
    MustIncome  float not null default 0,
    HaveIncome  float not null default 0,
    OperatorID  varchar(200) null default '',
    Remark      varchar(max) null default '',
    SaleOutID   varchar(200) null default ''
);
create index Income_SaleOut on Income (SaleOutID);

create table CheckNumber (
    CheckID     varchar(200) not null primary key,
    OperateDate varchar(max) null default '',
    CheckerID   varchar(200) null default '',
    OperatorID  varchar(200) null default '',
    Remark      varchar(max) null default '',
    Status      varchar(max) null
);

create table CheckNumberDetail (
    LineID        bigint identity(1,1) not null primary key,
    CheckID       varchar(200) not null,
    GoodsID       varchar(200) not null,
    StorageNumber float not null default 0,
    CheckNumber   float not null default 0,
    ProfitLoss    varchar(max) null default '',
    Reason        varchar(max) null default ''
);
create index CheckNumberDetail_Bill  on CheckNumberDetail (CheckID);
create index CheckNumberDetail_Goods on CheckNumberDetail (GoodsID);

-- One row, cross-joined into the order lines that a receipt or delivery
-- copies; its StorageName is not a storage code, so each copied line must
-- have its storage chosen before the bill can be saved.
create table Temp (
    StorageName varchar(max) null default ''
);

