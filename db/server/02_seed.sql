-- The rows every new database starts with (as ../02_seed.sql).
insert into Operator (OperatorID, OperatorName, UserPassword, Flage)
values ('Administrator', N'系统管理员', 'admin', 0);

insert into Temp (StorageName) values (N'请选择库位');
