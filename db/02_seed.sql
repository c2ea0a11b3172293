-- The rows every new database starts with.
INSERT INTO Operator (OperatorID, OperatorName, UserPassword, Flage)
VALUES ('Administrator', '系统管理员', 'admin', 0);

INSERT INTO Temp (StorageName) VALUES ('请选择库位');
