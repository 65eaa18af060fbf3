#pragma once

#include "data/sql.h"
#include "documents/documentcontroller.h"
#include "documents/documentrepository.h"

#include <QSqlDatabase>
#include <QtTest>

// Small register records and documents for the document tests, written
// straight into the tables.
namespace Fixtures {

inline bool exec(const QSqlDatabase &db, const QString &sql, const Data::Sql::Binds &binds = {})
{
    QString error;
    const bool ok = Data::Sql::exec(db, sql, binds, &error);
    if (!ok)
        qWarning().noquote() << error;
    return ok;
}

inline bool addParty(const QSqlDatabase &db, const QString &table, const QString &code, const QString &name,
                     const QString &credit)
{
    return exec(db,
                QStringLiteral("INSERT INTO %1 (CUST_NO, CUST_NAME, CUST_CARD, CUST_ADD1, CUST_ADD4, CUST_CRE) "
                               "VALUES (:no, :name, '3100100012345', 'ถนนสุขุมวิท', 'กรุงเทพฯ', :cre)")
                    .arg(table),
                {{"no", code}, {"name", name}, {"cre", credit}});
}

inline bool addSalesperson(const QSqlDatabase &db, const QString &code, const QString &name)
{
    return exec(db, QStringLiteral("INSERT INTO Sale (SALE_NO, SALE_NAME) VALUES (:no, :name)"),
                {{"no", code}, {"name", name}});
}

inline bool addProduct(const QSqlDatabase &db, const QString &code, const QString &name, double sell, double buy,
                       double carried, const QString &cut = QStringLiteral("1"), double taxRate = 7)
{
    return exec(db,
                QStringLiteral("INSERT INTO Product (PRO_NO, PRO_NAME, PRO_UNIT, PRO_SPRICE, PRO_SP2, PRO_SP3, PRO_SP4, "
                               "PRO_SP5, PRO_BPRICE, PRO_TOTAL, CUT_STOCK, TAX_RATE, WARN_TERM) VALUES (:no, :name, "
                               "'ชิ้น', :s1, :s2, :s3, :s4, :s5, :buy, :tot, :cut, :rate, '')"),
                {{"no", code}, {"name", name}, {"s1", sell}, {"s2", sell - 1}, {"s3", sell - 2}, {"s4", sell - 3},
                 {"s5", sell - 4}, {"buy", buy}, {"tot", carried}, {"cut", cut}, {"rate", taxRate}});
}

inline bool addHeader(const QSqlDatabase &db, const QString &table, const QString &number, const QString &cust = "00012")
{
    return exec(db,
                QStringLiteral("INSERT INTO %1 (INV_NO, INV_TYPE, INV_DATE, DUE_DATE, CUST_NO, CUST_NAME, CUST_CRE, "
                               "SALE_NO, TAX_RATE, TOTAL, TAX, DISCOUNT, SUM_TOTAL, CUST_DISC, FG_OK, FG_BILL) VALUES "
                               "(:no, :type, '01/02/2550', '01/02/2550', :cust, 'ร้านทดสอบ', 'สด', '001', 7, 0, 0, 0, 0, "
                               "0, 1, 0)")
                    .arg(table),
                {{"no", number}, {"type", number.mid(4, 1)}, {"cust", cust}});
}

inline int count(const QSqlDatabase &db, const QString &sql, const Data::Sql::Binds &binds = {})
{
    QString error;
    const auto v = Data::Sql::scalar(db, sql, binds, &error);
    if (!v)
        qWarning().noquote() << error;
    return v ? v->toInt() : -1;
}

inline bool setPrefix(const QSqlDatabase &db, int series, const QString &prefix)
{
    return exec(db, QStringLiteral("UPDATE Orvansys SET PREFIX%1 = :p").arg(series), {{"p", prefix}});
}

// The usual registers: customer 00012 on 30 days, supplier 00012 cash,
// salesperson 001, products with stock.
inline bool standardRegisters(const QSqlDatabase &db)
{
    return addParty(db, "Customer", "00012", "ร้านสมศักดิ์การค้า", "30 ว.")
        && addParty(db, "Customer", "00020", "บริษัท ทองดี จำกัด", "สด")
        && addParty(db, "Customer", "00030", "ห้างหุ้นส่วน มั่นคง", "1 ด.")
        && addParty(db, "Supply", "00012", "บริษัท ค้าส่งไทย จำกัด", "สด")
        && addSalesperson(db, "001", "สมชาย ใจดี")
        && addSalesperson(db, "002", QString(80, QChar(u'ก')))
        && addProduct(db, "P001", "สบู่หอม", 25, 18, 10) && addProduct(db, "P002", "ยาสีฟัน", 45.5, 30, 2)
        && addProduct(db, "P003", "บริการซ่อม", 300, 0, 0, "0", 7)
        && exec(db, "UPDATE scale SET SCALE1 = 1, SCALE2 = 6, SCALE3 = 12, SCALE4 = 24, SCALE5 = 48");
}

} // namespace Fixtures
